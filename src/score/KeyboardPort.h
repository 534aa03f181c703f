#pragma once
// What the playback engine needs of the keyboard: the one strike operation of live playing, the
// reset of all keys, the released look of one key, and the flag that lets the next strike sound
// a key that is already sounding.
class KeyboardPort {
public:
    virtual ~KeyboardPort() = default;
    // Draws the key pressed; note-off for the key struck last and note-on for this one.
    virtual void StrikeKey(int keyIndex) = 0;
    // Note-off for every key; every key drawn released.
    virtual void ResetKeyboard() = 0;
    // The key drawn released; its note goes on sounding.
    virtual void drawKeyReleased(int keyIndex) = 0;
    virtual void setIsAgain(bool again) = 0;
};
