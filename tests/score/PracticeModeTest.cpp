// Practice mode in virtual time, played through the live keyboard as a player plays it: the score
// waits at each note for its key, takes a right key struck before the note is due, counts wrong
// keys, and lets the transport interrupt a wait.
#include "EngineRig.h"

#include <gtest/gtest.h>

namespace {

struct Strike {
    qint64 ms;
    int key;
};

struct PracticeModeTest : testing::Test {
    PracticeModeTest() {
        rig.engine.setListMode(EndOfScore::ListMode::Single);
        rig.engine.setPracticeMode(true);
        QObject::connect(&rig.live, &LiveKeyboard::noteStruck, &rig.engine,
                         &PlaybackEngine::keyStruck);
        QObject::connect(&rig.engine, &PlaybackEngine::practiceFinished,
                         [this](const PracticeRun& run) { runs << run; });
    }
    // A key pressed and let go, as from the computer keyboard.
    void strike(const Strike& s) {
        rig.time.advanceToMs(s.ms);
        rig.live.press(s.key, 100);
        rig.live.release(s.key);
    }
    const PracticeMode& practice() const { return rig.engine.practice(); }

    EngineRig rig;
    QList<PracticeRun> runs;
};

// 1+4 2+8 3+8 5+2 at $120: the tick is 250 ms and the written lengths are 500, 250, 250 and
// 1000 ms. The first note is due at 500 ms (row 0 is never played, row 1 takes a tick).
const QString kMelody = QStringLiteral("$120\r\n?4/4\r\n1+4\r\n2+8\r\n3+8\r\n5+2\r\n");
struct MelodyNote {
    qint32 row;
    int key;
    qint64 writtenMs;
};
const MelodyNote kNotes[] = {{2, 39, 500}, {3, 41, 250}, {4, 43, 250}, {5, 46, 1000}};

class PracticeTiming : public PracticeModeTest, public testing::WithParamInterface<double> {};

// Each note struck `factor` times the written length of the one before after it: a player ahead
// of the score as much as one behind it is followed, note by note.
TEST_P(PracticeTiming, EveryStrikeOfTheRightKeyTakesItsNoteAtOnce) {
    rig.load(kMelody);
    qint64 at = 1000;
    for (std::size_t i = 0; i < std::size(kNotes); ++i) {
        if (i > 0) at += qint64(GetParam() * double(kNotes[i - 1].writtenMs));
        strike({at, kNotes[i].key});
        EXPECT_EQ(rig.engine.lngCurrentRow(), kNotes[i].row) << "note " << i << " at " << at;
        EXPECT_EQ(practice().tally().notes(), int(i) + 1) << "note " << i;
    }
    rig.time.advanceToMs(at + 2000);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].notes, 4);
    EXPECT_EQ(runs[0].rightFirstTime, 4);
    EXPECT_EQ(runs[0].wrongStrikes, 0);
    EXPECT_EQ(rig.stopRequests, 1);
    // The player's strikes sounded the notes; the score struck none itself.
    EXPECT_TRUE(rig.keyboard.callsOf("strike").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(WrittenLengthTimes, PracticeTiming,
                         testing::Values(0.3, 0.5, 0.9, 1.0, 1.1, 1.5, 1.8, 2.0),
                         [](const auto& info) {
                             return "x" + std::to_string(int(info.param * 10)) + "tenths";
                         });

// 1+4 0+4 2+8 3+8: note 1 is struck at 1000 ms and lasts until 1500, the rest until 2000, when
// note 2 is due.
const QString kWithRest = QStringLiteral("$120\r\n?4/4\r\n1+4\r\n0+4\r\n2+8\r\n3+8\r\n");

struct StrikeCase {
    const char* name;
    QList<Strike> strikes;
    // The row of the note asked for after each strike; -1 when none follows.
    QList<qint32> dueAfter;
    int rightFirstTime;
    int wrongKeys;
    int restsPlayed;
    friend void PrintTo(const StrikeCase& c, std::ostream* out) { *out << c.name; }
};

class PracticeStrikes : public PracticeModeTest, public testing::WithParamInterface<StrikeCase> {};

TEST_P(PracticeStrikes, TheScoreGoesOnOnlyFromARightKey) {
    const StrikeCase& c = GetParam();
    rig.load(kWithRest);
    for (qsizetype i = 0; i < c.strikes.size(); ++i) {
        const qint32 due = practice().dueRow();
        const bool right = c.strikes[i].key == practice().dueKey();
        strike(c.strikes[i]);
        EXPECT_EQ(practice().dueRow(), c.dueAfter[i]) << "strike " << i;
        // A right key: the score stands at the struck note, whatever it played before.
        if (right) {
            EXPECT_EQ(rig.engine.lngCurrentRow(), due) << "strike " << i;
        }
    }
    // The end of the score stops playing, which starts a new count: the run reports this one.
    rig.time.advanceToMs(6000);
    EXPECT_EQ(rig.keyboard.callsOf("rest").size(), c.restsPlayed);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].rightFirstTime, c.rightFirstTime);
    EXPECT_EQ(runs[0].wrongStrikes, c.wrongKeys);
}

