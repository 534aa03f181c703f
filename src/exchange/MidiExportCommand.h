#pragma once
// File ▸ "导出为 MIDI 文件(&M)...": the loaded score as a MIDI file, with the channel, velocity,
// key and instrument now chosen on the main window in force until its own rows change them.
#include "core/SoundSettings.h"
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"
#include "score/PlaybackEngine.h"

class MidiExportCommand {
public:
    MidiExportCommand(const PlaybackEngine& engine, const SoundSettings& sound,
                      FileDialogs& dialogs, MessageSink& messages);

    static QString dialogTitle();
    static QString dialogFilter();

    // Asks for the file and writes it; nothing without a score or when the user cancels. False,
    // reported in an error box, for a score without notes, a file that is the score itself or a
    // folder, and a file that could not be written.
    bool exportLoaded();

private:
    bool refuse(const QString& error);

    const PlaybackEngine& engine_;
    const SoundSettings& sound_;
    FileDialogs& dialogs_;
    MessageSink& messages_;
};
