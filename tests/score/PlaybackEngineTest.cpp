// The engine in virtual time: the notes it sounds, with their times, against the nominal
// schedule of the score, and the transport's commands in the middle of a hold.
#include "EngineRig.h"

#include <gtest/gtest.h>

namespace {

using Sound = EngineRig::Sound;
using Call = LoggedKeyboard::Call;

// Note numbers with the key of C (shift 36): "1" is key 39, note 72.
constexpr int n1 = 72, n2 = 74, n3 = 76, n5 = 79, n6 = 81, n3up = 88;

TEST(PlaybackEngine, SoundsEveryRowOnItsNominalSchedule) {
    EngineRig rig;
    rig.engine.setListMode(EndOfScore::ListMode::Single);
    // X = 150 ms. A row of code d lasts 16 / d ticks, the shortest code two ticks (it holds one
    // interval like code 8); every other row one tick.
    ASSERT_EQ(rig.load("$100\r\n?4/4\r\n1+4\r\n2+8\r\n\r\n3+16\r\n0+4\r\n5\r\n5+16\r\n5+16\r\n"
                       "3.+i\r\n0\r\n6+2\r\n"),
              14);
    EXPECT_EQ(rig.engine.score().interval, 150);
    rig.time.advanceToMs(10'000);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 300, 900},
                                          {n2, 900, 1350}, // lengthened by the blank row
                                          {n3, 1350, 1650},
                                          {n5, 2250, 2400},
                                          {n5, 2400, 2700}, // a repeated note is struck again
                                          {n5, 2700, 3000},
                                          {n3up, 3000, 3150},  // code 0: one tick
                                          {n6, 3300, 4650}})); // until the end stops playback
    EXPECT_EQ(rig.keyboard.callsOf("released"), QList<Call>({{750, "released", 39},
                                                             {1050, "released", 41},
                                                             {1500, "released", 43},
                                                             {2250, "released", 46},
                                                             {2550, "released", 46},
                                                             {2850, "released", 46},
                                                             {3000, "released", 55},
                                                             {4350, "released", 48}}));
    EXPECT_EQ(rig.stopRequests, 1);
    EXPECT_FALSE(rig.engine.isTimerRunning());
    EXPECT_FALSE(rig.time.anyTimerActive());
}

TEST(PlaybackEngine, TheFirstRowIsNeverSounded) {
    EngineRig rig;
    rig.load("1+4\r\n2+4");
    rig.time.advanceToMs(5000);
    ASSERT_EQ(rig.sounds().size(), 1);
    EXPECT_EQ(rig.sounds()[0].note, n2);
}

TEST(PlaybackEngine, InstrumentAndKeyChangeAtTheFirstNoteAfterTheirRows) {
    EngineRig rig;
    rig.engine.setListMode(EndOfScore::ListMode::Single);
    // Tempo and metre hold for the whole score wherever they stand.
    rig.load("?4/4\r\n%2\r\n1+16\r\n%5\r\n!D\r\n'comment\r\n1+16\r\n%300\r\n1+16\r\n$100\r\n");
    rig.time.advanceToMs(5000);
    EXPECT_EQ(rig.programChanges(), (QList<std::pair<qint64, int>>{{300, 2}, {1050, 5}}));
    EXPECT_EQ(rig.sound.instrumentIndex(), 5); // instrument 300 is not in the list: passed over
    EXPECT_EQ(rig.sound.intYindiao(), 38);
    EXPECT_EQ(rig.sounds(),
              QList<Sound>({{n1, 300, 1050}, {n1 + 2, 1050, 1500}, {n1 + 2, 1500, 2100}}));
}

TEST(PlaybackEngine, CaptionsShowFromTheFirstNoteAfterThem) {
    EngineRig rig;
    QStringList shown;
    QObject::connect(&rig.engine, &PlaybackEngine::captionChanged,
                     [&](const QString& t) { shown << t; });
    rig.load("?4/4\r\n#first+4\r\n1+16\r\n#second\r\n\r\n2+16\r\n$100\r\n");
    EXPECT_EQ(rig.engine.caption(), QString());
    rig.time.advanceToMs(300);
    EXPECT_EQ(rig.engine.caption(), QString("first"));
    rig.time.advanceToMs(600); // the "#second" row itself changes nothing
    EXPECT_EQ(rig.engine.caption(), QString("first"));
    rig.time.advanceToMs(900);
    EXPECT_EQ(rig.engine.caption(), QString("second"));
    EXPECT_EQ(shown, QStringList({"first", "second"}));
}

TEST(PlaybackEngine, PausingDuringAHoldSilencesAtOnceAndPlayGoesOnWithTheNextRow) {
    EngineRig rig;
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+16\r\n");
    rig.time.advanceToMs(500); // row 2 struck at 300, held until 750
    ASSERT_TRUE(rig.engine.isHolding());
    rig.engine.Pause();
    rig.time.advanceByMs(0);
    EXPECT_FALSE(rig.engine.isHolding());
    EXPECT_EQ(rig.keyboard.calls.last(), (Call{500, "released", 39}));
    EXPECT_EQ(rig.engine.lngCurrentRow(), 2);
    rig.time.advanceToMs(1000);
    EXPECT_EQ(rig.keyboard.callsOf("strike").size(), 1);
    rig.engine.Play();
    rig.time.advanceToMs(1200);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 300, 500}, {n2, 1150, -1}}));
}

