#include "keyboard/SingleNote.h"

#include "core/NoteTable.h"

bool SingleNote::strike(int keyIndex, int velocity) {
    if (keyIndex == intLastKey_ && !isAgain) return false;
    MMidiOut& midi = sound_.midi();
    midi.NoteOff(sound_.channel(), NoteTable::baseNote(intLastKey_), sound_.intYindiao());
    midi.NoteOn(sound_.channel(), NoteTable::baseNote(keyIndex), velocity, sound_.intYindiao());
    intLastKey_ = keyIndex;
    isAgain = false;
    return true;
}
