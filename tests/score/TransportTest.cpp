// The transport over the engine in virtual time: the state table, the list buttons, seeking,
// the position label and the pause while a menu is open.
#include "TransportRig.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct Shown {
    qint32 state;
    QList<int> values; // Play, Pause, Stop
    QString status;
    bool playChecked;
    bool stopChecked;
    bool labelVisible;
    bool barEnabled;
    bool barWhite;
    bool timerRunning;
};

void expectShown(const TransportRig& t, const Shown& s) {
    EXPECT_EQ(t.transport.PlayState(), s.state);
    EXPECT_EQ(t.values().mid(0, 3), s.values);
    EXPECT_EQ(t.transport.status(), s.status);
    EXPECT_EQ(t.menus.item(MenuEntry::PlayPause)->checked(), s.playChecked);
    EXPECT_EQ(t.menus.item(MenuEntry::PlayStop)->checked(), s.stopChecked);
    EXPECT_EQ(t.transport.playedTimeVisible(), s.labelVisible);
    EXPECT_EQ(t.transport.progressEnabled(), s.barEnabled);
    EXPECT_EQ(t.transport.progressRightWhite(), s.barWhite);
    EXPECT_EQ(t.rig.engine.isTimerRunning(), s.timerRunning);
}

const Shown kPlaying{0, {0, 1, 1}, "播放中", true, false, true, true, true, true};
const Shown kPaused{1, {1, 0, 1}, "暂停中", true, false, true, true, true, false};
const Shown kStopped{2, {1, 1, 0}, "已停止", false, true, false, false, false, false};
const Shown kClosed{3, {0, 1, 1}, "已关闭", false, false, false, false, false, false};

