#include "controls/TrackerModel.h"

#include <gtest/gtest.h>

namespace {

// A bar 1000 units wide with a 150-unit thumb: the thumb's left edge runs over C = 850.
struct TrackerModelTest : testing::Test {
    TrackerModel bar;
    void SetUp() override {
        bar.setGeometry(1000, 150);
        bar.setMax(100);
    }
};

TEST(TrackerModelDefaults, AreThoseOfANewControl) {
    TrackerModel bar;
    EXPECT_EQ(bar.Value(), 1000);
    EXPECT_EQ(bar.Max(), 8520);
}

struct ValueCase {
    int set;
    int value;
    double thumb;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << "set " << c.set;
}

struct TrackerValueTest : TrackerModelTest, testing::WithParamInterface<ValueCase> {};

TEST_P(TrackerValueTest, IsClampedAndPlacesTheThumbRoundedHalfToEven) {
    bar.setValue(GetParam().set);
    EXPECT_EQ(bar.Value(), GetParam().value);
    EXPECT_EQ(bar.thumbLeft(), GetParam().thumb);
}

INSTANTIATE_TEST_SUITE_P(Values, TrackerValueTest,
                         testing::Values(ValueCase{-5, 0, 0}, ValueCase{101, 100, 850}, ValueCase{100, 100, 850},
                                         ValueCase{0, 0, 0}, ValueCase{50, 50, 425},
                                         ValueCase{1, 1, 8},    // 8.5 rounds to the even 8
                                         ValueCase{3, 3, 26})); // 25.5 rounds to the even 26

TEST_F(TrackerModelTest, AMaxOfOneUsesTheWholeRange) {
    bar.setMax(1);
    bar.setValue(1);
    EXPECT_EQ(bar.thumbLeft(), 850);
    bar.setValue(0);
    EXPECT_EQ(bar.thumbLeft(), 0);
}

TEST_F(TrackerModelTest, ANegativeOrZeroMaxPinsEverythingAtZero) {
    bar.setValue(60);
    bar.setMax(-3);
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(bar.thumbLeft(), 0);
    EXPECT_FALSE(bar.press(500));
    EXPECT_FALSE(bar.drag(700));
    EXPECT_EQ(bar.thumbLeft(), 0);
}

TEST_F(TrackerModelTest, ShrinkingMaxClampsTheValue) {
    bar.setValue(80);
    bar.setMax(40);
    EXPECT_EQ(bar.Value(), 40);
    EXPECT_EQ(bar.thumbLeft(), 850);
}

struct PressCase {
    double x;
    bool moves;
    double thumb;
    int value;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << "at " << c.x;
}

struct TrackerPressTest : TrackerModelTest, testing::WithParamInterface<PressCase> {};

TEST_P(TrackerPressTest, GrabsTheThumbByItsMiddleOnlyInsideTheGripRange) {
    bar.setValue(50);
    EXPECT_EQ(bar.press(GetParam().x), GetParam().moves);
    EXPECT_EQ(bar.thumbLeft(), GetParam().thumb);
    EXPECT_EQ(bar.Value(), GetParam().value);
    EXPECT_TRUE(bar.isDragging());
}

INSTANTIATE_TEST_SUITE_P(Presses, TrackerPressTest,
                         testing::Values(PressCase{74.9, false, 425, 50},  // closer than w/2 to the left end
                                         PressCase{925.1, false, 425, 50}, // closer than w/2 to the right end
                                         PressCase{75, true, 0, 0}, PressCase{925, true, 850, 100},
                                         PressCase{75.6, true, 0, 0}, // below one unit: drawn at 0
                                         PressCase{300, true, 225, 26})); // 26.47 rounds to 26

TEST_F(TrackerModelTest, APressAtTheSamePlaceIsNoNewPosition) {
    bar.setValue(50);
    EXPECT_FALSE(bar.press(500)); // thumb 425, value 50: where it already was
}

TEST_F(TrackerModelTest, ADragAfterAPressNearTheEndMovesTheThumb) {
    bar.setValue(50);
    EXPECT_FALSE(bar.press(10));
    EXPECT_TRUE(bar.drag(300));
    EXPECT_EQ(bar.thumbLeft(), 225);
    EXPECT_EQ(bar.Value(), 26); // 225 / 850 × 100 = 26.47
}

TEST_F(TrackerModelTest, DraggingBeyondTheEndsHoldsTheThumbAtTheEnd) {
    bar.setValue(50);
    bar.press(500);
    EXPECT_TRUE(bar.drag(5000)); // one fast move far past the end
    EXPECT_EQ(bar.thumbLeft(), 850);
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_FALSE(bar.drag(6000));
    EXPECT_TRUE(bar.drag(-400));
    EXPECT_EQ(bar.thumbLeft(), 0);
    EXPECT_EQ(bar.Value(), 0);
}

TEST_F(TrackerModelTest, MovesWithoutAPressOrAfterTheReleaseDoNothing) {
    bar.setValue(50);
    EXPECT_FALSE(bar.drag(300));
    bar.press(300);
    bar.release();
    EXPECT_FALSE(bar.isDragging());
    EXPECT_FALSE(bar.drag(600));
    EXPECT_EQ(bar.Value(), 26);
}

TEST_F(TrackerModelTest, ResizingKeepsTheThumbAtItsValuesPlace) {
    bar.setValue(50);
    bar.setGeometry(2150, 150); // C = 2000
    EXPECT_EQ(bar.thumbLeft(), 1000);
    bar.setGeometry(0, 150); // hidden: no room at all, and back again
    EXPECT_EQ(bar.thumbLeft(), 0);
    bar.setGeometry(1000, 150);
    EXPECT_EQ(bar.thumbLeft(), 425);
    EXPECT_EQ(bar.Value(), 50);
}

TEST_F(TrackerModelTest, ABarNarrowerThanItsThumbCannotBeDragged) {
    bar.setGeometry(100, 150);
    bar.setValue(70);
    EXPECT_EQ(bar.thumbLeft(), 0);
    EXPECT_FALSE(bar.press(50));
    EXPECT_FALSE(bar.drag(90));
    EXPECT_EQ(bar.Value(), 70);
}

} // namespace
