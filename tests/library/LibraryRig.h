#pragma once
// Opening files on the real playback engine and transport in virtual time: the playing list,
// the recent files and playAllFiles, with the transport's list moves played through the opener
// as the main window does.
#include "library/FileCommands.h"
#include "library/FileOpener.h"
#include "score/TransportRig.h"
#include "support/ScriptedFileDialogs.h"

class LibraryRig {
public:
    LibraryRig() {
        transport.setList(&opener);
        QObject::connect(&transport.transport, &Transport::playEntryRequested,
                         [this](const QString& entry) { opener.playAllFiles(entry, true, true); });
        opener.setSavedCaption(QStringLiteral("T"));
        QObject::connect(&opener, &FileOpener::captionChanged,
                         [this](const QString& caption) { captions << caption; });
    }

    // A score of `rows` rows (at least 3): a tempo and a metre row, then notes of the shortest
    // length, 150 ms each.
    QString score(const QString& name, int rows = 10) {
        QString text = QStringLiteral("$100\r\n?4/4");
        for (int i = 2; i < rows; ++i) text += QStringLiteral("\r\n1+16");
        return transport.rig.write(name, GbkCodec::encode(text));
    }
    QString file(const QString& name) const { return transport.rig.folder.file(name); }
    PlaybackEngine& engine() { return transport.rig.engine; }
    RecordingMessageSink& messages() { return transport.rig.messages; }
    QStringList texts() const { return transport.rig.messages.texts(); }

    TransportRig transport;
    ListPair playing;
    ListPair favorites;
    RecentFiles recent;
    ProgramOptions options;
    ScriptedFileDialogs dialogs;
    FileOpener opener{transport.rig.engine, playing, recent, options, transport.rig.messages};
    FileCommands commands{opener, transport.rig.engine, playing, options, transport.rig.messages, dialogs};
    QStringList captions;
};
