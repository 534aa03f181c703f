#pragma once
// Opening a MIDI file for playback: its melody becomes a score file in the folder "MIDI" beside
// the data folder "INI", named after the MIDI file, which then plays like any score and can be
// kept with File ▸ "另存为(&A)...".
#include "core/AppPaths.h"
#include "core/NoteTable.h"
#include "exchange/MidiTrackPicker.h"
#include "platform/MessageSink.h"

class MidiOpener {
public:
    MidiOpener(const NoteTable& notes, const AppPaths& paths, MessageSink& messages,
               MidiTrackPicker& picker);

    // The path of the score made of `midiPath`; "" when the file is refused (a folder, the
    // score's own path), cannot be read or holds no notes (each reported in an error box), or
    // the user cancelled the choice of the melody.
    QString importForPlaying(const QString& midiPath);

private:
    void report(const QString& text);

    const NoteTable& notes_;
    const AppPaths& paths_;
    MessageSink& messages_;
    MidiTrackPicker& picker_;
};
