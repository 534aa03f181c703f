#pragma once
// The commands that bring files in or take copies out: File ▸ Open (also "添加文件(&F)..."),
// the open-location dialog's OK, files dropped on the main window, Save a copy, and saving and
// opening playlists. Each ends in playAllFiles for what it opens.
#include "library/FileOpener.h"
#include "platform/FileDialogs.h"

class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(FileOpener& opener, PlaybackEngine& engine, ListPair& playingList,
                 const ProgramOptions& options, MessageSink& messages, FileDialogs& dialogs,
                 QObject* parent = nullptr);

    static const QString kOpenFilter;

    // File ▸ Open with `activeList` (intActiveList 0 or 1, the list `active`): asks for files,
    // adds them and opens the first.
    void open(int activeList, ListPair& active);
    // What Open does with the chosen paths.
    void openChosen(const QStringList& paths, int activeList, ListPair& active);
    // The open-location dialog's OK with the typed text.
    void openLocation(const QString& text);
    // Dropped items in the order given: folders are announced, scores and playlists join the
    // playing list (emptied once first under option 2), and the first item is opened when it is
    // a score or a playlist; anything else is passed over.
    void dropItems(const QStringList& paths);
    // File ▸ Save a copy of the loaded score; false when a chosen copy could not be written.
    bool saveCopy();
    // "保存播放列表(&L)...": always the playing list, whichever list is active.
    bool savePlaylist();
    // "打开播放列表(&O)...".
    void openPlaylist();
    // Copies `source` to `target` whole or not at all, replacing `target`; copying a file onto
    // itself leaves it as it is.
    static bool copyFile(const QString& source, const QString& target);

signals:
    // A dropped folder, ending in a separator, to be scanned into the active list.
    void folderDropped(const QString& path);

private:
    void reportWriteError();

    FileOpener& opener_;
    PlaybackEngine& engine_;
    ListPair& playingList_;
    const ProgramOptions& options_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
};
