// A looped passage in virtual time: the rows the engine plays over three passes, and the
// instrument and key in force at the passage's first row each time it comes round.
#include "EngineRig.h"

#include <gtest/gtest.h>

namespace {

struct LoopCase {
    const char* name;
    const char* score;
    Passage passage;
    QList<int> rows;     // the rows played, three passes
    QList<int> notes;    // the MIDI notes sounded
    QList<int> programs; // the program changes sent
};

void PrintTo(const LoopCase& c, std::ostream* out) {
    *out << c.name;
}

class EngineLoop : public testing::TestWithParam<LoopCase> {};

TEST_P(EngineLoop, PlaysThePassageOverWithWhatIsInForceAtItsStart) {
    const LoopCase& c = GetParam();
    EngineRig rig;
    QList<int> rows;
    QObject::connect(&rig.engine, &PlaybackEngine::progressValueChanged,
                     [&rows](int row) { rows << row; });
    int repeats = 0;
    QObject::connect(&rig.engine, &PlaybackEngine::passageRepeated, [&repeats] { ++repeats; });
    rig.load(QString::fromUtf8(c.score));
    rig.engine.setLoop(c.passage);
    // Row 0 is 1 here (LoadScore sets the bar to 1 before anything plays).
    while (rows.size() <= c.rows.size())
        rig.time.advanceByMs(100);
    EXPECT_EQ(rows.mid(1, c.rows.size()), c.rows);
    EXPECT_EQ(repeats, 2);
    QList<int> notes;
    for (const EngineRig::Sound& s : rig.sounds())
        notes << s.note;
    EXPECT_EQ(notes.mid(0, c.notes.size()), c.notes);
    QList<int> programs;
    for (const auto& [time, program] : rig.programChanges())
        programs << program;
    EXPECT_EQ(programs.mid(0, c.programs.size()), c.programs);
    EXPECT_EQ(rig.stopRequests, 0);
}

// Key of C: "1" is note 72; D adds 2, E adds 4.
INSTANTIATE_TEST_SUITE_P(
    Passages, EngineLoop,
    testing::Values(
        LoopCase{"changes before and inside",
                 "$100\r\n?4/4\r\n%2\r\n!D\r\n1+4\r\n2+4\r\n%5\r\n!E\r\n3+4\r\n4+4\r\n5+4",
                 {5, 9},
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 5, 6, 7, 8, 9, 5, 6, 7, 8, 9},
                 {74, 76, 80, 81, 76, 80, 81, 76, 80, 81},
                 {2, 5, 2, 5, 2, 5}},
        LoopCase{"changes only inside: back to the start's",
                 "$100\r\n?4/4\r\n1+4\r\n%5\r\n!E\r\n2+4\r\n3+4\r\n5+4",
                 {2, 6},
                 {1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6},
                 {72, 78, 80, 72, 78, 80, 72, 78, 80},
                 {5, 0, 5, 0, 5}},
        LoopCase{"to the score's end, cut to its rows",
                 "$100\r\n?4/4\r\n0+4\r\n%5\r\n1+4\r\n2+4",
                 {2, 99},
                 {1, 2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 4, 5},
                 {72, 74, 72, 74, 72, 74},
                 {5, 0, 5, 0, 5}}));

TEST(EngineLoopPractice, TheKeyAfterTheDueOneGoesRoundThePassage) {
    EngineRig rig;
    QList<std::pair<int, int>> marks; // the due key and the one after it
    int due = -1;
    QObject::connect(&rig.engine, &PlaybackEngine::dueKeyChanged, [&due](int key) { due = key; });
    QObject::connect(&rig.engine, &PlaybackEngine::followingKeyChanged,
                     [&](int key) { marks.append({due, key}); });
    rig.engine.setPracticeMode(true);
    // Keys: "1" 39, "2" 41, "3" 43, "5" 46.
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+4\r\n0+4\r\n3+4\r\n5+4");
    rig.engine.setLoop(Passage{3, 5});
    for (int key : {39, 41, 43, 41}) {
        rig.time.advanceByMs(5000);
        rig.engine.keyStruck(key);
    }
    rig.time.advanceByMs(5000);
    // Each mark as it changes (the note is marked when it is next and again when the score
    // waits at it).
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    EXPECT_EQ(marks, (QList<std::pair<int, int>>{
                         {39, 41}, {41, 43}, {43, 41}, {41, 43}, {43, 41}})); // 43: the last
}

TEST(EngineLoopEnd, ANewLoadForgetsThePassage) {
    EngineRig rig;
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+4");
    rig.engine.setLoop(Passage{2, 3});
    EXPECT_TRUE(rig.engine.loop());
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+4", "other.piano");
    EXPECT_FALSE(rig.engine.loop());
    rig.engine.setLoop(Passage{5, 9});
    EXPECT_FALSE(rig.engine.loop());
}

} // namespace
