#pragma once
// The melody a MusicXML file imports as, and as one line of text the tests compare: start and
// end in whole milliseconds, the note and its caption in quotes, for every note.
#include "exchange/MusicXmlImport.h"
#include "exchange/MusicXmlReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

inline MusicXmlFile readMusicXml(const QByteArray& bytes) {
    const MusicXmlReader::Result read = MusicXmlReader::read(bytes);
    EXPECT_EQ(read.error, MusicXmlReader::Error::None) << read.line;
    return read.file;
}

// The melody of the part with the most notes, titled "file" when the file has no title.
inline ImportedMelody melodyOf(const QByteArray& bytes) {
    const MusicXmlFile file = readMusicXml(bytes);
    const QList<MusicXmlImport::PartChoice> choices = MusicXmlImport::partsWithNotes(file);
    const qsizetype choice = MusicXmlImport::preferredChoice(choices);
    return choice < 0 ? ImportedMelody()
                      : MusicXmlImport::melody(file, choices[choice].part, QStringLiteral("file"));
}

inline std::string notesOf(const ImportedMelody& melody) {
    QString text;
    for (const ImportedMelody::Note& n : melody.notes)
        text += QStringLiteral("%1-%2:%3%4 ")
                    .arg(std::lround(n.startMs))
                    .arg(std::lround(n.endMs))
                    .arg(n.midiNote)
                    .arg(n.caption.isEmpty() ? QString() : u'"' + n.caption + u'"');
    return text.trimmed().toStdString();
}
