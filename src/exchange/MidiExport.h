#pragma once
// Writes a score as a Standard MIDI File that sounds like the score played here: every note-on
// and note-off at the millisecond the playback engine sends it, with the same note numbers
// (key plus pitch shift), instrument changes and velocity.
#include "score/Score.h"
#include "score/ScoreParser.h"

#include <QByteArray>

namespace MidiExport {

// What is in force before the score's first note applies its own rows, as on the main window.
struct Sound {
    int channel = 0;
    int velocity = 127;
    int pitchShift = 36;
    int instrument = 0;
};

// Whether the score has a note to write: a file of none would only replace a good file.
bool hasNotes(const Score& score);
QString noNotesText();

// One tick of the file is one millisecond; the tempo event carries the score's tempo, time zero
// is the moment Play starts the score.
QByteArray write(const Score& score, const ScoreWideValues& wide, const Sound& sound);

} // namespace MidiExport
