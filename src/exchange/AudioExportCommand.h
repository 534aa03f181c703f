#pragma once
// File ▸ "导出为音频(&V)...": the loaded score as a WAV, FLAC or Ogg Vorbis file, of the type
// chosen in the save dialog, sounding as a fresh start of the program plays it.
#include "core/NoteTable.h"
#include "platform/AudioRenderer.h"
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"

class AudioExportCommand {
public:
    AudioExportCommand(AudioRenderer& renderer, const NoteTable& notes, FileDialogs& dialogs,
                       MessageSink& messages);

    static QString dialogTitle();
    static QString dialogFilter();

    // Asks for the file and writes the score at `scorePath` into it; nothing without a score
    // ("") or when the user cancels. False when no file was written (reported in an error box).
    bool exportScore(const QString& scorePath);

private:
    AudioRenderer& renderer_;
    const NoteTable& notes_;
    FileDialogs& dialogs_;
    MessageSink& messages_;
};
