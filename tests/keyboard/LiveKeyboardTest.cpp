#include "LiveKeyboardFixture.h"
#include "keyboard/VirtualKeyCodes.h"

#include <QSignalSpy>

namespace {

using LiveKeyboardTest = LiveKeyboardFixture;
using Sent = RecordingMidiBackend::Sent;

TEST_F(LiveKeyboardTest, KeyZeroFirstAfterStartDoesNotSound) {
    EXPECT_EQ(live.intLastKey(), 0);
    QSignalSpy pressed(&live, &LiveKeyboard::keyPressedLook);
    QSignalSpy stopwatch(&live, &LiveKeyboard::restartRecordingStopwatch);
    live.StrikeKey(0);
    EXPECT_TRUE(backend.sent.isEmpty());
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(stopwatch.count(), 1);
}

TEST_F(LiveKeyboardTest, AnyOtherKeyFirstSilencesKeyZeroAndSounds) {
    live.StrikeKey(39);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(35), on(72)}));
    EXPECT_EQ(live.intLastKey(), 39);
}

TEST_F(LiveKeyboardTest, KeyTwoThenKeyFiveSwitchesOffKeyTwosOwnNote) {
    live.StrikeKey(2);
    backend.sent.clear();
    live.StrikeKey(5);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(kShift + 1), on(kShift + 2)}));
}

TEST_F(LiveKeyboardTest, TheSameKeyStrikesAgainOnlyWhenIsAgainIsSet) {
    live.StrikeKey(40);
    backend.sent.clear();
    live.StrikeKey(40);
    EXPECT_TRUE(backend.sent.isEmpty());
    live.setIsAgain(true);
    live.StrikeKey(40);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(73), on(73)}));
    EXPECT_FALSE(live.isAgain());
}

TEST_F(LiveKeyboardTest, TheNextNoteTakesTheNewSoundSettingsAndSilencesTheNoteThatSounds) {
    live.StrikeKey(10);
    sound.selectChannel(5);
    sound.setPitchShift(40);
    sound.setVelocity(60);
    backend.sent.clear();
    live.StrikeKey(11);
    // Nothing is re-sounded, and the note-off reaches the note that went out, so none hangs.
    EXPECT_EQ(backend.sent, (QList<Sent>{off(43), {0x95, 48, 60}}));
}

TEST_F(LiveKeyboardTest, KeysOutsideTheKeyboardAreIgnored) {
    QSignalSpy stopwatch(&live, &LiveKeyboard::restartRecordingStopwatch);
    for (int key : {-1, 88, 1000}) {
        live.StrikeKey(key);
        pointer.pointerPressed(key);
        pointer.pointerReleased(key);
        live.drawKeyReleased(key);
    }
    EXPECT_TRUE(backend.sent.isEmpty());
    EXPECT_EQ(stopwatch.count(), 0);
    EXPECT_EQ(live.intLastKey(), 0);
}

TEST_F(LiveKeyboardTest, ResetSilencesAndReleasesEveryKeyAndKeepsTheLastKey) {
    live.StrikeKey(20);
    backend.sent.clear();
    QSignalSpy released(&live, &LiveKeyboard::keyReleasedLook);
    live.ResetKeyboard();
    ASSERT_EQ(released.count(), 88);
    EXPECT_EQ(released.at(87).at(0).toInt(), 87);
    // Key 0 at shift 36 is note 35; keys 1 and 2 repeat the notes of keys 3 and 4.
    ASSERT_EQ(backend.sent.size(), 88);
    EXPECT_EQ(backend.sent.first(), off(35));
    EXPECT_EQ(backend.sent[1], off(36));
    EXPECT_EQ(backend.sent[3], off(36));
    EXPECT_EQ(backend.sent.last(), off(120));
    EXPECT_EQ(live.intLastKey(), 20);
}

TEST_F(LiveKeyboardTest, ThePointerSoundsTheSameKeyOnceButReportsEveryRelease) {
    QSignalSpy releases(&live, &LiveKeyboard::recordKeyRelease);
    pointer.pointerPressed(39);
    pointer.pointerReleased(39);
    live.setIsAgain(true); // as the playback leaves it: a real press still clears it
    pointer.pointerPressed(39);
    pointer.pointerReleased(39);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(35), on(72)}));
    EXPECT_EQ(releases.count(), 2);
}

