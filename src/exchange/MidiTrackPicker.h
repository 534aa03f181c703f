#pragma once
// Asks which voice of a MIDI file (a channel of a track) holds the melody to import, when more
// than one holds notes.
#include "exchange/MidiImport.h"

class MidiTrackPicker {
public:
    virtual ~MidiTrackPicker() = default;
    // The position in `choices` the user picked, `preselected` offered first; -1 on cancel.
    virtual int pickMelody(const QList<MidiImport::MelodyChoice>& choices, int preselected) = 0;
};
