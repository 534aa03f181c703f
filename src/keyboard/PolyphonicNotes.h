#pragma once
// The notes of polyphonic playing: every struck key sounds until it is released, and while the
// sustain pedal is down a released key keeps sounding until the pedal comes up.
#include "core/NoteTable.h"
#include "core/SoundSettings.h"

#include <bitset>

class PolyphonicNotes {
public:
    static constexpr int kSustainController = 64;
    static constexpr int kPedalDownValue = 127;

    explicit PolyphonicNotes(SoundSettings& sound) : sound_(sound) {}

    // Sounds the key at `velocity`; a key still sounding is silenced first, so it strikes anew.
    void strike(int keyIndex, int velocity);
    // The key is let go: it stops sounding unless the pedal holds it.
    void release(int keyIndex);
    // Pedal down holds released keys; pedal up silences every key it held.
    void setPedal(bool down);
    // The caller has silenced every key: none sounds any more, and a pedal still down comes up.
    void forgetAll();

    bool isDown(int keyIndex) const { return down_.test(std::size_t(keyIndex)); }
    bool isSounding(int keyIndex) const { return sounding_.test(std::size_t(keyIndex)); }
    bool pedalDown() const { return pedal_; }

private:
    void noteOff(int keyIndex);

    SoundSettings& sound_;
    std::bitset<NoteTable::kKeyCount> down_;
    std::bitset<NoteTable::kKeyCount> sounding_;
    bool pedal_ = false;
};
