#pragma once
// Opening a file of another format (MIDI, MusicXML) for playback, whatever the format: the user
// picks the part of the file to take when more than one holds notes (the one the format prefers
// offered first), the score made of it is kept in a folder named after the format beside the
// data folder "INI", named after the file, and every failure shows in an error box. The score
// then plays like any score and can be kept with File ▸ "另存为(&A)...".
#include "core/AppPaths.h"
#include "platform/ChoiceDialog.h"
#include "platform/MessageSink.h"

#include <QStringList>
#include <functional>

class ImportForPlaying {
public:
    // What a format read in one file.
    struct Parts {
        QString error;     // why the file cannot be opened; "" when it can
        QStringList names; // the parts that hold notes, as the user is offered them
        int preferred = 0; // a position in `names`
        // The score text of the part at a position in `names`; "" with `error` set on failure.
        std::function<QString(int part, QString& error)> scoreText;
    };
    struct Format {
        QString folderName;    // where the scores are kept, e.g. "MIDI"
        QString questionTitle; // the part question's title and prompt
        QString questionPrompt;
        std::function<Parts(const QString& path)> read;
    };

    ImportForPlaying(const AppPaths& paths, MessageSink& messages, ChoiceDialog& choice,
                     Format format);

    // The path of the score made of `path`; "" when the file was refused (a folder, the score's
    // own path, unreadable, without notes: each reported) or the user cancelled the choice of part.
    QString importForPlaying(const QString& path);

    // Without a window (the command line): the part the format prefers, written to `scorePath`;
    // "" or the message for the user, and nothing written on failure.
    static QString writePreferredPart(const Format& format, const QString& path,
                                      const QString& scorePath);

private:
    QString refuse(const QString& error);

    const AppPaths& paths_;
    MessageSink& messages_;
    ChoiceDialog& choice_;
    Format format_;
};