INSTANTIATE_TEST_SUITE_P(
    RestsAndWrongKeys, PracticeStrikes,
    testing::Values(
        StrikeCase{"OnTime", {{1000, 39}, {2100, 41}, {2600, 43}}, {4, 5, -1}, 3, 0, 1},
        StrikeCase{"DuringTheRest", {{1000, 39}, {1700, 41}, {1950, 43}}, {4, 5, -1}, 3, 0, 1},
        // The rest before the note is passed over: it never sounds.
        StrikeCase{"DuringTheNoteBeforeTheRest",
                   {{1000, 39}, {1200, 41}, {1400, 43}},
                   {4, 5, -1},
                   3,
                   0,
                   0},
        StrikeCase{"BeforeTheFirstNoteIsDue",
                   {{100, 39}, {700, 41}, {1500, 43}},
                   {4, 5, -1},
                   3,
                   0,
                   1},
        StrikeCase{"WrongKeysWhileTheNoteBeforeSounds",
                   {{1000, 39}, {1100, 50}, {1200, 50}, {1300, 41}, {2500, 43}},
                   {4, 4, 4, 5, -1},
                   2,
                   2,
                   0},
        StrikeCase{"AWrongKeyWhileTheScoreWaits",
                   {{1000, 39}, {2100, 40}, {2200, 41}, {2300, 43}},
                   {4, 4, 5, -1},
                   2,
                   1,
                   1},
        // After the last note nothing is due: a key counts neither way.
        StrikeCase{"AfterTheLastNote",
                   {{1000, 39}, {1300, 41}, {1500, 43}, {1600, 50}},
                   {4, 5, -1, -1},
                   3,
                   0,
                   0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PracticeModeTest, PauseAsksForTheWaitingNoteAgainAndSwitchingOffPlaysIt) {
    rig.load(kWithRest);
    rig.time.advanceToMs(1000);
    ASSERT_TRUE(practice().isWaiting());
    strike({1000, 40});
    rig.engine.Pause();
    EXPECT_EQ(practice().dueKey(), -1);
    strike({1100, 39}); // paused: neither a hit nor a wrong key
    EXPECT_EQ(practice().tally().wrongKeys(), 1);
    rig.time.advanceToMs(2000);
    rig.engine.Play();
    EXPECT_EQ(practice().dueKey(), 39); // asked for again as soon as playing goes on
    rig.time.advanceToMs(2250);
    EXPECT_TRUE(practice().isWaiting());
    EXPECT_EQ(rig.engine.lngCurrentRow(), 2);
    strike({2300, 39}); // the miss before the pause still counts: not a first try
    EXPECT_EQ(practice().tally().rightFirstTime(), 0);
    EXPECT_EQ(practice().tally().wrongKeys(), 1);
    rig.time.advanceToMs(3300); // past the rest: note 2 waits
    ASSERT_TRUE(practice().isWaiting());
    rig.engine.setPracticeMode(false);
    rig.time.advanceToMs(3300);
    EXPECT_EQ(rig.keyboard.callsOf("strike"), QList<LoggedKeyboard::Call>({{3300, "strike", 41}}));
}

TEST_F(PracticeModeTest, ASeekOrStopEndsTheWaitAndTheNoteAfterTheNewPlaceIsDue) {
    rig.load(kWithRest);
    rig.time.advanceToMs(1000);
    rig.engine.setLngCurrentRow(3);
    EXPECT_FALSE(practice().isWaiting());
    EXPECT_EQ(practice().dueRow(), 4);
    rig.time.advanceToMs(1000); // the timer that rested fires at once: "2+8" comes next
    EXPECT_TRUE(practice().isWaiting());
    EXPECT_EQ(practice().dueKey(), 41);
    rig.engine.Stop();
    EXPECT_EQ(practice().dueKey(), -1);
    EXPECT_FALSE(rig.time.anyTimerActive());
}

} // namespace
