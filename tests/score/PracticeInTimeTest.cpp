// Practice in time through the engine, in virtual time: the score keeps its beat without
// sounding its notes, the player's strikes are marked note by note, and every run and every pass
// of a looped passage ends with its figures.
#include "EngineRig.h"

#include <gtest/gtest.h>

namespace {

using Result = NoteMark::Result;
using Timing = NoteMark::Timing;

// X = 600 ms: the notes "1", "2", "3" (keys 39, 41, 43) at 1200, 2400 and 3600 ms.
const QString kThreeNotes = QStringLiteral("$100\r\n?4/4\r\n1+4\r\n2+4\r\n3+4\r\n");

struct PracticeInTime : testing::Test {
    PracticeInTime() {
        rig.engine.setListMode(EndOfScore::ListMode::Single);
        rig.engine.setPracticeWay(PracticeRun::Way::InTime);
        rig.engine.setPracticeMode(true);
        QObject::connect(&rig.engine, &PlaybackEngine::noteMarked,
                         [this](const NoteMark& mark) { marks << mark; });
        QObject::connect(&rig.engine, &PlaybackEngine::dueKeyChanged,
                         [this](int key) { dueKeys << key; });
        QObject::connect(&rig.engine, &PlaybackEngine::practiceFinished,
                         [this](const PracticeRun& run) { runs << run; });
    }
    void strikeAt(qint64 ms, int key) {
        rig.time.advanceToMs(ms);
        rig.engine.keyStruck(key);
    }

    EngineRig rig;
    QList<NoteMark> marks;
    QList<PracticeRun> runs;
    QList<int> dueKeys;
};

TEST_F(PracticeInTime, TheScoreKeepsTheBeatAndEveryNoteIsMarked) {
    rig.load(kThreeNotes);
    strikeAt(1220, 39); // in time
    strikeAt(2300, 41); // early
    strikeAt(3000, 50); // in no note's window
    rig.time.advanceToMs(10'000);
    EXPECT_TRUE(rig.keyboard.callsOf("strike").isEmpty());
    // Each note is marked ahead of its onset; nothing after the run.
    dueKeys.erase(std::unique(dueKeys.begin(), dueKeys.end()), dueKeys.end());
    EXPECT_EQ(dueKeys, (QList<int>{39, 41, 43, -1}));
    EXPECT_EQ(marks, (QList<NoteMark>{{2, Result::RightFirstTime, Timing::InTime, 20},
                                      {3, Result::RightFirstTime, Timing::Early, -100},
                                      {4, Result::Missed}}));
    ASSERT_EQ(runs.size(), 1);
    const PracticeRun& run = runs[0];
    EXPECT_EQ(run.way, PracticeRun::Way::InTime);
    EXPECT_TRUE(run.wholeScore);
    EXPECT_EQ(run.notes, 3);
    EXPECT_EQ(run.rightFirstTime, 2);
    EXPECT_EQ(run.missed, 1);
    EXPECT_EQ(run.wrongStrikes, 1);
    EXPECT_EQ(run.longestRightRun, 2);
    EXPECT_EQ(run.meanTimingErrorMs, 60.0);
    EXPECT_EQ(run.p90TimingErrorMs, 100.0);
}

TEST_F(PracticeInTime, EachPassOfALoopEndsARunOfItsPassage) {
    QList<int> cleared;
    QObject::connect(&rig.engine, &PlaybackEngine::noteMarksCleared,
                     [&] { cleared << int(marks.size()); });
    rig.engine.setSpeedPercent(50); // notes 1200 ms apart, windows of 300 ms
    rig.load(kThreeNotes);
    rig.engine.setLoop(Passage{3, 4});
    // "1" at 2400; the passes: "2" at 4800, "3" at 7200; "2" at 9600, "3" at 12000; the next
    // at 14400.
    strikeAt(5050, 41);
    strikeAt(9600, 41);
    strikeAt(12'000, 43);
    rig.time.advanceToMs(14'500);
    ASSERT_GE(runs.size(), 2);
    EXPECT_FALSE(runs[0].wholeScore);
    EXPECT_EQ(std::pair(runs[0].firstRow, runs[0].lastRow), std::pair(3, 4));
    EXPECT_EQ(runs[0].speedPercent, 50);
    // The first pass counts the passage's notes only, the lead-in "1" aside.
    EXPECT_EQ(std::tuple(runs[0].notes, runs[0].rightFirstTime, runs[0].missed),
              std::tuple(2, 1, 1));
    EXPECT_EQ(std::tuple(runs[1].notes, runs[1].rightFirstTime, runs[1].longestRightRun),
              std::tuple(2, 2, 2));
    EXPECT_EQ(marks[1], (NoteMark{3, Result::RightFirstTime, Timing::Late, 250}));
    EXPECT_FALSE(cleared.isEmpty()); // each pass's marks give way to the next's
}

} // namespace
