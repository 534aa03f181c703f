#include "exchange/MidiConversion.h"

#include "core/ConversionFiles.h"
#include "exchange/MidiExport.h"
#include "midi/SmfReader.h"
#include "platform/AtomicFile.h"
#include "platform/GbkCodec.h"
#include "score/MelodyScoreWriter.h"
#include "score/ScoreFile.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QFileInfo>

namespace MidiConversion {
namespace {

struct ParsedScore {
    Score score;
    ScoreWideValues wide;
};

ParsedScore parsed(const QString& text, const NoteTable& notes) {
    ParsedScore parsed;
    ScoreParser::parse(text, notes, parsed.wide, parsed.score);
    ScoreTiming::analyse(parsed.score, parsed.wide);
    return parsed;
}

QByteArray midiOf(const ParsedScore& parsed) {
    const Score& score = parsed.score;
    MidiExport::Sound sound;
    if (!score.InstrumentChanges.isEmpty()) sound.instrument = score.InstrumentChanges.at(0).value;
    if (!score.KeyChanges.isEmpty()) sound.pitchShift = score.KeyChanges.at(0).value;
    return MidiExport::write(score, parsed.wide, sound);
}

} // namespace

QString exportScoreFile(const QString& scorePath, const QString& midiPath, const NoteTable& notes) {
    const ScoreFile::ReadResult file = ScoreFile::readWhole(scorePath);
    if (file.error != ScoreFile::ReadError::None) return ScoreFile::errorText(file.error);
    const ParsedScore score = parsed(ScoreText::decode(file.bytes), notes);
    if (!MidiExport::hasNotes(score.score)) return MidiExport::noNotesText();
    return writeMidi(midiPath, midiOf(score));
}

QByteArray scoreMidi(const QString& text, const NoteTable& notes) {
    return midiOf(parsed(text, notes));
}

QString writeMidi(const QString& midiPath, const QByteArray& midi) {
    return AtomicFile::write(midiPath, midi) ? QString() : ConversionFiles::cannotWrite(midiPath);
}

SmfFile readMidi(const QString& midiPath, QString& error) {
    SmfReader::Result read = SmfReader::readFile(midiPath);
    error = SmfReader::errorText(read.error);
    return read.error == SmfReader::Error::None ? std::move(read.file) : SmfFile();
}

QString importedScore(const SmfFile& file, const MidiImport::MelodyChoice& voice,
                      const QString& midiPath, const NoteTable& notes, QString& error) {
    const QString text = MelodyScoreWriter::scoreText(
        MidiImport::melody(file, voice, QFileInfo(midiPath).completeBaseName()), notes);
    error = text.isEmpty() ? MidiImport::noNotesText() : QString();
    return text;
}

QString importMidiFile(const QString& midiPath, const QString& scorePath, const NoteTable& notes) {
    QString error;
    const SmfFile file = readMidi(midiPath, error);
    if (!error.isEmpty()) return error;
    const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(file);
    const int choice = MidiImport::preferredChoice(choices);
    if (choice < 0) return MidiImport::noNotesText();
    const QString text = importedScore(file, choices[choice], midiPath, notes, error);
    return error.isEmpty() ? writeScore(scorePath, text) : error;
}

QString writeScore(const QString& scorePath, const QString& text) {
    return AtomicFile::write(scorePath, GbkCodec::encode(text))
               ? QString()
               : ConversionFiles::cannotWrite(scorePath);
}

} // namespace MidiConversion
