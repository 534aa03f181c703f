#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace NumberText {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

template <typename Int> Int roundToInt(double value) {
    if (std::isnan(value)) return 0;
    const double r = roundHalfEven(value);
    // The bounds of every integer type up to 64 bits are exact powers of two in double, so the
    // comparisons are exact and the cast below is always in range.
    constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::lowest());
    constexpr double upperBound = -lowest; // one past the largest value
    if (r <= lowest) return std::numeric_limits<Int>::lowest();
    if (r >= upperBound) return std::numeric_limits<Int>::max();
    return static_cast<Int>(r);
}

} // namespace

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

    std::string number;
    bool anyDigit = false;
    while (i < n && isDigit(text[i]))
        number += char(text[i++].unicode()), anyDigit = true;
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && isDigit(text[i]))
            number += char(text[i++].unicode()), anyDigit = true;
    }
    if (!anyDigit) return 0;
    // The exponent counts only when digits follow it: "4e" reads 4.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) exponent += char(text[j++].unicode());
        const qsizetype digitsStart = j;
        while (j < n && isDigit(text[j]))
            exponent += char(text[j++].unicode());
        if (j > digitsStart) number += exponent;
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large saturates; too small (a huge negative exponent) is zero.
        const bool tooLarge = std::fabs(std::strtod(number.c_str(), nullptr)) > 1;
        value = tooLarge ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        value = 0;
    }
    return negative ? -value : value;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff < 0.5) return floorValue;
    if (diff > 0.5) return floorValue + 1;
    return std::fmod(floorValue, 2.0) == 0 ? floorValue : floorValue + 1;
}

qint16 roundToInt16(double value) {
    return roundToInt<qint16>(value);
}
qint32 roundToInt32(double value) {
    return roundToInt<qint32>(value);
}
qint64 roundToInt64(double value) {
    return roundToInt<qint64>(value);
}

float toSingle(double value) {
    if (std::isnan(value)) return 0.0f;
    constexpr double maxFloat = std::numeric_limits<float>::max();
    if (value > maxFloat) return std::numeric_limits<float>::max();
    if (value < -maxFloat) return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

qint32 leadingInt32(QStringView text) { return roundToInt32(leadingNumber(text)); }

} // namespace NumberText
