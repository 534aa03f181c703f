#include "library/LeadingNumber.h"

#include <QString>

#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the run of digits starting at `from`.
qsizetype digitsAt(QStringView text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

} // namespace

namespace LeadingNumber {

double value(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = digitsAt(text, i);
    i += digits;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        const qsizetype fraction = digitsAt(text, i + 1);
        digits += fraction;
        i += 1 + fraction;
    }
    if (digits == 0) return 0.0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) ++j;
        const qsizetype exponent = digitsAt(text, j);
        if (exponent > 0) i = j + exponent;
    }
    // An overflowing text reads as an infinity, which the integer conversion clamps.
    const double number = text.mid(start, i - start).toString().toDouble();
    return std::isnan(number) ? 0.0 : number;
}

qint32 toInt32(QStringView text) {
    const double rounded = std::nearbyint(value(text)); // the default rounding mode: half to even
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    if (rounded <= low) return std::numeric_limits<qint32>::min();
    if (rounded >= high) return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(rounded);
}

} // namespace LeadingNumber
