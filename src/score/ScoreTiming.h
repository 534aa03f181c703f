#pragma once
// The time figures of a score: the tick, the play timer's interval, the estimated end time of
// every row and the hold of a note. All results are finite, whatever the score holds.
#include "score/ScoreParser.h"

#include <chrono>

namespace ScoreTiming {

// The pace used when a score gives none ("$0", a negative tempo, or no tempo row ever seen).
constexpr qint16 kFallbackTempo = 100;

// X in milliseconds: (60 / tempo) x (beatUnit / MaxDurationCode) x 1000, the length of the
// shortest note. Where that has no value, the score still plays:
// - a tempo below 1 is taken as kFallbackTempo;
// - when no row has a positive duration code, every row lasts one tick and a tick is one beat
//   (60000 / tempo);
// - a beat unit below 1 makes the tick 0 ms.
float tickLength(const ScoreWideValues& wide, float maxDurationCode);

// X rounded to whole milliseconds, halves to even; at least 1.
qint32 timerInterval(float tickLength);

// Estimated end of every row in milliseconds: a row with code d > 0 lasts
// MaxDurationCode / d ticks, every other row one tick. Kept in single precision, saturating.
QList<float> rowEndTimes(const QList<ScoreRow>& rows, float maxDurationCode, float tickLength);

// The hold after striking a row with code d, in whole milliseconds: (MaxDurationCode / d - 1)
// intervals, or one interval for the shortest code; 0 (no hold) when d is not positive.
// Saturates at the largest signed 32-bit count (about 24 days).
qint32 holdMilliseconds(float maxDurationCode, float durationCode, qint32 interval);

// The first slot of the play timer's grid strictly after `elapsed` from the grid's start: the
// slot of the tick that follows a hold ending then (slots due during a hold, its end included,
// are dropped).
qint64 firstSlotAfter(std::chrono::nanoseconds elapsed, qint32 interval);

// The figures a load works out after parsing: tick, interval, row end times and total time.
void analyse(Score& score, const ScoreWideValues& wide);

} // namespace ScoreTiming
