#pragma once
// A File-menu export of the loaded score into another format (MIDI, MusicXML): nothing without a
// score or when the user cancels the save dialog; a score the format cannot carry is refused
// before a file is asked for; the score file itself is never replaced by its export; the format
// writes the file; a failure shows in an error box.
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"
#include "score/PlaybackEngine.h"

#include <functional>

class ScoreExportCommand {
public:
    struct Format {
        QString dialogTitle;
        QString dialogFilter; // as FileDialogs takes it
        QString defaultSuffix;
        // Why the loaded score cannot be exported (such as a score without notes); "" when it can.
        std::function<QString(const Score& score)> refusal;
        // Writes the loaded score to the path: "" or the message for the user.
        std::function<QString(const QString& path)> write;
    };

    ScoreExportCommand(const PlaybackEngine& engine, FileDialogs& dialogs, MessageSink& messages,
                       Format format);

    // False when no file was written for a reason shown in an error box.
    bool exportLoaded();

private:
    bool refuse(const QString& error);

    const PlaybackEngine& engine_;
    FileDialogs& dialogs_;
    MessageSink& messages_;
    Format format_;
};
