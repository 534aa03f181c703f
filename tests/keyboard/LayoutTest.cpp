#include "core/NoteTable.h"
#include "keyboard/BottomContainerLayout.h"
#include "keyboard/KeyGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyGeometryTest, WhiteKeysOverlapByOnePixelAndSpanTheKeyboard) {
    int whites = 0;
    int previousRight = -1;
    for (int i = 0; i < 88; ++i) {
        if (NoteTable::isBlackKey(i)) continue;
        const QRect r = KeyGeometry::keyRect(i);
        EXPECT_EQ(r, QRect(240 + 240 * whites, 1380, 255, 1035)) << i;
        if (previousRight >= 0) {
            EXPECT_EQ(previousRight - r.left(), 15) << i;
        }
        previousRight = r.left() + r.width();
        ++whites;
    }
    EXPECT_EQ(whites, 52);
    EXPECT_EQ(KeyGeometry::keyboardRect(), QRect(240, 1380, 12735 - 240, 1035));
}

TEST(KeyGeometryTest, BlackKeysSitOnTheBoundaryLeftOfTheirRightNeighbour) {
    int blacks = 0;
    for (int i = 0; i < 88; ++i) {
        if (!NoteTable::isBlackKey(i)) continue;
        ++blacks;
        const QRect r = KeyGeometry::keyRect(i);
        EXPECT_EQ(r.left(), KeyGeometry::keyRect(i + 1).left() - 60) << i;
        EXPECT_EQ(r.size(), QSize(135, 615)) << i;
        EXPECT_EQ(r.top(), 1380);
    }
    EXPECT_EQ(blacks, 36);
    EXPECT_EQ(KeyGeometry::keyRect(1), QRect(420, 1380, 135, 615));
    EXPECT_EQ(KeyGeometry::keyRect(85), QRect(12240 - 60, 1380, 135, 615));
    EXPECT_TRUE(KeyGeometry::keyRect(-1).isEmpty());
    EXPECT_TRUE(KeyGeometry::keyRect(88).isEmpty());
}

using Layout = BottomContainerLayout;

Layout::Input input(bool progress, bool control, bool list, bool status) {
    Layout::Input in;
    in.windowWidth = 13050;
    in.innerHeight = 6000;
    in.barHeight = {255, 495, 2400, 330};
    in.visible = {progress, control, list, status};
    in.muteWidth = 300;
    in.muteHeight = 285;
    return in;
}

int top(const Layout& l, Layout::Bar bar) {
    return l.bars[bar].top();
}

TEST(BottomContainerLayoutTest, WithAllBarsHiddenTheContainerIsEmptyAtTheBottom) {
    const Layout l = Layout::compute(input(false, false, false, false));
    EXPECT_EQ(l.container, QRect(0, 6000, 13050, 0));
}

TEST(BottomContainerLayoutTest, TheScoreBarSitsOnTopAndMovesTheOtherBarsDown) {
    Layout::Input in = input(false, true, false, true);
    const Layout without = Layout::compute(in);
    in.barHeight[Layout::Score] = 2700;
    in.visible[Layout::Score] = true;
    const Layout with = Layout::compute(in);
    EXPECT_EQ(with.container, QRect(0, 6000 - 2700 - 495 - 330, 13050, 2700 + 495 + 330));
    EXPECT_EQ(with.bars[Layout::Score], QRect(0, 0, 13050, 2700));
    for (const Layout::Bar bar : {Layout::Progress, Layout::Control, Layout::List, Layout::Status})
        EXPECT_EQ(with.bars[bar], without.bars[bar].translated(0, 2700)) << bar;
    EXPECT_EQ(with.volume, without.volume);
}

TEST(BottomContainerLayoutTest, ASingleBarFillsTheContainer) {
    for (const Layout::Bar bar :
         {Layout::Progress, Layout::Control, Layout::List, Layout::Status}) {
        Layout::Input in = input(false, false, false, false);
        in.visible[bar] = true;
        const Layout l = Layout::compute(in);
        EXPECT_EQ(l.container.height(), in.barHeight[bar]) << bar;
        EXPECT_EQ(l.container.top(), 6000 - in.barHeight[bar]) << bar;
        EXPECT_EQ(top(l, bar), 0) << bar;
    }
}

struct StackCase {
    bool progress, control, list, status;
    int controlTop, listTop, statusTop, height;
};

void PrintTo(const StackCase& c, std::ostream* os) {
    *os << (c.progress ? "P" : "-") << (c.control ? "C" : "-") << (c.list ? "L" : "-")
        << (c.status ? "S" : "-");
}

class BarStackTest : public testing::TestWithParam<StackCase> {};

TEST_P(BarStackTest, VisibleBarsStackWithoutGaps) {
    const StackCase& c = GetParam();
    const Layout l = Layout::compute(input(c.progress, c.control, c.list, c.status));
    EXPECT_EQ(l.container.height(), c.height);
    if (c.control) {
        EXPECT_EQ(top(l, Layout::Control), c.controlTop);
    }
    if (c.list) {
        EXPECT_EQ(top(l, Layout::List), c.listTop);
    }
    if (c.status) {
        EXPECT_EQ(top(l, Layout::Status), c.statusTop);
    }
}

INSTANTIATE_TEST_SUITE_P(Combinations, BarStackTest,
                         testing::Values(StackCase{true, true, true, true, 255, 750, 3150, 3480},
                                         StackCase{false, true, true, true, 0, 495, 2895, 3225},
                                         StackCase{true, false, true, true, 0, 255, 2655, 2985},
                                         StackCase{true, true, false, true, 255, 0, 750, 1080},
                                         StackCase{false, true, false, true, 0, 0, 495, 825},
                                         StackCase{false, false, true, true, 0, 0, 2400, 2730},
                                         StackCase{true, false, false, true, 0, 0, 255, 585}));

TEST(BottomContainerLayoutTest, TheProgressBarLeavesRoomAtTheRight) {
    const Layout l = Layout::compute(input(true, false, false, false));
    EXPECT_EQ(l.bars[Layout::Progress], QRect(0, 0, 13050 - 80, 255));
}

TEST(BottomContainerLayoutTest, TheVolumeSliderKeepsItsDistanceFromTheRightEnd) {
    Layout::Input in = input(false, true, false, false);
    for (const int width : {13050, 20000}) {
        in.windowWidth = width;
        const Layout l = Layout::compute(in);
        EXPECT_EQ(l.bars[Layout::Control].width(), width);
        EXPECT_EQ(l.volume.left(), width - 1095 - 200);
        EXPECT_EQ(l.volume.size(), QSize(1095, 315));
        EXPECT_EQ(l.mute.left() + l.mute.width(), l.volume.left());
        EXPECT_EQ(l.mute.width(), 300);
    }
}

} // namespace
