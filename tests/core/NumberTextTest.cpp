#include "core/NumberText.h"
#include "support/QuotedText.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct LeadingCase {
    const char16_t* text;
    double value;
};
void PrintTo(const LeadingCase& c, std::ostream* os) {
    *os << quoted(QString::fromUtf16(c.text));
}

class LeadingNumber : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(QStringView(GetParam().text)), GetParam().value)
        << QString::fromUtf16(GetParam().text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rule, LeadingNumber,
    testing::Values(LeadingCase{u"4", 4}, LeadingCase{u"  4  ", 4}, LeadingCase{u"\t4", 4},
                    LeadingCase{u"4abc", 4}, LeadingCase{u"2.667", 2.667}, LeadingCase{u"", 0},
                    LeadingCase{u"i", 0}, LeadingCase{u"abc4", 0}, LeadingCase{u"-3", -3},
                    LeadingCase{u"+8", 8}, LeadingCase{u".5", 0.5}, LeadingCase{u"5.", 5},
                    LeadingCase{u".", 0}, LeadingCase{u"-", 0}, LeadingCase{u"1e3", 1000},
                    LeadingCase{u"2E-1x", 0.2}, LeadingCase{u"4e", 4}, LeadingCase{u"4e+", 4},
                    LeadingCase{u"3/4", 3}, LeadingCase{u"1 2", 1}, LeadingCase{u"１２", 0},
                    LeadingCase{u"1e-999", 0}, LeadingCase{u"0.0001", 0.0001}));

TEST(LeadingNumber, HugeNumbersSaturateInsteadOfBecomingInfinite) {
    EXPECT_EQ(NumberText::leadingNumber(u"1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(NumberText::leadingNumber(u"-1e999"), -std::numeric_limits<double>::max());
    const QString digits(5000, u'9');
    EXPECT_EQ(NumberText::leadingNumber(digits), std::numeric_limits<double>::max());
}

struct RoundCase {
    double in;
    double out;
};
void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.in;
}
class RoundHalfEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(NumberText::roundHalfEven(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(Rule, RoundHalfEven,
                         testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{0.5, 0},
                                         RoundCase{1.5, 2}, RoundCase{-2.5, -2},
                                         RoundCase{-3.5, -4}, RoundCase{-0.5, 0},
                                         RoundCase{2.4999, 2}, RoundCase{2.5001, 3},
                                         RoundCase{-1.2, -1}, RoundCase{149.5, 150},
                                         RoundCase{150.5, 150}));

TEST(NumberText, ConversionsSaturateAtTheRangeOfTheirTarget) {
    EXPECT_EQ(NumberText::roundToInt16(32767.4), 32767);
    EXPECT_EQ(NumberText::roundToInt16(32767.5), 32767);
    EXPECT_EQ(NumberText::roundToInt16(1e9), 32767);
    EXPECT_EQ(NumberText::roundToInt16(-1e9), -32768);
    EXPECT_EQ(NumberText::roundToInt16(std::nan("")), 0);
    EXPECT_EQ(NumberText::roundToInt32(1e300), std::numeric_limits<qint32>::max());
    EXPECT_EQ(NumberText::roundToInt64(-1e300), std::numeric_limits<qint64>::lowest());
    EXPECT_EQ(NumberText::roundToInt64(std::numeric_limits<double>::infinity()),
              std::numeric_limits<qint64>::max());
    EXPECT_EQ(NumberText::toSingle(1e300), std::numeric_limits<float>::max());
    EXPECT_EQ(NumberText::toSingle(-1e300), -std::numeric_limits<float>::max());
    EXPECT_EQ(NumberText::toSingle(2.5), 2.5f);
}

} // namespace
