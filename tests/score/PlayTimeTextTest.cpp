#include "score/PlayTimeText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct TimeCase {
    float seconds;
    const char* text;
};
void PrintTo(const TimeCase& c, std::ostream* os) {
    *os << c.seconds;
}
class FormatPlayTimeCases : public testing::TestWithParam<TimeCase> {};

TEST_P(FormatPlayTimeCases, ShowsTheClockText) {
    EXPECT_EQ(FormatPlayTime(GetParam().seconds), QString(GetParam().text)) << GetParam().seconds;
}

INSTANTIATE_TEST_SUITE_P(Times, FormatPlayTimeCases,
                         testing::Values(TimeCase{0, "00:00:00"}, TimeCase{125.5f, "02:05.50"},
                                         TimeCase{3725, "01:02:05.00"}, TimeCase{59.6f, "01:00.00"},
                                         TimeCase{3599.6f, "01:00:00.00"},
                                         TimeCase{124.1f, "02:04.10"}, TimeCase{0.15f, "00:00.15"},
                                         TimeCase{60, "01:00.00"}, TimeCase{59.4f, "00:59.40"},
                                         TimeCase{-0.4f, "00:00.00"}, TimeCase{-30, "00:00.00"},
                                         TimeCase{36000, "10:00:00.00"},
                                         TimeCase{360000, "100:00:00.00"}));

TEST(FormatPlayTime, AbsurdValuesStillGiveAFiniteText) {
    for (float s :
         {std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
          std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        const QString text = FormatPlayTime(s);
        EXPECT_FALSE(text.contains("inf", Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_FALSE(text.contains("nan", Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_TRUE(text.contains(':'));
    }
}

TEST(PlayTimeText, RowModeShowsTheNextRowAndItsShare) {
    EXPECT_EQ(PlayTimeText::rowText(10, 40, 40), QString("(28%) 第11行 / 共40行"));
    EXPECT_EQ(PlayTimeText::rowText(0, 8, 8), QString("(12%) 第1行 / 共8行")); // 12.5 rounds to 12
    EXPECT_EQ(PlayTimeText::rowText(2, 8, 8), QString("(38%) 第3行 / 共8行")); // 37.5 rounds to 38
    EXPECT_EQ(PlayTimeText::rowText(265, 266, 266), QString("(100%) 第266行 / 共266行"));
    EXPECT_EQ(PlayTimeText::rowText(0, 0, 0), QString("(0%) 第1行 / 共0行"));
    EXPECT_EQ(PlayTimeText::rowText(std::numeric_limits<qint32>::max(), 5, 5),
              QString("(42949672960%) 第2147483648行 / 共5行"));
}

TEST(PlayTimeText, TimeModeShowsTheEndOfTheNextRow) {
    const QList<float> ends{150, 750, 900};
    EXPECT_EQ(PlayTimeText::timeText(0, ends, "00:00.90"), QString("00:00.75 / 00:00.90"));
    EXPECT_EQ(PlayTimeText::timeText(1, ends, "00:00.90"), QString("00:00.90 / 00:00.90"));
    EXPECT_EQ(PlayTimeText::timeText(2, ends, "00:00.90"), QString());
    EXPECT_EQ(PlayTimeText::timeText(-5, ends, "x"), QString());
}

TEST(PlayTimeText, TheModeIsReadFromTheShownText) {
    EXPECT_FALSE(PlayTimeText::isTimeMode("已用时间 / 总时间"));
    EXPECT_FALSE(PlayTimeText::isTimeMode("(28%) 第11行 / 共40行"));
    EXPECT_TRUE(PlayTimeText::isTimeMode("00:00.75 / 00:00.90"));
}

} // namespace
