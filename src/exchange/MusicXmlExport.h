#pragma once
// Writes a score as MusicXML 4.0 (one part, score-partwise) with the notes the playback engine
// plays: the pitch of every note row is its key plus the pitch shift of the key row in force,
// its length that of its duration code (a row without a positive code lasts one tick, the length
// of the score's largest code), and rows that never sound (comments, blank and header rows,
// names of no key, the first row) are left out. Codes that are no standard note value are
// rounded to the nearest 128th and written as tied notes (NoteValue); notes that cross a bar
// line are tied across it. A caption becomes the lyric of the note after it.
#include "score/Score.h"
#include "score/ScoreParser.h"

#include <QByteArray>

namespace MusicXmlExport {

// What is in force before the score's own key and instrument rows, as on the main window.
struct Sound {
    int pitchShift = 36;
    int instrument = 0;
};

// The file's bytes (UTF-8); empty when no row of the score sounds a note.
QByteArray write(const Score& score, const ScoreWideValues& wide, const Sound& sound,
                 const QString& title);

// The key signature of a pitch shift's key in fifths (flats negative): C 0, G 1, F -1, and the
// keys the key table spells with a sharp as their usual names: C# as D flat (-5), D# as E flat,
// G# as A flat, A# as B flat; F# stays F sharp (6).
int fifthsOf(int pitchShift);

QString noNotesText();

} // namespace MusicXmlExport