TEST_F(LiveKeyboardTest, TheSameComputerKeyTwiceSoundsTwice) {
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyDown('A', 0, false); // an auto-repeat, or a second press
    EXPECT_EQ(backend.sent, (QList<Sent>{off(35), on(72), off(72), on(72)}));
    EXPECT_EQ(keys.intKeyDownIndex(), 39);
}

// Practice mode counts the notes struck: a key held down strikes again with every repeat, but
// only its press is a note.
TEST_F(LiveKeyboardTest, AnAutoRepeatSoundsAgainButIsNoNewNoteStruck) {
    QSignalSpy struck(&live, &LiveKeyboard::noteStruck);
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyDown('A', 0, false, true);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(35), on(72), off(72), on(72)}));
    EXPECT_EQ(struck.count(), 1);
}

TEST_F(LiveKeyboardTest, CapsLockChoosesTheOctaveAndShiftDoesNot) {
    keys.Form_KeyDown('A', ShiftMask::Shift, true);
    EXPECT_EQ(keys.intKeyDownIndex(), 75);
    keys.Form_KeyDown('A', ShiftMask::Shift, false);
    EXPECT_EQ(keys.intKeyDownIndex(), 39);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(35), on(108), off(108), on(72)}));
}

TEST_F(LiveKeyboardTest, AnUnassignedKeyPlaysNothing) {
    keys.Form_KeyDown('A', 0, false);
    backend.sent.clear();
    QSignalSpy pressed(&live, &LiveKeyboard::keyPressedLook);
    keys.Form_KeyDown(44, 0, false);
    EXPECT_EQ(keys.intKeyDownIndex(), -1);
    EXPECT_TRUE(backend.sent.isEmpty());
    EXPECT_EQ(pressed.count(), 0);
}

TEST_F(LiveKeyboardTest, ThePointerFollowsOnlyWhenTheOptionIsOn) {
    QSignalSpy follow(&keys, &ComputerKeys::pointerFollowRequested);
    keys.Form_KeyDown('S', 0, false);
    options.blnMouseFollow = false;
    keys.Form_KeyDown('D', 0, false);
    ASSERT_EQ(follow.count(), 1);
    EXPECT_EQ(follow.at(0).at(0).toInt(), 41);
    EXPECT_EQ(backend.sent.size(), 4);
}

TEST_F(LiveKeyboardTest, KeyUpRedrawsTheKeyOfTheLatestKeyDown) {
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyDown('S', 0, false);
    QSignalSpy released(&live, &LiveKeyboard::keyReleasedLook);
    keys.Form_KeyUp('A', 0, false);
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.at(0).at(0).toInt(), 41);
    const qsizetype sent = backend.sent.size();
    keys.Form_KeyDown(44, 0, false);
    keys.Form_KeyUp(44, 0, false);
    EXPECT_EQ(released.count(), 1);
    EXPECT_EQ(backend.sent.size(), sent);
}

TEST_F(LiveKeyboardTest, TheReleaseOfTheSoundingComputerKeyIsRecordedOnce) {
    QSignalSpy releases(&live, &LiveKeyboard::recordKeyRelease);
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyDown('S', 0, false);
    keys.Form_KeyUp('A', 0, false); // its note was cut by S already
    EXPECT_EQ(releases.count(), 0);
    keys.Form_KeyUp('S', 0, false);
    keys.Form_KeyUp('S', 0, false);
    ASSERT_EQ(releases.count(), 1);
    EXPECT_EQ(releases.at(0).at(0).toInt(), 41);
}

TEST_F(LiveKeyboardTest, APointerStrikeEndsTheWaitForAComputerKeyRelease) {
    QSignalSpy releases(&live, &LiveKeyboard::recordKeyRelease);
    keys.Form_KeyDown('A', 0, false);
    live.StrikeKey(50);
    keys.Form_KeyUp('A', 0, false);
    EXPECT_EQ(releases.count(), 0);
}

TEST_F(LiveKeyboardTest, TheDamperSilencesOnlyWhenNoScorePlays) {
    scorePlaying = true;
    pointer.damperTouched();
    EXPECT_TRUE(backend.sent.isEmpty());
    scorePlaying = false;
    pointer.damperTouched();
    EXPECT_EQ(backend.sent.size(), 88);
}

} // namespace