TEST(Transport, StartsWithNoScoreAndEverythingDisabled) {
    TransportRig t;
    EXPECT_EQ(t.transport.PlayState(), Transport::NoScore);
    EXPECT_FALSE(t.transport.IsSeeking());
    EXPECT_EQ(t.values(), QList<int>({1, 1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(t.transport.buttonsEnabled());
    EXPECT_FALSE(t.transport.progressEnabled());
    EXPECT_EQ(t.transport.status(), "准备...");
}

// The loading steps show in the status text; the state that follows them must show after them,
// also when it is the state shown before the load.
TEST(Transport, TheStatusTextEndsAtTheStateAfterEveryLoad) {
    TransportRig t;
    t.load();
    QSignalSpy status(&t.transport, &Transport::statusChanged);
    t.load();
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.first().first().toString(), "打开文件...");
    EXPECT_EQ(status.last().first().toString(), "播放中");
    expectShown(t, kPlaying);
}

TEST(Transport, LoadingAScorePlaysIt) {
    TransportRig t;
    QSignalSpy enabled(&t.transport, &Transport::buttonsEnabledChanged);
    t.load();
    expectShown(t, kPlaying);
    EXPECT_EQ(enabled.size(), 1);
    EXPECT_TRUE(t.transport.buttonsEnabled());
    for (MenuEntry e : MainMenus::kNeedsScore) EXPECT_TRUE(t.menus.item(e)->enabled()) << int(e);
    // Nothing in the playing list to add to the favorites.
    EXPECT_FALSE(t.menus.item(MenuEntry::FavoritesAdd)->enabled());
}

TEST(Transport, FavoritesCanBeAddedOnlyWithEntriesInTheList) {
    TransportRig t;
    FixedPlayingList list(2, true, 0);
    t.setList(&list);
    t.load();
    EXPECT_TRUE(t.menus.item(MenuEntry::FavoritesAdd)->enabled());
}

struct Step {
    const char* name;
    std::vector<Transport::Button> buttons; // pressed after loading, in order
    Shown shown;
    friend void PrintTo(const Step& c, std::ostream* out) { *out << c.name; }
};

class TransportStates : public testing::TestWithParam<Step> {};

TEST_P(TransportStates, ShowsTheStateReached) {
    TransportRig t;
    t.load();
    for (Transport::Button button : GetParam().buttons) t.transport.clickButton(button);
    expectShown(t, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransportStates,
    testing::Values(Step{"Pause", {Transport::PauseButton}, kPaused}, Step{"PauseThenPlay", {Transport::PauseButton, Transport::PlayButton}, kPlaying},
                    Step{"Stop", {Transport::StopButton}, kStopped}, Step{"PauseThenStop", {Transport::PauseButton, Transport::StopButton}, kStopped},
                    Step{"StopThenPlay", {Transport::StopButton, Transport::PlayButton}, kPlaying}, Step{"PlayWhilePlaying", {Transport::PlayButton}, kPlaying}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Transport, TopmostFollowsTheStateAndTheSubmenu) {
    TransportRig t;
    t.menus.item(MenuEntry::TopmostWhilePlaying)->setChecked(true); // while playing
    t.load();
    t.transport.clickButton(Transport::PauseButton);
    t.menus.item(MenuEntry::TopmostWhilePlaying)->setChecked(false);
    t.menus.item(MenuEntry::TopmostAlways)->setChecked(true); // always
    t.transport.clickButton(Transport::StopButton);
    EXPECT_EQ(t.topmost, QList<bool>({true, false, true}));
}

TEST(Transport, StopThenPlayStartsAgainFromRowOne) {
    TransportRig t;
    t.load();
    ASSERT_EQ(t.playToRow(3), 3);
    QSignalSpy barValue(&t.transport, &Transport::progressValueRequested);
    t.transport.clickButton(Transport::StopButton);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 0);
    ASSERT_EQ(barValue.size(), 1);
    EXPECT_EQ(barValue[0][0].toInt(), 0);
    t.rig.time.advanceToMs(2000);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 0);
    t.transport.clickButton(Transport::PlayButton);
    EXPECT_TRUE(t.transport.progressEnabled());
    EXPECT_EQ(t.nextRow(), 1);
}

TEST(Transport, PlayPauseFromTheMenuResumesWithTheNextRow) {
    TransportRig t;
    t.load();
    ASSERT_EQ(t.playToRow(3), 3);
    t.menus.item(MenuEntry::PlayPause)->trigger();
    EXPECT_EQ(t.transport.PlayState(), Transport::Paused);
    EXPECT_EQ(t.nextRow(), 3);
    t.menus.item(MenuEntry::PlayPause)->trigger();
    EXPECT_EQ(t.transport.PlayState(), Transport::Playing);
    EXPECT_EQ(t.nextRow(), 4);
}

TEST(Transport, TheMenuStopsAndOpensTheGoToDialog) {
    TransportRig t;
    t.load();
    QSignalSpy goTo(&t.transport, &Transport::goToRequested);
    t.menus.item(MenuEntry::PlayGoTo)->trigger();
    EXPECT_EQ(goTo.size(), 1);
    t.menus.item(MenuEntry::PlayStop)->trigger();
    expectShown(t, kStopped);
}

struct ListCase {
    const char* name;
    Transport::Button button;
    int count;
    bool selected;
    int playing;
    QStringList entries;
    int closes;
    friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }
};

class TransportListButtons : public testing::TestWithParam<ListCase> {};

TEST_P(TransportListButtons, PlayTheEntryOfTheList) {
    const ListCase& c = GetParam();
    TransportRig t;
    FixedPlayingList list(c.count, c.selected, c.playing);
    t.setList(&list);
    t.load();
    t.transport.clickButton(c.button);
    EXPECT_EQ(t.entries, c.entries);
    EXPECT_EQ(t.closes, c.closes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransportListButtons,
    testing::Values(ListCase{"First", Transport::FirstButton, 3, true, 2, {"entry0.piano"}, 0},
                    ListCase{"FirstUnselected", Transport::FirstButton, 3, false, 2, {}, 0},
                    ListCase{"FirstEmpty", Transport::FirstButton, 0, true, 0, {}, 0},
                    ListCase{"PreviousFromTheFirstPlaysTheLast", Transport::PreviousButton, 3, true, 0, {"entry2.piano"}, 0},
                    ListCase{"Previous", Transport::PreviousButton, 3, true, 2, {"entry1.piano"}, 0},
                    ListCase{"PreviousOutsideTheList", Transport::PreviousButton, 3, true, 3, {}, 0},
                    ListCase{"PreviousNegative", Transport::PreviousButton, 3, true, -1, {}, 0},
                    ListCase{"NextFromTheLastPlaysTheFirst", Transport::NextButton, 3, true, 2, {"entry0.piano"}, 0},
                    ListCase{"Next", Transport::NextButton, 3, true, 0, {"entry1.piano"}, 0},
                    ListCase{"NextOutsideTheList", Transport::NextButton, 3, true, 7, {}, 0},
                    ListCase{"NextUnselectedCloses", Transport::NextButton, 3, false, 0, {}, 1},
                    ListCase{"NextEmptyCloses", Transport::NextButton, 0, false, -1, {}, 1},
                    ListCase{"Last", Transport::LastButton, 3, true, 0, {"entry2.piano"}, 0},
                    ListCase{"LastUnselected", Transport::LastButton, 3, false, 0, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Transport, NextWithAnEmptyListClosesTheScoreAndShowsReady) {
    TransportRig t;
    t.load();
    t.transport.clickButton(Transport::NextButton);
    EXPECT_EQ(t.closes, 1);
    EXPECT_EQ(t.transport.PlayState(), Transport::NoScore);
    EXPECT_EQ(t.transport.status(), "准备...");
    EXPECT_FALSE(t.transport.buttonsEnabled());
    EXPECT_FALSE(t.rig.engine.hasScore());
}

TEST(Transport, CloseLeavesNoScore) {
    TransportRig t;
    t.load();
    t.playToRow(3);
    QSignalSpy barValue(&t.transport, &Transport::progressValueRequested);
    t.transport.Close();
    expectShown(t, kClosed);
    EXPECT_FALSE(t.transport.buttonsEnabled());
    EXPECT_EQ(barValue.size(), 1);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 0);
    EXPECT_TRUE(t.rig.engine.caption().isEmpty());
    for (MenuEntry e : MainMenus::kNeedsScore) EXPECT_FALSE(t.menus.item(e)->enabled()) << int(e);
    EXPECT_FALSE(t.menus.item(MenuEntry::FavoritesAdd)->enabled());
    // A menu opening or closing now presses nothing.
    t.transport.menuOpened();
    t.transport.menuClosed();
    EXPECT_EQ(t.transport.PlayState(), Transport::NoScore);
}

TEST(Transport, SeekingPausesMovesTheDisplayAndPlaysOnFromThePosition) {
    TransportRig t;
    t.load();
    t.playToRow(2);
    const auto resetsBefore = t.rig.keyboard.callsOf("reset").size();
    t.transport.progressMouseDown();
    EXPECT_TRUE(t.transport.IsSeeking());
    EXPECT_FALSE(t.rig.engine.isTimerRunning());
    EXPECT_EQ(t.rig.keyboard.callsOf("reset").size(), resetsBefore + 1);
    t.transport.progressMouseMove(6);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 6);
    EXPECT_EQ(t.rig.engine.playedTimeText(), "(70%) 第7行 / 共10行");
    EXPECT_EQ(t.nextRow(), 6);
    t.transport.progressMouseUp(7);
    EXPECT_FALSE(t.transport.IsSeeking());
    EXPECT_EQ(t.transport.PlayState(), Transport::Playing);
    EXPECT_EQ(t.nextRow(), 8);
}

TEST(Transport, MovingWithoutAPressIsNoSeek) {
    TransportRig t;
    t.load();
    t.playToRow(2);
    t.transport.progressMouseMove(6);
    t.transport.progressMouseUp(6);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 2);
    EXPECT_TRUE(t.rig.engine.isTimerRunning());
}

TEST(Transport, DraggingToTheEndEndsTheScoreAtTheNextTick) {
    TransportRig t;
    t.load();
    t.transport.progressMouseDown();
    t.transport.progressMouseUp(10);
    EXPECT_EQ(t.transport.PlayState(), Transport::Playing);
    t.nextRow();
    // The single mode stops after the score.
    EXPECT_EQ(t.transport.PlayState(), Transport::Stopped);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 0);
}

