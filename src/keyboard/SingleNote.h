#pragma once
// Single-note playing: one key sounds at a time, and a strike first silences the key struck
// before. The key struck last sounds again only when isAgain is set.
#include "core/SoundSettings.h"

class SingleNote {
public:
    explicit SingleNote(SoundSettings& sound) : sound_(sound) {}

    // Note-off for the key struck last and note-on for this one, unless it is that key and
    // isAgain is false; true when it sounded. The strike clears isAgain.
    bool strike(int keyIndex, int velocity);
    int intLastKey() const { return intLastKey_; }

    bool isAgain = false;

private:
    SoundSettings& sound_;
    int intLastKey_ = 0;
};