TEST(PlaybackEngine, ASeekDuringAHoldMovesOnAtTheNextTick) {
    EngineRig rig;
    rig.load("?4/4\r\n1+2\r\n2+16\r\n3+16\r\n4+16\r\n5+16\r\n6+16\r\n$100\r\n");
    rig.time.advanceToMs(400); // row 1 struck at 150, held until 1200
    rig.engine.setLngCurrentRow(5);
    rig.time.advanceToMs(460);
    EXPECT_EQ(rig.keyboard.callsOf("released"), QList<Call>({{400, "released", 39}}));
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 150, 450}, {n6, 450, -1}}));
}

TEST(PlaybackEngine, ANewLoadDuringAHoldStartsTheNewScoreAtOnce) {
    EngineRig rig;
    rig.load("?4/4\r\n1+1\r\n2+16\r\n$100\r\n", "a.piano");
    rig.time.advanceToMs(600); // row 1 struck at 150, held for 15 intervals
    ASSERT_TRUE(rig.engine.isHolding());
    ASSERT_EQ(rig.load("$100\r\n?4/4\r\n5+16", "b.piano"), 3);
    rig.time.advanceByMs(0);
    // The old tick finished against the new score: its key released, the new position shown.
    EXPECT_EQ(rig.keyboard.calls.last(), (Call{600, "released", 39}));
    EXPECT_EQ(rig.engine.playedTimeText(), QString("(33%) 第1行 / 共3行"));
    rig.time.advanceToMs(1000);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 150, 600}, {n5, 900, -1}}));
}

TEST(PlaybackEngine, StopDuringAHoldGoesBackToTheStart) {
    EngineRig rig;
    rig.load("?4/4\r\n1+4\r\n2+4\r\n$100"); // X = 600 ms
    rig.time.advanceToMs(700);
    ASSERT_TRUE(rig.engine.isHolding());
    rig.engine.Stop();
    EXPECT_EQ(rig.engine.lngCurrentRow(), 0);
    rig.time.advanceToMs(1000);
    rig.engine.Play();
    rig.time.advanceToMs(1700);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 600, 700}, {n1, 1600, -1}}));
}

TEST(PlaybackEngine, PlayWhilePlayingKeepsTheGrid) {
    EngineRig rig;
    rig.load("$100\r\n?4/4+16\r\n1\r\n2\r\n3\r\n");
    rig.time.advanceToMs(200);
    rig.engine.Play();
    rig.time.advanceToMs(600);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 300, 450}, {n2, 450, 600}, {n3, 600, -1}}));
}

TEST(PlaybackEngine, AfterAStallOneLateTickFiresAndTheGridIsRejoined) {
    EngineRig rig;
    rig.load("$100\r\n?4/4+16\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    rig.keyboard.onStrike = [&](int key) {
        if (key == 43) rig.time.stallMs(500); // row 4, struck at 600, takes until 1100
    };
    rig.time.advanceToMs(2000);
    QList<qint64> strikes;
    for (const Call& c : rig.keyboard.callsOf("strike"))
        strikes << c.ms;
    EXPECT_EQ(strikes, QList<qint64>({300, 450, 600, 1100, 1200, 1350}));
}

TEST(PlaybackEngine, IsAgainIsSetAtTheEndOfEveryTick) {
    EngineRig rig;
    rig.load("?4/4\r\n1+8\r\n$100"); // X = 300 ms
    rig.live.setIsAgain(false);
    rig.time.advanceToMs(300); // struck, then held
    EXPECT_FALSE(rig.live.isAgain());
    rig.time.advanceToMs(600);
    EXPECT_TRUE(rig.live.isAgain());
}

TEST(PlaybackEngine, AScoreWithoutTempoOrPositiveCodesPlaysABeatPerRow) {
    EngineRig rig;
    ASSERT_EQ(rig.engine.TempoBpm(), 0);
    rig.load("5\r\n5\r\n6");
    EXPECT_EQ(rig.engine.score().interval, 600);
    EXPECT_EQ(rig.engine.score().TotalTimeText, QString("00:01.80"));
    rig.time.advanceToMs(1300);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n5, 600, 1200}, {n6, 1200, -1}}));
}

TEST(PlaybackEngine, ABeatUnitOfZeroPlaysAtOneMillisecondATick) {
    EngineRig rig;
    rig.load("$100\r\n?4\r\n1+4\r\n2+4\r\n");
    EXPECT_EQ(rig.engine.score().interval, 1);
    EXPECT_EQ(rig.engine.score().TotalTimeText, QString("00:00:00"));
    rig.time.advanceToMs(20);
    EXPECT_EQ(rig.sounds(), QList<Sound>({{n1, 2, 4}, {n2, 4, 7}}));
}

} // namespace
