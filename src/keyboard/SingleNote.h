#pragma once
// Single-note playing: one key sounds at a time, and a strike first silences the key struck
// before. The key struck last sounds again only when isAgain is set.
#include "core/SoundSettings.h"

#include <optional>

class SingleNote {
public:
    explicit SingleNote(SoundSettings& sound) : sound_(sound) {}

    // Note-off for the key struck last and note-on for this one, unless it is that key and
    // isAgain is false; true when it sounded. The strike clears isAgain.
    bool strike(int keyIndex, int velocity);
    // Note-off for the key struck last, where its note went out; nothing before the first strike.
    void silence();
    int intLastKey() const { return intLastKey_; }

    bool isAgain = false;

private:
    SoundSettings& sound_;
    int intLastKey_ = 0;
    // Where the last note went out (channel and key of the music): its note-off must reach that
    // note even when either changed since, or the note would hang. None before the first strike.
    struct Sent {
        int channel;
        int shift;
    };
    std::optional<Sent> sent_;
};
