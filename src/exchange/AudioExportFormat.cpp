#include "exchange/AudioExportFormat.h"

#include "exchange/AudioExport.h"
#include "exchange/MidiExport.h"
#include "exchange/MidiExportFormat.h"

namespace AudioExportFormat {

ScoreExportCommand::Format of(const PlaybackEngine& engine, const SoundSettings& sound,
                              AudioRenderer& renderer) {
    const auto refusal = [](const Score& score) {
        return MidiExport::hasNotes(score) ? QString() : AudioExport::nothingSoundsText();
    };
    const auto write = [&engine, &sound, &renderer](const QString& audioPath) {
        return AudioExport::exportMidi(MidiExportFormat::loadedScoreMidi(engine, sound), audioPath,
                                       renderer);
    };
    return {QStringLiteral("导出为音频..."),
            QStringLiteral("WAV 音频(*.wav)|*.wav|FLAC 音频(*.flac)|*.flac|"
                           "Ogg Vorbis 音频(*.ogg)|*.ogg"),
            QStringLiteral("wav"), refusal, write};
}

} // namespace AudioExportFormat
