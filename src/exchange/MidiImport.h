#pragma once
// The melody of one voice of a MIDI file (a channel of a track) as an imported melody: its notes
// in milliseconds as the file sounds them, the voice's instrument, the file's metre, and the
// tempo that holds longest, which the score's codes then count in.
#include "midi/SmfFile.h"
#include "score/ImportedMelody.h"

#include <QList>
#include <QString>

namespace MidiImport {

struct MelodyChoice {
    int track;   // index into SmfFile::tracks
    int channel; // 0..15
    QString name;
    qsizetype notes;
};

// The voices that hold notes, by track and then channel; percussion is no melody.
QList<MelodyChoice> choices(const SmfFile& file);
// The position in `choices` of the voice with the most notes (the first of equals); -1 for none.
int preferredChoice(const QList<MelodyChoice>& choices);

// No notes when the voice is not in the file. A note struck and released at one tick becomes a
// 64th (at the file's first tempo).
ImportedMelody melody(const SmfFile& file, const MelodyChoice& voice, const QString& title);

QString noNotesText();

} // namespace MidiImport
