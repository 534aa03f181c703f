// The engine at another speed, in virtual time: every hold and rest lasts its written length
// times 100 / speed, and a change while a note sounds starts with the next row.
#include "EngineRig.h"

#include <gtest/gtest.h>

namespace {

using Sound = EngineRig::Sound;

// Note numbers with the key of C: "1" is note 72.
constexpr int kDo = 72, kRe = 74, kMi = 76, kSol = 79;

// X = 150 ms: a quarter (four ticks), an eighth, the shortest code (two ticks), a rest of a
// quarter, a half to the end.
const QString kSteady = "$100\r\n?4/4\r\n1+4\r\n2+8\r\n3+16\r\n0+4\r\n5+2\r\n";

// Times at 100 %; the last note sounds on through the empty row after it.
const QList<Sound> kWritten{
    {kDo, 300, 900}, {kRe, 900, 1200}, {kMi, 1200, 1500}, {kSol, 2100, 3450}};

class EngineSpeed : public testing::TestWithParam<int> {};

TEST_P(EngineSpeed, HoldsAndRestsLastTheirWrittenLengthsOverTheSpeed) {
    const int percent = GetParam();
    EngineRig rig;
    rig.engine.setListMode(EndOfScore::ListMode::Single);
    rig.engine.setSpeedPercent(percent);
    rig.load(kSteady);
    rig.time.advanceToMs(20'000);
    QList<Sound> expected;
    for (const Sound& s : kWritten)
        expected.append({s.note, s.on * 100 / percent, s.off * 100 / percent});
    EXPECT_EQ(rig.sounds(), expected);
    EXPECT_EQ(rig.engine.score().interval, 150); // the score itself is unchanged
    EXPECT_EQ(rig.stopRequests, 1);
}

INSTANTIATE_TEST_SUITE_P(Percent, EngineSpeed, testing::Values(25, 50, 100, 200));

TEST(EngineSpeedChange, TheSoundingNoteKeepsItsLengthAndTheNextRowTakesTheNewSpeed) {
    EngineRig rig;
    rig.engine.setListMode(EndOfScore::ListMode::Single);
    rig.load(kSteady);
    rig.time.advanceToMs(1000); // "2" sounds from 900 to 1200
    rig.engine.setSpeedPercent(50);
    rig.time.advanceToMs(20'000);
    EXPECT_EQ(
        rig.sounds(),
        QList<Sound>({{kDo, 300, 900}, {kRe, 900, 1200}, {kMi, 1200, 1800}, {kSol, 3000, 5700}}));
}

TEST(EngineSpeedChange, AnOddSpeedKeepsTheGridWithoutDrift) {
    EngineRig rig;
    rig.engine.setListMode(EndOfScore::ListMode::Single);
    rig.engine.setSpeedPercent(75);
    // An interval of 10 ms, 13.33 ms at 75 %; each note of the shortest code takes two slots.
    QString text = "$6000\r\n?4/8\r\n";
    for (int i = 0; i < 3000; ++i)
        text += "1+8\r\n";
    rig.load(text);
    ASSERT_EQ(rig.engine.score().interval, 10);
    rig.time.advanceToMs(200'000);
    const QList<Sound> sounds = rig.sounds();
    ASSERT_EQ(sounds.size(), 3000);
    // The last note at slot 6000: 80 s exactly, where 13 ms a slot would give 78 s.
    EXPECT_EQ(sounds.last().on, 80'000);
}

} // namespace
