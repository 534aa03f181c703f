#pragma once
// The main window's part of opening files and of the lists: the list bar in picListBar, the File
// menu commands, the lists' context menu, "清除播放列表", files dropped on the window, and the
// playing list kept between runs.
#include "app/AppServices.h"
#include "library/FileCommands.h"

#include <QObject>
#include <functional>

class BottomContainer;
class ListBar;
class MainMenus;
class NoteTable;
class PracticeRecord;
class QMenu;
class RecentFiles;
class SoundSettings;
class Transport;

class LibraryController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        FileOpener& opener;
        PlaybackEngine& engine;
        ListPair& playingList;
        ListPair& favorites;
        const RecentFiles& recentFiles;
        const ProgramOptions& options;
        MainMenus& menus;
        Transport& transport;
        const SoundSettings& sound;
        const NoteTable& noteTable;
        PracticeRecord& practiceRecord; // the best and last run in the properties
        const AppServices& services;
        QWidget& window; // takes the drops, owns the dialogs
        BottomContainer& container;
        QMenu* popupMenu; // null: no context menu is shown
    };

    // Lives as a child of the window. `findEditor` gives the desktop's plain-text editor ("" when
    // there is none).
    LibraryController(Parts parts, std::function<QString()> findEditor);

    ListBar* listBar() const { return listBar_; }
    FileCommands& commands() { return commands_; }

    // "编辑乐谱(&E)" for an entry; false when no editor could be started.
    bool editScore(const QString& entry);
    void showProperties(const QString& entry);

signals:
    // A folder dropped on the main window, ending in a separator.
    void folderDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireFileMenu();
    void wireListBar();
    QString tooltipText(const QString& entry) const;
    void reportError(const QString& text);

    Parts p_;
    ListBar* listBar_ = nullptr;
    FileCommands commands_;
    std::function<QString()> findEditor_;
};
