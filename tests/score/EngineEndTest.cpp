// The end of a score: the playing-list mode picks what plays next, or playback stops and the
// completion action runs.
#include "EngineRig.h"
#include "FixedPlayingList.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using EndOfScore::CompletionAction;
using EndOfScore::ListMode;

// A two-row score that ends at the tick at 300 ms.
const QString kShort = QStringLiteral("?4/4\r\n$100+16");

class EngineEnd : public testing::Test {
protected:
    EngineEnd() {
        rig.engine.setPlayingList(&list);
        QObject::connect(&rig.engine, &PlaybackEngine::playEntryRequested,
                         [this](const QString& entry) {
                             entries << entry;
                             if (entry != QLatin1String("entry9.piano")) rig.load(kShort, entry);
                         });
    }
    EngineRig rig;
    FixedPlayingList list{3, true, 0};
    QStringList entries;
};

TEST_F(EngineEnd, SequentialPlaysTheNextEntryAndStopsAfterTheLast) {
    rig.engine.setListMode(ListMode::Sequential);
    rig.engine.setCompletionAction(CompletionAction::Shutdown);
    rig.load(kShort);
    rig.time.advanceToMs(300);
    EXPECT_EQ(entries, QStringList({"entry1.piano"}));
    EXPECT_TRUE(rig.engine.isTimerRunning());
    EXPECT_EQ(rig.stopRequests, 0);
    list.setPlaying(2);
    rig.time.advanceToMs(2000);
    EXPECT_EQ(entries, QStringList({"entry1.piano"}));
    EXPECT_EQ(rig.stopRequests, 1);
    EXPECT_EQ(rig.messages.texts(), QStringList({"添加代码：播放完成后关机"}));
    EXPECT_FALSE(rig.engine.isTimerRunning());
    EXPECT_EQ(rig.engine.lngCurrentRow(), 0);
}

TEST_F(EngineEnd, SingleStopsAndTellsAboutSleep) {
    rig.engine.setListMode(ListMode::Single);
    rig.engine.setCompletionAction(CompletionAction::Sleep);
    rig.load(kShort);
    rig.time.advanceToMs(2000);
    EXPECT_EQ(rig.stopRequests, 1);
    EXPECT_EQ(rig.messages.texts(), QStringList({"添加代码：播放完成后休眠"}));
    EXPECT_EQ(rig.messages.shown[0].buttons, MessageButtons::Ok);
}

TEST_F(EngineEnd, ExitProgramAsksToEndTheProgramAfterStopping) {
    rig.engine.setListMode(ListMode::Single);
    rig.engine.setCompletionAction(CompletionAction::ExitProgram);
    int stopsWhenAsked = -1;
    QObject::connect(&rig.engine, &PlaybackEngine::exitRequested,
                     [&] { stopsWhenAsked = rig.stopRequests; });
    rig.load(kShort);
    rig.time.advanceToMs(2000);
    EXPECT_EQ(stopsWhenAsked, 1);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST_F(EngineEnd, RandomWithOneEntryPlaysItAgain) {
    FixedPlayingList one(1, true, 0);
    rig.engine.setPlayingList(&one);
    rig.engine.setListMode(ListMode::Random);
    rig.load(kShort);
    rig.time.advanceToMs(950);
    EXPECT_EQ(entries, QStringList({"entry0.piano", "entry0.piano", "entry0.piano"}));
}

TEST_F(EngineEnd, RandomPicksByTheUniformNumber) {
    FixedPlayingList five(5, false, 0);
    rig.engine.setPlayingList(&five);
    rig.engine.setListMode(ListMode::Random);
    rig.engine.setRandomSource([] { return 0.375; });
    rig.load(kShort);
    rig.time.advanceToMs(300);
    EXPECT_EQ(entries, QStringList({"entry2.piano"}));
}

TEST_F(EngineEnd, SingleLoopPlaysTheSameEntryAgain) {
    list.setPlaying(1);
    rig.engine.setListMode(ListMode::SingleLoop);
    rig.load(kShort);
    rig.time.advanceToMs(650);
    EXPECT_EQ(entries, QStringList({"entry1.piano", "entry1.piano"}));
}

TEST_F(EngineEnd, AnEntryThatStartsNothingStopsPlayback) {
    FixedPlayingList ten(10, true, 8); // entry9.piano is "missing": the handler loads nothing
    rig.engine.setPlayingList(&ten);
    rig.engine.setListMode(ListMode::Sequential);
    rig.engine.setCompletionAction(CompletionAction::Shutdown);
    rig.load(kShort);
    rig.time.advanceToMs(2000);
    EXPECT_EQ(entries, QStringList({"entry9.piano"}));
    EXPECT_EQ(rig.stopRequests, 1);
    EXPECT_TRUE(rig.messages.shown.isEmpty()); // stopped, but not the end of the list
    EXPECT_FALSE(rig.engine.isTimerRunning());
}

TEST_F(EngineEnd, LoopOnAnEmptyListLeavesItToTheTransportsNext) {
    rig.engine.setPlayingList(nullptr);
    rig.engine.setListMode(ListMode::Loop);
    QSignalSpy next(&rig.engine, &PlaybackEngine::nextRequested);
    rig.load(kShort);
    rig.time.advanceToMs(2000);
    EXPECT_EQ(next.size(), 1);
    EXPECT_EQ(rig.stopRequests, 0); // the transport closed the score
    EXPECT_FALSE(rig.engine.hasScore());
}

TEST_F(EngineEnd, WithNoTransportConnectedTheEngineStillStops) {
    rig.engine.setListMode(ListMode::None);
    QObject::disconnect(&rig.engine, &PlaybackEngine::stopRequested, nullptr, nullptr);
    rig.load(kShort);
    rig.time.advanceToMs(5000);
    EXPECT_FALSE(rig.engine.isTimerRunning());
    EXPECT_FALSE(rig.time.anyTimerActive());
    EXPECT_EQ(rig.keyboard.callsOf("reset").size(), 2); // the load and the stop
}

TEST_F(EngineEnd, ASeekToTheEndEndsTheScoreAtTheNextTick) {
    rig.engine.setListMode(ListMode::Single);
    rig.load("?4/4\r\n1+4\r\n2+4\r\n3+4\r\n$100");
    rig.time.advanceToMs(700);
    rig.engine.Pause();
    rig.engine.setLngCurrentRow(rig.engine.lngTotalRow());
    rig.engine.Play();
    rig.time.advanceToMs(1300);
    EXPECT_EQ(rig.stopRequests, 1);
}

} // namespace
