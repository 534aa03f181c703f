#include "score/EndOfScore.h"
#include "FixedPlayingList.h"

#include <gtest/gtest.h>

namespace {

using EndOfScore::Decision;
using EndOfScore::ListMode;
using Kind = Decision::Kind;

struct Case {
    ListMode mode;
    int count;
    bool selected;
    int playing;
    double u;
    Decision expected;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << "mode " << int(c.mode) << " count " << c.count << (c.selected ? "" : " no selection")
        << " playing " << c.playing << " u " << c.u;
}
class EndOfScoreModes : public testing::TestWithParam<Case> {};

TEST_P(EndOfScoreModes, PickTheNextEntryOrStop) {
    const Case& c = GetParam();
    const FixedPlayingList list(c.count, c.selected, c.playing);
    const Decision d = EndOfScore::decide(c.mode, &list, [&] { return c.u; });
    EXPECT_EQ(d, c.expected) << int(c.mode) << " count " << c.count << " playing " << c.playing;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EndOfScoreModes,
    testing::Values(
        Case{ListMode::Loop, 0, false, -1, 0, {Kind::Next}},
        Case{ListMode::Loop, 3, true, 2, 0, {Kind::Next}},
        Case{ListMode::Random, 1, true, 0, 0.99, {Kind::PlayEntry, 0}},
        Case{ListMode::Random, 5, true, 0, 0.0, {Kind::PlayEntry, 0}},
        Case{ListMode::Random, 5, true, 0, 0.125, {Kind::PlayEntry, 0}}, // 0.5 rounds to 0
        Case{ListMode::Random, 5, true, 0, 0.375, {Kind::PlayEntry, 2}}, // 1.5 rounds to 2
        Case{ListMode::Random, 5, true, 0, 0.99, {Kind::PlayEntry, 4}},
        Case{ListMode::Random, 0, false, -1, 0.5, {}},
        Case{ListMode::Sequential, 3, true, 0, 0, {Kind::PlayEntry, 1}},
        Case{ListMode::Sequential, 3, true, 1, 0, {Kind::PlayEntry, 2}},
        Case{ListMode::Sequential, 3, true, 2, 0, {Kind::StopThenComplete}},
        Case{ListMode::Sequential, 3, true, 5, 0, {}},
        Case{ListMode::Sequential, 3, true, -1, 0, {}},
        Case{ListMode::Sequential, 3, false, 0, 0, {}},
        Case{ListMode::Sequential, 0, true, 0, 0, {}},
        Case{ListMode::Single, 3, true, 1, 0, {Kind::StopThenComplete}},
        Case{ListMode::Single, 0, false, -1, 0, {Kind::StopThenComplete}},
        Case{ListMode::SingleLoop, 3, true, 1, 0, {Kind::PlayEntry, 1}},
        Case{ListMode::SingleLoop, 3, true, 3, 0, {}}, Case{ListMode::None, 3, true, 1, 0, {}}));

TEST(EndOfScore, NoListIsAnEmptyList) {
    EXPECT_EQ(EndOfScore::decide(ListMode::Sequential, nullptr, [] { return 0.0; }), Decision{});
    EXPECT_EQ(EndOfScore::decide(ListMode::Loop, nullptr, [] { return 0.0; }),
              Decision{Kind::Next});
}

} // namespace
