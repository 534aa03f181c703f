#pragma once
// File ▸ "导出为音频(&V)...": the loaded score as a WAV, FLAC or Ogg Vorbis file, of the type
// chosen in the save dialog, sounding as the main window plays it (its channel, velocity, key and
// instrument in force until the score's own rows change them), as the MIDI export writes it.
#include "core/SoundSettings.h"
#include "exchange/ScoreExportCommand.h"
#include "platform/AudioRenderer.h"

namespace AudioExportFormat {

ScoreExportCommand::Format of(const PlaybackEngine& engine, const SoundSettings& sound,
                              AudioRenderer& renderer);

} // namespace AudioExportFormat
