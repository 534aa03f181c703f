#include "keyboard/SingleNote.h"

#include "core/NoteTable.h"

void SingleNote::silence() {
    if (sent_)
        sound_.midi().NoteOff(sent_->channel, NoteTable::baseNote(intLastKey_), sent_->shift);
}

bool SingleNote::strike(int keyIndex, int velocity) {
    if (keyIndex == intLastKey_ && !isAgain) return false;
    MMidiOut& midi = sound_.midi();
    const Sent now{sound_.channel(), sound_.intYindiao()};
    const Sent last = sent_.value_or(now);
    midi.NoteOff(last.channel, NoteTable::baseNote(intLastKey_), last.shift);
    midi.NoteOn(now.channel, NoteTable::baseNote(keyIndex), velocity, now.shift);
    intLastKey_ = keyIndex;
    sent_ = now;
    isAgain = false;
    return true;
}
