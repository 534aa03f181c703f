#pragma once
// Finds the rows of a score that play differently from what their writer almost surely meant: a
// sharp or flat written alone, a name that matches no note, a duration that reads 0, a number
// beyond 16 bits, a key name outside the key table, a note on the first row, a missing tempo or
// metre row, bare LF line ends. It only reads: checking never changes how a score plays.
#include "core/NoteTable.h"
#include "score/Score.h"
#include "score/ScoreFinding.h"

#include <QList>
#include <QStringView>

namespace ScoreCheck {

// `parsed` is what the parser made of `text`; findings come in row order, score-wide ones first.
QList<ScoreFinding> check(QStringView text, const Score& parsed, const NoteTable& notes);
// Reads the file of a loaded score again; none when it cannot be read any more.
QList<ScoreFinding> checkLoaded(const Score& loaded, const NoteTable& notes);
// Parses `text` itself, as a score of its own.
QList<ScoreFinding> check(QStringView text, const NoteTable& notes);

} // namespace ScoreCheck