TEST(Transport, TheEndOfTheScoreGoesOnWithTheList) {
    TransportRig t;
    FixedPlayingList list(3, true, 0);
    t.setList(&list);
    t.rig.engine.setListMode(EndOfScore::ListMode::Loop);
    t.load();
    t.transport.progressMouseDown();
    t.transport.progressMouseUp(10);
    t.nextRow();
    EXPECT_EQ(t.entries, QStringList({"entry1.piano"}));
}

TEST(Transport, ClickingThePositionTwiceReturnsToItsMode) {
    TransportRig t;
    t.load();
    t.playToRow(3);
    t.transport.clickButton(Transport::PauseButton);
    // The tick cut short by the pause finishes at once, in virtual time too.
    t.rig.time.advanceByMs(0);
    const QString rows = t.rig.engine.playedTimeText();
    ASSERT_TRUE(rows.endsWith("行 / 共10行")) << rows.toStdString();
    t.transport.playedTimeClicked();
    EXPECT_TRUE(t.rig.engine.playedTimeText().contains(':'));
    t.transport.playedTimeClicked();
    EXPECT_EQ(t.rig.engine.playedTimeText(), rows);
}

TEST(Transport, AnOpenMenuPausesAndClosingItPlaysAgain) {
    TransportRig t;
    t.load();
    t.playToRow(2);
    t.transport.menuOpened();
    EXPECT_EQ(t.transport.PlayState(), Transport::Paused);
    EXPECT_EQ(t.nextRow(), 2);
    t.transport.menuClosed();
    EXPECT_EQ(t.transport.PlayState(), Transport::Playing);
    EXPECT_EQ(t.nextRow(), 3);
}

TEST(Transport, AMenuLeavesAStoppedScoreStopped) {
    TransportRig t;
    t.load();
    t.transport.clickButton(Transport::StopButton);
    t.transport.menuOpened();
    t.transport.menuClosed();
    EXPECT_EQ(t.transport.PlayState(), Transport::Stopped);
}

TEST(Transport, TheCompletionSubmenuChecksOnlyTheClickedItem) {
    TransportRig t;
    t.menus.item(MenuEntry::CompletedNothing)->setChecked(true);
    t.menus.item(MenuEntry::CompletedSleep)->trigger();
    QList<bool> checks;
    for (MenuEntry e : MainMenus::kCompletionActions) checks << t.menus.item(e)->checked();
    EXPECT_EQ(checks, QList<bool>({false, true, false, false}));
    EXPECT_EQ(t.rig.engine.completionAction(), EndOfScore::CompletionAction::Sleep);
    t.menus.item(MenuEntry::CompletedNothing)->trigger();
    EXPECT_EQ(t.rig.engine.completionAction(), EndOfScore::CompletionAction::Nothing);
    EXPECT_EQ(Transport::completionAction(-1), EndOfScore::CompletionAction::None);
}

} // namespace
