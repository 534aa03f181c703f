#pragma once
// The one operation through which every file is opened (playAllFiles): a score is loaded and
// becomes the current entry of the playing list and the newest recent file; a playlist fills the
// playing list and opens its first entry.
#include "library/ListPair.h"
#include "library/RecentFiles.h"
#include "platform/MessageSink.h"
#include "score/PlayingListView.h"
#include "core/ProgramOptions.h"

#include <functional>

class PlaybackEngine;

class FileOpener : public QObject, public PlayingListView {
    Q_OBJECT
public:
    FileOpener(PlaybackEngine& engine, ListPair& playingList, RecentFiles& recentFiles,
               const ProgramOptions& options, MessageSink& messages, QObject* parent = nullptr);

    // Returns the row count of the score loaded afterwards (unchanged when nothing was loaded). A
    // score that exists but cannot be read is reported and joins neither the list nor the recent
    // files; the caption and the playing score stay.
    qint32 playAllFiles(const QString& strFileName, bool blnRestart, bool blnAddRecent);
    // Appends the playlist's entries to the playing list (emptied first under option 2) and opens
    // the top of the whole list. A list that is still empty, or whose top entry names a missing
    // file, shows the missing-file message and loads nothing.
    qint32 LoadPlaylistFile(const QString& path);

    // A file of another format (MIDI, MusicXML) that plays as the score made of it, which takes
    // its place in the lists. Without an import that opens it, a file is of an unknown format.
    struct FileImport {
        std::function<bool(const QString& path)> opens; // by the file's name
        // The score's path; "" when the file was refused (and reported) or the user cancelled.
        std::function<QString(const QString& path)> importForPlaying;
    };
    void addImport(FileImport import) { imports_.append(std::move(import)); }

    // The window caption of the main window as designed; the title option builds on it.
    void setSavedCaption(const QString& caption) { savedCaption_ = caption; }

    // PlayingListView: the engine's and the transport's view of the playing list.
    int count() const override { return playingList_.count(); }
    bool hasSelection() const override { return playingList_.selectedCount() > 0; }
    int intPlayingIndex() const override { return intPlayingIndex_; }
    QString entry(int index) const override { return playingList_.entry(index); }

signals:
    void captionChanged(const QString& caption);

private:
    void markPlaying(const QString& entry);
    void showTitle();
    void reportMissing();

    PlaybackEngine& engine_;
    ListPair& playingList_;
    RecentFiles& recentFiles_;
    const ProgramOptions& options_;
    MessageSink& messages_;
    QString savedCaption_;
    QList<FileImport> imports_;
    int intPlayingIndex_ = 0;
};
