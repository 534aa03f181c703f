// Practice mode in virtual time: playback waits at each note row for its key, counts the strikes,
// and lets the transport interrupt a wait.
#include "EngineRig.h"

#include <gtest/gtest.h>

namespace {

using Call = LoggedKeyboard::Call;

// X = 300 ms (the shortest code is 8): a quarter note lasts two ticks from its strike.
const QString kScore = QStringLiteral("$100\r\n?4/4\r\n1+4\r\n2+8\r\n0+4\r\n3+4\r\n");

struct PracticeModeTest : testing::Test {
    PracticeModeTest() {
        rig.engine.setListMode(EndOfScore::ListMode::Single);
        rig.engine.setPracticeMode(true);
        QObject::connect(&rig.engine, &PlaybackEngine::statusChanged,
                         [this](const QString& text) { statuses << text; });
        QObject::connect(&rig.engine, &PlaybackEngine::dueKeyChanged,
                         [this](int key) { dueKeys << key; });
        rig.load(kScore);
    }
    int due() const { return rig.engine.practice().dueKey(); }

    EngineRig rig;
    QStringList statuses;
    QList<int> dueKeys;
};

TEST_F(PracticeModeTest, EachNoteWaitsForItsKeyAndTheRestGoesOnFromTheStrike) {
    rig.time.advanceToMs(5000);
    EXPECT_EQ(due(), 39);
    EXPECT_EQ(rig.engine.practice().dueRow(), 2);
    rig.engine.keyStruck(41); // wrong: counted, nothing moves
    rig.time.advanceToMs(6000);
    EXPECT_EQ(due(), 39);
    rig.engine.keyStruck(39);
    EXPECT_EQ(due(), -1);
    rig.time.advanceToMs(6599);
    EXPECT_EQ(due(), -1);
    rig.time.advanceToMs(6600); // the quarter note's two ticks from the strike
    EXPECT_EQ(due(), 41);
    rig.engine.keyStruck(41);
    rig.time.advanceToMs(7199);
    EXPECT_EQ(rig.keyboard.callsOf("reset").size(), 1); // the load's
    rig.time.advanceToMs(8200);                         // the rest passes at its own length
    EXPECT_EQ(rig.keyboard.callsOf("rest"), QList<Call>({{7200, "rest", -1}}));
    EXPECT_EQ(due(), 43);
    rig.engine.keyStruck(43);
    rig.time.advanceToMs(10'000);
    // The user's strikes sound the notes; the engine struck none.
    EXPECT_TRUE(rig.keyboard.callsOf("strike").isEmpty());
    EXPECT_EQ(dueKeys, (QList<int>{39, -1, 41, -1, 43, -1}));
    EXPECT_EQ(rig.stopRequests, 1);
    EXPECT_EQ(statuses.last(), QString("跟弹结束：首次弹对 2 个音符，弹错 1 次"));
}

TEST_F(PracticeModeTest, PauseAsksForTheWaitingNoteAgainAndSwitchingOffPlaysIt) {
    rig.time.advanceToMs(1000);
    ASSERT_EQ(due(), 39);
    rig.engine.keyStruck(40);
    rig.engine.Pause();
    EXPECT_EQ(due(), -1);
    rig.engine.keyStruck(39); // nothing is due: neither a hit nor a wrong key
    rig.time.advanceToMs(2000);
    rig.engine.Play();
    rig.time.advanceToMs(2300);
    EXPECT_EQ(due(), 39);
    EXPECT_EQ(rig.engine.lngCurrentRow(), 2);
    rig.engine.keyStruck(39); // the miss before the pause still counts: not a first try
    EXPECT_EQ(rig.engine.practice().firstTryHits(), 0);
    EXPECT_EQ(rig.engine.practice().wrongKeys(), 1);
    rig.time.advanceToMs(2900);
    ASSERT_EQ(due(), 41);
    rig.engine.setPracticeMode(false);
    rig.time.advanceToMs(2900);
    EXPECT_EQ(rig.keyboard.callsOf("strike"), QList<Call>({{2900, "strike", 41}}));
}

TEST_F(PracticeModeTest, ASeekOrStopWhileWaitingEndsTheWait) {
    rig.time.advanceToMs(1000);
    rig.engine.setLngCurrentRow(3);
    EXPECT_EQ(due(), -1);
    rig.time.advanceToMs(1000); // the timer that rested fires at once: the rest, then "3"
    EXPECT_EQ(rig.keyboard.callsOf("rest").size(), 1);
    rig.time.advanceToMs(1500);
    EXPECT_EQ(due(), 43);
    rig.engine.Stop();
    EXPECT_EQ(due(), -1);
    EXPECT_FALSE(rig.time.anyTimerActive());
}

} // namespace
