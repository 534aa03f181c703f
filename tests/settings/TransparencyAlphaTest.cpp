#include "settings/TransparencyAlpha.h"

#include <gtest/gtest.h>

namespace {

struct AlphaCase {
    int percent, alpha;
    friend void PrintTo(const AlphaCase& c, std::ostream* out) { *out << c.percent; }
};

class TransparencyAlphaTest : public testing::TestWithParam<AlphaCase> {};

TEST_P(TransparencyAlphaTest, RoundsHalvesToEvenAndStaysInsideTheByte) {
    EXPECT_EQ(TransparencyAlpha::forPercent(GetParam().percent), GetParam().alpha);
}

// 50 gives 127.5 and 99 gives 2.55: the halves go to the even neighbour.
INSTANTIATE_TEST_SUITE_P(Percents, TransparencyAlphaTest,
                         testing::Values(AlphaCase{0, 255}, AlphaCase{50, 128}, AlphaCase{99, 3},
                                         AlphaCase{1, 252}, AlphaCase{100, 0}, AlphaCase{-28, 255},
                                         AlphaCase{228, 0}, AlphaCase{-100000, 255},
                                         AlphaCase{100000, 0}));

TEST(TransparencyAlpha, PercentsFromTheFileAreBroughtInto0To99) {
    EXPECT_EQ(TransparencyAlpha::clampPercent(-1), 0);
    EXPECT_EQ(TransparencyAlpha::clampPercent(0), 0);
    EXPECT_EQ(TransparencyAlpha::clampPercent(99), 99);
    EXPECT_EQ(TransparencyAlpha::clampPercent(100), 99);
    EXPECT_EQ(TransparencyAlpha::clampPercent(32767), 99);
}

} // namespace
