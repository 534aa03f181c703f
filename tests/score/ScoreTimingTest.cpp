#include "score/ScoreTiming.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct TickCase {
    qint16 tempo, beatUnit;
    float maxCode;
    float tick;
    qint32 interval;
};
void PrintTo(const TickCase& c, std::ostream* os) {
    *os << "tempo " << c.tempo << " unit " << c.beatUnit << " max " << c.maxCode;
}
class TickLength : public testing::TestWithParam<TickCase> {};

TEST_P(TickLength, IsTheLengthOfTheShortestNoteAndAlwaysFinite) {
    const TickCase& c = GetParam();
    const float x = ScoreTiming::tickLength({c.tempo, c.beatUnit}, c.maxCode);
    EXPECT_FLOAT_EQ(x, c.tick) << c.tempo << " " << c.beatUnit << " " << c.maxCode;
    EXPECT_TRUE(std::isfinite(x));
    EXPECT_EQ(ScoreTiming::timerInterval(x), c.interval);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, TickLength,
    testing::Values(TickCase{100, 4, 16, 150, 150}, // the sample score
                    TickCase{100, 4, 8, 300, 300},  // metre 3/4, largest code 8
                    TickCase{120, 4, 4, 500, 500}, TickCase{90, 4, 6, 444.44444f, 444},
                    TickCase{100, 0, 16, 0, 1},   // no "/" in the metre: 0 ms, timer 1 ms
                    TickCase{100, -4, 16, 0, 1},  // a negative beat unit counts as 0
                    TickCase{0, 4, 16, 150, 150}, // no tempo: 100 beats a minute
                    TickCase{-60, 4, 16, 150, 150},
                    TickCase{100, 4, -1, 600, 600}, // no positive code: a tick is a beat
                    TickCase{60, 4, 0, 1000, 1000}, TickCase{0, 0, 0, 600, 600},
                    TickCase{32767, 4, 16, 0.45777765f, 1},
                    TickCase{1, 32767, 1e-30f, 3.4028235e38f, 2147483647}));

TEST(ScoreTiming, HalfMillisecondsRoundToEven) {
    EXPECT_EQ(ScoreTiming::timerInterval(150.5f), 150);
    EXPECT_EQ(ScoreTiming::timerInterval(151.5f), 152);
    EXPECT_EQ(ScoreTiming::timerInterval(0.4f), 1);
}

TEST(ScoreTiming, RowEndTimesCountCodesOfEveryRowAndOneTickOtherwise) {
    QList<ScoreRow> rows;
    const auto add = [&](float code, qint16 key) { rows.append({QString(), code, key}); };
    add(-1, 9999); // header row without "+": one tick
    add(4, 39);    // 16 / 4 = 4 ticks
    add(0, 9999);  // blank row: one tick
    add(16, -1);   // rest: one tick
    add(8, 9999);  // a header row with a code counts its code: two ticks
    add(-8, 39);   // a negative code: one tick
    add(0, 9999);  // the empty last row
    const QList<float> ends = ScoreTiming::rowEndTimes(rows, 16, 150);
    EXPECT_EQ(ends, QList<float>({150, 750, 900, 1050, 1350, 1500, 1650}));
}

TEST(ScoreTiming, RowEndTimesSaturateInsteadOfOverflowing) {
    QList<ScoreRow> rows(3, ScoreRow{QString(), 1e-30f, 39});
    const QList<float> ends = ScoreTiming::rowEndTimes(rows, 3e38f, 3e38f);
    for (float t : ends)
        EXPECT_TRUE(std::isfinite(t));
}

struct HoldCase {
    float maxCode, code;
    qint32 interval;
    qint32 hold;
};
void PrintTo(const HoldCase& c, std::ostream* os) {
    *os << c.maxCode << " / " << c.code;
}
class Hold : public testing::TestWithParam<HoldCase> {};

TEST_P(Hold, LastsTheRowsLengthLessTheTickItIsStruckIn) {
    const HoldCase& c = GetParam();
    EXPECT_EQ(ScoreTiming::holdMilliseconds(c.maxCode, c.code, c.interval), c.hold)
        << c.maxCode << " / " << c.code;
}

INSTANTIATE_TEST_SUITE_P(Notes, Hold,
                         testing::Values(HoldCase{16, 4, 150, 450}, HoldCase{16, 8, 150, 150},
                                         HoldCase{16, 16, 150,
                                                  150}, // the shortest code holds one interval
                                         HoldCase{16, 2, 150, 1050}, HoldCase{16, 12, 150, 50},
                                         HoldCase{16, 2.667f, 150, 750}, HoldCase{16, 0, 150, 0},
                                         HoldCase{16, -1, 150, 0}, HoldCase{-1, -1, 150, 0},
                                         HoldCase{16, 0.75f, 150, 3050}, HoldCase{3, 2, 5, 2},
                                         HoldCase{16, 1e-30f, 2147483647, 2147483647}));

} // namespace
