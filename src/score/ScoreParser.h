#pragma once
// Turns the text of a score into its rows and change lists. Nothing is ever rejected: unknown
// text makes silent rows, a missing number reads 0.
#include "core/NoteTable.h"
#include "score/Score.h"

#include <QStringView>

// Tempo and metre are score-wide and outlive a load: a score without "$" or "?" rows keeps the
// values of the score loaded before it.
struct ScoreWideValues {
    qint16 TempoBpm = 0;
    qint16 BeatUnit = 0;
};

namespace ScoreParser {

// Fills rows, the change lists and MaxDurationCode of `score`; updates `wide` from the last
// tempo and metre rows.
void parse(QStringView text, const NoteTable& notes, ScoreWideValues& wide, Score& score);

} // namespace ScoreParser
