#include "exchange/MusicXmlConversion.h"

#include "core/ConversionFiles.h"
#include "exchange/MidiExport.h"
#include "exchange/MusicXmlImport.h"
#include "exchange/MusicXmlReader.h"
#include "platform/AtomicFile.h"
#include "score/MelodyScoreWriter.h"
#include "score/ScoreFile.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QFileInfo>

#include <memory>

namespace MusicXmlConversion {

QString exportScoreFile(const QString& scorePath, const QString& xmlPath, const NoteTable& notes) {
    const ScoreFile::ReadResult file = ScoreFile::readWhole(scorePath);
    if (file.error != ScoreFile::ReadError::None) return ScoreFile::errorText(file.error);
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(ScoreText::decode(file.bytes), notes, wide, score);
    MusicXmlExport::Sound sound;
    if (!score.InstrumentChanges.isEmpty()) sound.instrument = score.InstrumentChanges.at(0).value;
    if (!score.KeyChanges.isEmpty()) sound.pitchShift = score.KeyChanges.at(0).value;
    return writeMusicXml(xmlPath, score, wide, sound, QFileInfo(scorePath).completeBaseName());
}

QString writeMusicXml(const QString& xmlPath, const Score& score, const ScoreWideValues& wide,
                      const MusicXmlExport::Sound& sound, const QString& title) {
    const QByteArray xml = MusicXmlExport::write(score, wide, sound, title);
    if (xml.isEmpty()) return MusicXmlExport::noNotesText();
    return AtomicFile::write(xmlPath, xml) ? QString() : ConversionFiles::cannotWrite(xmlPath);
}

ScoreExportCommand::Format exportFormat(const PlaybackEngine& engine, const SoundSettings& sound) {
    const auto refusal = [](const Score& score) {
        return MidiExport::hasNotes(score) ? QString() : MusicXmlExport::noNotesText();
    };
    const auto write = [&engine, &sound](const QString& xmlPath) {
        const Score& score = engine.score();
        return writeMusicXml(xmlPath, score, {engine.TempoBpm(), engine.BeatUnit()},
                             {sound.intYindiao(), sound.instrumentIndex()},
                             QFileInfo(score.strPlayingFile).completeBaseName());
    };
    return {QStringLiteral("导出为 MusicXML..."),
            QStringLiteral("MusicXML 文件(*.musicxml)|*.musicxml|所有文件(*.*)|*.*"),
            QStringLiteral("musicxml"), refusal, write};
}

ImportForPlaying::Format playingFormat(const NoteTable& notes) {
    const auto read = [&notes](const QString& xmlPath) {
        ImportForPlaying::Parts parts;
        MusicXmlReader::Result read = MusicXmlReader::readFile(xmlPath);
        parts.error = MusicXmlReader::errorText(read);
        const auto file = std::make_shared<const MusicXmlFile>(std::move(read.file));
        const QList<MusicXmlImport::PartChoice> choices = MusicXmlImport::partsWithNotes(*file);
        parts.preferred = int(MusicXmlImport::preferredChoice(choices));
        if (parts.error.isEmpty() && parts.preferred < 0) parts.error = MusicXmlImport::noNotesText();
        for (const MusicXmlImport::PartChoice& part : choices)
            parts.names << QStringLiteral("声部 %1  %2（%3 个音符）").arg(part.part + 1).arg(part.name).arg(part.notes);
        parts.scoreText = [file, choices, xmlPath, &notes](int part, QString& error) {
            const ImportedMelody melody = MusicXmlImport::melody(*file, choices[part].part,
                                                                 QFileInfo(xmlPath).completeBaseName());
            const QString text = MelodyScoreWriter::scoreText(melody, notes);
            error = text.isEmpty() ? MusicXmlImport::noNotesText() : QString();
            return text;
        };
        return parts;
    };
    return {QStringLiteral("MusicXML"), QStringLiteral("导入 MusicXML 文件"),
            QStringLiteral("选择要导入旋律的声部："), read};
}

QString importMusicXmlFile(const QString& xmlPath, const QString& scorePath, const NoteTable& notes) {
    return ImportForPlaying::writePreferredPart(playingFormat(notes), xmlPath, scorePath);
}

} // namespace MusicXmlConversion
