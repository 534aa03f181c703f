#pragma once
// The duration codes a MIDI import writes, and the nearest one to a length.
#include <QList>
#include <QString>

namespace DurationCode {

// A code as six times its value, a whole number for every code of the set (0.5 is 3, 2.667 is
// 16, 32 is 192), so that common multiples are exact.
struct Code {
    int sixfold;
    const char* text;
    double wholeNotes() const { return 6.0 / sixfold; }
};

// From the breve (0.5) to the thirty-second note (32): plain, dotted (0.667, 1.333, 2.667,
// 5.333, 10.667) and triplet codes (3, 6, 12, 24). Dotted codes are written rounded down
// ("2.666"): a code a hair short makes a note a hair long, which the engine's whole-interval
// hold leaves at its written length, while one a hair long would lose a tick on a long note.
const QList<Code>& all();

// The code whose length is nearest to `wholeNotes` (the shorter one on a tie); the shortest
// code for a length of nothing or less.
const Code& nearest(double wholeNotes);

// The code of the score's tick: a multiple of every code used, so that each lasts whole ticks,
// and longer than all of them, because the engine gives a note of the tick's own code two
// ticks. Its text as written.
QString tickCode(const QList<int>& sixfoldCodesUsed);

} // namespace DurationCode
