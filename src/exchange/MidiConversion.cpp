#include "exchange/MidiConversion.h"

#include "core/ConversionFiles.h"
#include "exchange/MidiExport.h"
#include "midi/SmfReader.h"
#include "platform/AtomicFile.h"
#include "score/MelodyScoreWriter.h"
#include "score/ScoreFile.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QFileInfo>

#include <memory>

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

ImportForPlaying::Format playingFormat(const NoteTable& notes) {
    const auto read = [&notes](const QString& midiPath) {
        ImportForPlaying::Parts parts;
        const auto file = std::make_shared<const SmfFile>(readMidi(midiPath, parts.error));
        const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(*file);
        parts.preferred = MidiImport::preferredChoice(choices);
        if (parts.error.isEmpty() && parts.preferred < 0) parts.error = MidiImport::noNotesText();
        for (const MidiImport::MelodyChoice& choice : choices)
            parts.names << QStringLiteral("音轨 %1 通道 %2  %3（%4 个音符）")
                               .arg(choice.track + 1)
                               .arg(choice.channel + 1)
                               .arg(choice.name)
                               .arg(choice.notes);
        parts.scoreText = [file, choices, midiPath, &notes](int part, QString& error) {
            return importedScore(*file, choices[part], midiPath, notes, error);
        };
        return parts;
    };
    return {QStringLiteral("MIDI"), QStringLiteral("导入 MIDI 文件"),
            QStringLiteral("选择要导入旋律的音轨和通道："), read};
}

QString importMidiFile(const QString& midiPath, const QString& scorePath, const NoteTable& notes) {
    return ImportForPlaying::writePreferredPart(playingFormat(notes), midiPath, scorePath);
}

} // namespace MidiConversion
