#include "midi/DurationCode.h"

#include <cmath>
#include <numeric>

namespace DurationCode {

const QList<Code>& all() {
    static const QList<Code> codes = {
        {3, "0.5"},   {4, "0.666"}, {6, "1.0"},    {8, "1.333"},  {12, "2.0"}, {16, "2.666"},
        {18, "3.0"},  {24, "4.0"},  {32, "5.333"}, {36, "6.0"},   {48, "8.0"}, {64, "10.666"},
        {72, "12.0"}, {96, "16.0"}, {144, "24.0"}, {192, "32.0"},
    };
    return codes;
}

const Code& nearest(double wholeNotes) {
    const QList<Code>& codes = all();
    const Code* best = &codes.last();
    // From the shortest up, so that a tie keeps the shorter code.
    for (auto code = codes.crbegin(); code != codes.crend(); ++code)
        if (std::abs(code->wholeNotes() - wholeNotes) < std::abs(best->wholeNotes() - wholeNotes))
            best = &*code;
    return *best;
}

QString tickCode(const QList<int>& sixfoldCodesUsed) {
    int multiple = 1;
    int largest = 1;
    for (int code : sixfoldCodesUsed) {
        multiple = std::lcm(multiple, code);
        largest = std::max(largest, code);
    }
    if (multiple == largest) multiple *= 2;
    if (multiple % 6 == 0) return QString::number(multiple / 6) + QStringLiteral(".0");
    // Rounded down to three decimals, like the dotted codes.
    const long thousandths = long(multiple) * 1000 / 6;
    return QStringLiteral("%1.%2")
        .arg(thousandths / 1000)
        .arg(thousandths % 1000, 3, 10, QChar(u'0'));
}

} // namespace DurationCode
