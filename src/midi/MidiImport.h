#pragma once
// Turns the melody of one track of a MIDI file into a score that plays here as the file sounds:
// instrument, key C with the notes as written, metre and tempo from the file, one note row per
// note of the melody, rests as "0" rows.
#include "core/NoteTable.h"
#include "midi/SmfFile.h"

#include <QList>
#include <QString>

namespace MidiImport {

struct TrackChoice {
    int track; // index into SmfFile::tracks
    QString name;
    qsizetype notes;
};

// The tracks that hold notes, in file order.
QList<TrackChoice> tracksWithNotes(const SmfFile& file);
// The position in `choices` of the track with the most notes (the first of equals); -1 for none.
int preferredChoice(const QList<TrackChoice>& choices);

// The score text (rows ended by CR LF, except the last), empty when the track has no notes.
// `title` becomes the caption of the header row that carries the tick.
QString scoreText(const SmfFile& file, int track, const NoteTable& notes, const QString& title);

QString noNotesText();

} // namespace MidiImport
