#pragma once
// A melody read from another file format (a MIDI track, a MusicXML part), in the terms a score
// is written in: one line of notes in time, and what the score's header carries. Importers fill
// it; one writer turns it into score text, so every import keeps time by the same rules.
#include <QList>
#include <QString>

struct ImportedMelody {
    struct Note {
        double startMs = 0;   // from the start of the piece, as the file sounds it
        double endMs = 0;     // at or after startMs; a zero-length note is still a note
        int midiNote = 60;    // the sounding pitch, 0..127
        QString caption;      // lyrics shown from this note on; empty for none
    };
    QList<Note> notes;        // by start; they do not overlap; the gaps between them are rests;
                              // the score begins with the first
    double endMs = 0;         // where the piece ends (at least the last note's end)
    int instrument = 0;       // General MIDI program, 0..127
    int pitchShift = 36;      // the key the notes are written in (36: C, as the key table)
    int metreNumerator = 4;
    int metreUnit = 4;        // the note value of one beat
    double tempo = 120;       // beats (of metreUnit) per minute the score's codes count in: the
                              // tempo at the start, or the one that holds longest
    QString title;            // a caption from the first note on; empty for none
};
