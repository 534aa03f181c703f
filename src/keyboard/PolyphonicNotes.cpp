#include "keyboard/PolyphonicNotes.h"

void PolyphonicNotes::strike(int keyIndex, int velocity) {
    if (isSounding(keyIndex)) noteOff(keyIndex);
    sound_.midi().NoteOn(sound_.channel(), NoteTable::baseNote(keyIndex), velocity,
                         sound_.intYindiao());
    down_.set(std::size_t(keyIndex));
    sounding_.set(std::size_t(keyIndex));
}

void PolyphonicNotes::release(int keyIndex) {
    if (!isDown(keyIndex)) return;
    down_.reset(std::size_t(keyIndex));
    if (!pedal_) noteOff(keyIndex);
}

void PolyphonicNotes::setPedal(bool down) {
    if (down == pedal_) return;
    pedal_ = down;
    sound_.midi().ControlChange(sound_.channel(), kSustainController, down ? kPedalDownValue : 0);
    if (down) return;
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (isSounding(i) && !isDown(i)) noteOff(i);
}

void PolyphonicNotes::forgetAll() {
    down_.reset();
    sounding_.reset();
    setPedal(false);
}

void PolyphonicNotes::noteOff(int keyIndex) {
    sound_.midi().NoteOff(sound_.channel(), NoteTable::baseNote(keyIndex), sound_.intYindiao());
    sounding_.reset(std::size_t(keyIndex));
}
