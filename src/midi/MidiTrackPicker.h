#pragma once
// Asks which track of a MIDI file to import, when more than one holds notes.
#include "midi/MidiImport.h"

class MidiTrackPicker {
public:
    virtual ~MidiTrackPicker() = default;
    // The position in `choices` the user picked, `preselected` offered first; -1 on cancel.
    virtual int pickTrack(const QList<MidiImport::TrackChoice>& choices, int preselected) = 0;
};
