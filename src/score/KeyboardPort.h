#pragma once
// What the playback engine needs of the keyboard: the one strike operation of live playing, the
// reset of all keys, a rest of the score, the released look of one key, and the flag that lets
// the next strike sound a key that is already sounding.
class KeyboardPort {
public:
    virtual ~KeyboardPort() = default;
    // Draws the key pressed; note-off for the key struck last and note-on for this one.
    virtual void StrikeKey(int keyIndex) = 0;
    // Note-off for every key; every key drawn released.
    virtual void ResetKeyboard() = 0;
    // A rest of the score: the score's note stops. In single-note playing that is every key, as
    // ResetKeyboard; in chords the player's held keys and the pedal stay.
    virtual void playRest() = 0;
    // The key drawn released; its note goes on sounding.
    virtual void drawKeyReleased(int keyIndex) = 0;
    virtual void setIsAgain(bool again) = 0;
};
