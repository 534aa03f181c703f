// Practice in time: strikes against note onsets, judged in time, early, late, wrong or missed.
#include "score/BeatJudge.h"

#include <gtest/gtest.h>

namespace {

using Result = NoteMark::Result;
using Timing = NoteMark::Timing;

// One note of key 39 at 1000 ms (row 5); the events in time order, each a strike of `key` at
// `at`, or the note's onset when key is -1.
struct Event {
    int key;
    qint64 at;
};
struct BeatCase {
    const char* name;
    int speed;
    QList<Event> events;
    NoteMark mark;
    int wrongStrikes;
};

void PrintTo(const BeatCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr Event kOnset{-1, 1000};

class BeatJudgeTable : public testing::TestWithParam<BeatCase> {};

TEST_P(BeatJudgeTable, JudgesTheStrikesOfOneNote) {
    const BeatCase& c = GetParam();
    BeatJudge judge(c.speed);
    QList<NoteMark> marks;
    for (const Event& e : c.events) {
        marks += judge.settle(e.at);
        if (e.key < 0)
            judge.noteDue(5, 39, e.at);
        else
            judge.strike(e.key, e.at);
    }
    marks += judge.settle(2000);
    marks += judge.finish();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0], c.mark);
    EXPECT_EQ(judge.wrongStrikes(), c.wrongStrikes);
}

INSTANTIATE_TEST_SUITE_P(
    Strikes, BeatJudgeTable,
    testing::Values(
        BeatCase{"in time",
                 100,
                 {kOnset, {39, 1020}},
                 {5, Result::RightFirstTime, Timing::InTime, 20},
                 0},
        BeatCase{"in time before the onset",
                 100,
                 {{39, 960}, kOnset},
                 {5, Result::RightFirstTime, Timing::InTime, -40},
                 0},
        BeatCase{
            "early", 100, {{39, 900}, kOnset}, {5, Result::RightFirstTime, Timing::Early, -100}, 0},
        BeatCase{
            "late", 100, {kOnset, {39, 1120}}, {5, Result::RightFirstTime, Timing::Late, 120}, 0},
        BeatCase{"exactly at the late edge",
                 100,
                 {kOnset, {39, 1150}},
                 {5, Result::RightFirstTime, Timing::Late, 150},
                 0},
        BeatCase{"exactly at the early edge",
                 100,
                 {{39, 850}, kOnset},
                 {5, Result::RightFirstTime, Timing::Early, -150},
                 0},
        BeatCase{"just past the edge", 100, {kOnset, {39, 1151}}, {5, Result::Missed}, 1},
        BeatCase{"just before the edge", 100, {{39, 849}, kOnset}, {5, Result::Missed}, 1},
        BeatCase{"two strikes for one note",
                 100,
                 {{39, 990}, kOnset, {39, 1030}},
                 {5, Result::RightFirstTime, Timing::InTime, -10},
                 1},
        BeatCase{"a wrong key only", 100, {kOnset, {41, 1010}}, {5, Result::Wrong}, 1},
        BeatCase{"a wrong key, then the right one",
                 100,
                 {{41, 990}, kOnset, {39, 1040}},
                 {5, Result::RightAfterMistakes, Timing::InTime, 40},
                 1},
        BeatCase{"the right key, then a wrong one",
                 100,
                 {kOnset, {39, 1000}, {41, 1040}},
                 {5, Result::RightFirstTime, Timing::InTime, 0},
                 1},
        BeatCase{"nothing struck", 100, {kOnset}, {5, Result::Missed}, 0},
        BeatCase{"at 50 % the window is 300 ms",
                 50,
                 {kOnset, {39, 1290}},
                 {5, Result::RightFirstTime, Timing::Late, 290},
                 0},
        BeatCase{"at 50 % in time is 100 ms",
                 50,
                 {{39, 910}, kOnset},
                 {5, Result::RightFirstTime, Timing::InTime, -90},
                 0},
        BeatCase{
            "at 200 % the window is 75 ms", 200, {kOnset, {39, 1080}}, {5, Result::Missed}, 1}));

TEST(BeatJudge, AStrikeGoesToTheEarliestOpenNoteOfItsKeyAndNotesAreDecidedInOrder) {
    BeatJudge judge;
    judge.noteDue(1, 39, 1000);
    judge.noteDue(2, 39, 1100);
    judge.strike(39, 1090); // late for the first, early for the second: the first takes it
    judge.noteDue(3, 41, 1200);
    judge.strike(41, 1190);
    const QList<NoteMark> marks = judge.settle(1500);
    EXPECT_EQ(marks, (QList<NoteMark>{{1, Result::RightFirstTime, Timing::Late, 90},
                                      {2, Result::Missed},
                                      {3, Result::RightFirstTime, Timing::InTime, -10}}));
}

} // namespace
