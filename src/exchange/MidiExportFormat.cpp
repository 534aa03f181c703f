#include "exchange/MidiExportFormat.h"

#include "exchange/MidiConversion.h"
#include "exchange/MidiExport.h"

namespace MidiExportFormat {

ScoreExportCommand::Format of(const PlaybackEngine& engine, const SoundSettings& sound) {
    const auto refusal = [](const Score& score) {
        return MidiExport::hasNotes(score) ? QString() : MidiExport::noNotesText();
    };
    const auto write = [&engine, &sound](const QString& midiPath) {
        return MidiConversion::writeMidi(midiPath, loadedScoreMidi(engine, sound));
    };
    return {QStringLiteral("导出为 MIDI 文件..."),
            QStringLiteral("MIDI 文件(*.mid)|*.mid|所有文件(*.*)|*.*"), QStringLiteral("mid"),
            refusal, write};
}

QByteArray loadedScoreMidi(const PlaybackEngine& engine, const SoundSettings& sound) {
    const MidiExport::Sound now{sound.channel(), sound.intVelocity(), sound.intYindiao(),
                                sound.instrumentIndex()};
    return MidiExport::write(engine.score(), {engine.TempoBpm(), engine.BeatUnit()}, now);
}

} // namespace MidiExportFormat
