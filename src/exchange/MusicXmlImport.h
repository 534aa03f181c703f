#pragma once
// The melody of one part of a MusicXML file as an ImportedMelody: the notes of its first voice,
// the top note of every chord, tied notes joined, grace notes dropped, timed in milliseconds
// through the file's tempo marks; the part's key, the file's metre, first tempo and title, and
// the lyrics of the melody's notes as captions.
#include "exchange/MusicXmlFile.h"
#include "score/ImportedMelody.h"

namespace MusicXmlImport {

struct PartChoice {
    qsizetype part; // index into MusicXmlFile::parts
    QString name;
    qsizetype notes;
};

// The parts that hold notes, in the order of the part list.
QList<PartChoice> partsWithNotes(const MusicXmlFile& file);
// The position in `choices` of the part with the most notes (the first of equals); -1 for none.
qsizetype preferredChoice(const QList<PartChoice>& choices);

// The melody of `part`; `fallbackTitle` stands in when the file names no title. Without notes
// the melody has none.
ImportedMelody melody(const MusicXmlFile& file, qsizetype part, const QString& fallbackTitle);

// The pitch shift of the key table whose key has the tonic `pitchClass` (0 = C): 29 (F) to 40 (E).
int pitchShiftOf(int pitchClass);

QString noNotesText();

} // namespace MusicXmlImport
