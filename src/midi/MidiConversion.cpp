#include "midi/MidiConversion.h"

#include "platform/AtomicFile.h"
#include "midi/MidiImport.h"
#include "midi/SmfReader.h"
#include "platform/GbkCodec.h"
#include "score/ScoreFile.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QFileInfo>

namespace MidiConversion {
namespace {
QString cannotWrite(const QString& path) {
    return QStringLiteral("错误：无法写入文件“%1”！").arg(path);
}
} // namespace

QString exportScoreFile(const QString& scorePath, const QString& midiPath, const NoteTable& notes) {
    const ScoreFile::ReadResult file = ScoreFile::readWhole(scorePath);
    if (file.error != ScoreFile::ReadError::None) return ScoreFile::errorText(file.error);
    return writeMidi(midiPath, scoreMidi(ScoreText::decode(file.bytes), notes));
}

QByteArray scoreMidi(const QString& text, const NoteTable& notes) {
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, notes, wide, score);
    ScoreTiming::analyse(score, wide);
    MidiExport::Sound sound;
    if (!score.InstrumentChanges.isEmpty()) sound.instrument = score.InstrumentChanges.at(0).value;
    if (!score.KeyChanges.isEmpty()) sound.pitchShift = score.KeyChanges.at(0).value;
    return MidiExport::write(score, wide, sound);
}

QString writeMidi(const QString& midiPath, const QByteArray& midi) {
    return AtomicFile::write(midiPath, midi) ? QString() : cannotWrite(midiPath);
}

SmfFile readMidi(const QString& midiPath, QString& error) {
    SmfReader::Result read = SmfReader::readFile(midiPath);
    error = SmfReader::errorText(read.error);
    return read.error == SmfReader::Error::None ? std::move(read.file) : SmfFile();
}

QString importedScore(const SmfFile& file, int track, const QString& midiPath,
                      const NoteTable& notes, QString& error) {
    const QString text =
        MidiImport::scoreText(file, track, notes, QFileInfo(midiPath).completeBaseName());
    error = text.isEmpty() ? MidiImport::noNotesText() : QString();
    return text;
}

QString importMidiFile(const QString& midiPath, const QString& scorePath, const NoteTable& notes) {
    QString error;
    const SmfFile file = readMidi(midiPath, error);
    if (!error.isEmpty()) return error;
    const QList<MidiImport::TrackChoice> choices = MidiImport::tracksWithNotes(file);
    const int choice = MidiImport::preferredChoice(choices);
    if (choice < 0) return MidiImport::noNotesText();
    const QString text = importedScore(file, choices[choice].track, midiPath, notes, error);
    return error.isEmpty() ? writeScore(scorePath, text) : error;
}

QString writeScore(const QString& scorePath, const QString& text) {
    return AtomicFile::write(scorePath, GbkCodec::encode(text)) ? QString()
                                                                : cannotWrite(scorePath);
}

} // namespace MidiConversion
