#include "controls/VolumeModel.h"

#include <gtest/gtest.h>

namespace {

TEST(VolumeModel, StartsAt520AndClampsTo0To930) {
    VolumeModel volume;
    EXPECT_EQ(volume.Volume(), 520);
    const std::pair<int, int> cases[] = {{1000, 930}, {-5, 0}, {930, 930}, {0, 0}, {931, 930}, {465, 465}};
    for (const auto& [set, expected] : cases) {
        volume.setVolume(set);
        EXPECT_EQ(volume.Volume(), expected) << set;
    }
}

struct VolumePressCase {
    double x;
    bool moves;
    int volume;
};

void PrintTo(const VolumePressCase& c, std::ostream* os) {
    *os << "at " << c.x;
}

struct VolumePressTest : testing::TestWithParam<VolumePressCase> {};

TEST_P(VolumePressTest, ThePointerRange75To1005MapsTo0To930) {
    VolumeModel volume;
    EXPECT_EQ(volume.press(GetParam().x), GetParam().moves);
    EXPECT_EQ(volume.Volume(), GetParam().volume);
    EXPECT_TRUE(volume.isDragging());
}

INSTANTIATE_TEST_SUITE_P(Presses, VolumePressTest,
                         testing::Values(VolumePressCase{74, false, 520}, // within w/2 of the left end
                                         VolumePressCase{1006, false, 520}, VolumePressCase{75, true, 0},
                                         VolumePressCase{1005, true, 930}, VolumePressCase{595, false, 520},
                                         VolumePressCase{100.5, true, 26}, // 25.5 rounds to the even 26
                                         VolumePressCase{101.5, true, 26}));

TEST(VolumeModel, DraggingFollowsThePointerAndHoldsAtTheEnds) {
    VolumeModel volume;
    EXPECT_FALSE(volume.press(20));
    EXPECT_TRUE(volume.drag(400));
    EXPECT_EQ(volume.Volume(), 325);
    EXPECT_TRUE(volume.drag(2000));
    EXPECT_EQ(volume.Volume(), 930);
    EXPECT_TRUE(volume.drag(-50));
    EXPECT_EQ(volume.Volume(), 0);
    volume.release();
    EXPECT_FALSE(volume.drag(400));
    EXPECT_EQ(volume.Volume(), 0);
}

} // namespace
