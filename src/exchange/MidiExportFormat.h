#pragma once
// File ▸ "导出为 MIDI 文件(&M)...": the loaded score as a MIDI file, with the channel, velocity,
// key and instrument now chosen on the main window in force until its own rows change them.
#include "core/SoundSettings.h"
#include "exchange/ScoreExportCommand.h"

namespace MidiExportFormat {

ScoreExportCommand::Format of(const PlaybackEngine& engine, const SoundSettings& sound);

// The MIDI file of the loaded score as the main window now plays it, for every export that
// sounds it.
QByteArray loadedScoreMidi(const PlaybackEngine& engine, const SoundSettings& sound);

} // namespace MidiExportFormat
