#pragma once
// Numbers inside texts of the data files: blanks skipped, then an optional sign, digits, an
// optional fraction and exponent; 0 when no digits start the text.
#include <QStringView>
#include <QtGlobal>

namespace LeadingNumber {
double value(QStringView text);
// The leading number rounded half to even and clamped to the signed 32-bit range, so that a
// huge count in a hand-edited file never overflows.
qint32 toInt32(QStringView text);
} // namespace LeadingNumber
