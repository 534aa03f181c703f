#include "LiveKeyboardFixture.h"
#include "keyboard/VirtualKeyCodes.h"

#include <QSignalSpy>

namespace {

struct PolyphonicPlayingTest : LiveKeyboardFixture {
    PolyphonicPlayingTest() {
        polyphonic = true;
        keyMap.setPedalKeyName(QStringLiteral("Tab"));
        aKey = keyMap.lookup('A', false);
        sKey = keyMap.lookup('S', false);
    }
    int note(int keyIndex) const { return NoteTable::baseNote(keyIndex) + kShift; }
    static Sent pedal(int value) { return {0xB0 | kChannel, 64, value}; }

    int aKey = -1;
    int sKey = -1;
};

TEST_F(PolyphonicPlayingTest, AChordSoundsTogetherAndEachKeyStopsAtItsRelease) {
    ASSERT_GE(aKey, 0);
    ASSERT_GE(sKey, 0);
    QSignalSpy held(&live, &LiveKeyboard::recordHeldKeyRelease);
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyDown('S', 0, false);
    keys.Form_KeyDown('A', 0, false); // auto-repeat: no new strike
    EXPECT_EQ(backend.sent, (QList<Sent>{on(note(aKey)), on(note(sKey))}));
    backend.sent.clear();
    keys.Form_KeyUp('A', 0, false);
    EXPECT_EQ(backend.sent, QList<Sent>{off(note(aKey))});
    keys.Form_KeyUp('S', 0, false);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(note(aKey)), off(note(sKey))}));
    ASSERT_EQ(held.count(), 2);
    EXPECT_EQ(held[0][0].toInt(), aKey);
    EXPECT_EQ(held[1][0].toInt(), sKey);
}

TEST_F(PolyphonicPlayingTest, ThePedalHoldsReleasedKeysUntilItComesUp) {
    keys.Form_KeyDown(VirtualKey::Tab, 0, false);
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyUp('A', 0, false);
    keys.Form_KeyDown('S', 0, false);
    EXPECT_EQ(backend.sent, (QList<Sent>{pedal(127), on(note(aKey)), on(note(sKey))}));
    backend.sent.clear();
    keys.Form_KeyUp(VirtualKey::Tab, 0, false);
    // The key still down keeps sounding.
    EXPECT_EQ(backend.sent, (QList<Sent>{pedal(0), off(note(aKey))}));
    backend.sent.clear();
    keys.Form_KeyUp('S', 0, false);
    EXPECT_EQ(backend.sent, QList<Sent>{off(note(sKey))});
}

TEST_F(PolyphonicPlayingTest, EscSilencesEverythingAndLiftsThePedal) {
    live.setPedal(true);
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyUp('A', 0, false);
    backend.sent.clear();
    keys.Form_KeyDown(VirtualKey::Escape, 0, false);
    EXPECT_EQ(backend.sent.size(), NoteTable::kKeyCount + 1);
    EXPECT_EQ(backend.sent.last(), pedal(0));
    backend.sent.clear();
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyUp('A', 0, false);
    EXPECT_EQ(backend.sent, (QList<Sent>{on(note(aKey)), off(note(aKey))}));
}

TEST_F(PolyphonicPlayingTest, AGlissandoReleasesEachKeyAsThePointerLeavesIt) {
    pointer.pointerPressed(40);
    pointer.pointerMoved(40);
    pointer.pointerMoved(41);
    pointer.pointerReleased(41);
    EXPECT_EQ(backend.sent,
              (QList<Sent>{on(note(40)), off(note(40)), on(note(41)), off(note(41))}));
}

TEST_F(PolyphonicPlayingTest, AScoreStillPlaysOneNoteAtATime) {
    keys.Form_KeyDown('A', 0, false);
    backend.sent.clear();
    live.StrikeKey(50);
    live.StrikeKey(52);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(note(0)), on(note(50)), off(note(50)), on(note(52))}));
}

TEST_F(PolyphonicPlayingTest, AScoresRestStopsItsOwnNoteAndLeavesThePlayersKeysAndPedal) {
    keys.Form_KeyDown(VirtualKey::Tab, 0, false);
    keys.Form_KeyDown('A', 0, false);
    keys.Form_KeyDown('S', 0, false);
    keys.Form_KeyUp('S', 0, false); // held by the pedal
    live.StrikeKey(50);             // the score's note
    backend.sent.clear();
    live.playRest();
    EXPECT_EQ(backend.sent, QList<Sent>{off(note(50))});
    // A note the score strikes on a key the player holds is the player's too: it sounds on.
    live.StrikeKey(aKey);
    backend.sent.clear();
    live.playRest();
    EXPECT_TRUE(backend.sent.isEmpty());
    keys.Form_KeyUp(VirtualKey::Tab, 0, false);
    EXPECT_EQ(backend.sent, (QList<Sent>{pedal(0), off(note(sKey))}));
}

TEST_F(PolyphonicPlayingTest, InSingleNotePlayingARestReleasesEveryKey) {
    polyphonic = false;
    keys.Form_KeyDown('A', 0, false);
    backend.sent.clear();
    live.playRest();
    EXPECT_EQ(backend.sent.size(), NoteTable::kKeyCount);
    EXPECT_TRUE(backend.sent.contains(off(note(aKey))));
}

TEST_F(PolyphonicPlayingTest, ThePedalDoesNothingInMonophonicPlaying) {
    polyphonic = false;
    keys.Form_KeyDown(VirtualKey::Tab, 0, false);
    keys.Form_KeyUp(VirtualKey::Tab, 0, false);
    EXPECT_TRUE(backend.sent.isEmpty());
}

TEST_F(PolyphonicPlayingTest, ExternalKeysPlayWithTheirOwnVelocityInBothModes) {
    live.press(40, 33);
    live.press(44, 90);
    live.release(40);
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x90 | kChannel, note(40), 33},
                                         {0x90 | kChannel, note(44), 90},
                                         off(note(40))}));
    polyphonic = false;
    live.ResetKeyboard();
    backend.sent.clear();
    QSignalSpy released(&live, &LiveKeyboard::recordKeyRelease);
    live.press(45, 70);
    live.release(45);
    EXPECT_EQ(backend.sent, (QList<Sent>{off(note(0)), {0x90 | kChannel, note(45), 70}}));
    EXPECT_EQ(released.count(), 1);
}

} // namespace
