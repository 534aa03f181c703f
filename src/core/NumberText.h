#pragma once
// How every number inside a text is read (score rows, typed fields), and how fractional values
// become whole numbers: halves go to the even neighbour. Every conversion saturates at the range
// of its target, so no text, however long or extreme, yields infinity, NaN or an overflow.
#include <QStringView>
#include <QtGlobal>

namespace NumberText {

// Leading blanks (space, tab) skipped, then an optional sign, digits, an optional "." with more
// digits and an optional exponent, up to the first other character. 0 when no digit is found.
// A value beyond the range of double saturates at the largest finite double.
double leadingNumber(QStringView text);

// The nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// Rounded halves to even, then clamped to the target range; NaN gives 0.
qint16 roundToInt16(double value);
qint32 roundToInt32(double value);
qint64 roundToInt64(double value);
// The leading number of a text, rounded and clamped to 32 bits: counts and rows in data files.
qint32 leadingInt32(QStringView text);

// Single precision clamped to its largest finite value; NaN gives 0.
float toSingle(double value);

} // namespace NumberText
