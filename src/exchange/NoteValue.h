#pragma once
// The note values a MusicXML export writes, in units of a 192nd of a quarter note (the file's
// divisions), so that every value, its dotted form and its triplet are whole numbers of units.
// A score's duration code d lasts 1/d of a whole note.
#include <QList>
#include <QString>

namespace NoteValue {

constexpr int kUnitsPerQuarter = 192;
constexpr int kUnitsPerWhole = 4 * kUnitsPerQuarter;

struct Value {
    int units;
    QString type; // MusicXML's note type: "breve", "whole", "half", "quarter", "eighth", "16th", ...
    bool dotted = false;
    bool triplet = false; // three in the time of two
};

// The units of a duration code. A standard code (a plain note value from the breve to the
// 128th, a dotted one from the breve to the 64th, a triplet from the breve to the 256th; written
// with three decimals, so 2.667 and 2.666 are both the dotted quarter) is exact; any other
// positive code is rounded to the nearest 128th, and at least one; 0 for a code that is not
// positive.
int unitsOfCode(double code);

// Values that add up to `units`, longest first, to be written as tied notes (or consecutive
// rests). A triplet value is used only where plain and dotted values cannot make up the length.
// `units` must be even and positive, as every length made of the codes above is.
QList<Value> split(int units);

} // namespace NoteValue
