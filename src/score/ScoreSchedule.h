#pragma once
// When the playback engine plays each row of a score, worked out without playing it: the same
// grid, holds and dropped slots as the engine, on a clock that never stalls.
#include "score/Score.h"

#include <QList>

namespace ScoreSchedule {

// Milliseconds from Play to the tick of every row: entry 0 is unused (row 0 is never played),
// entry r the tick of row r, and the last entry (index rowCount) the tick that ends the score.
QList<qint64> tickTimes(const Score& score);

} // namespace ScoreSchedule
