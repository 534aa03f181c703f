#pragma once
// The main window's recent files, favorites and folder scanning: the recent-files submenu, the
// Favorites menu with its two dialogs, and the scan commands with the status bar they drive.
// The list bar's favorites and scan commands call the functions below.
#include "app/AppServices.h"
#include "library/CScanFiles.h"

#include <QObject>
#include <functional>

class FavoritesMenu;
class FileOpener;
class FolderScanCommands;
class ListPair;
class MainMenus;
class MenuBarView;
class PlaybackEngine;
class RecentFiles;
class RecentFilesMenu;
class StatusBarView;
class StatusLine;

class LibraryMenus : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const PlaybackEngine& engine;
        FileOpener& opener;
        ListPair& playingList;
        ListPair& favorites;
        RecentFiles& recentFiles;
        const MainMenus& menus;
        const AppServices& services;
        MenuBarView& menuBar;
        StatusBarView& statusBar;
        StatusLine& status;
        QWidget& window; // owns the dialogs
    };

    // Lives as a child of the window.
    explicit LibraryMenus(Parts parts);

    RecentFilesMenu& recentMenu() { return *recent_; }
    FavoritesMenu& favoritesMenu() { return *favorites_; }
    FolderScanCommands& scans() { return *scans_; }
    CScanFiles& scanFile() { return scanFile_; }
    QString favoritesFile() const;

    // Favorites menu item 0: the score being played; nothing without one.
    void addPlayingScoreToFavorites();
    // The playing list's "添加到收藏夹(&V)": its current item; nothing without one.
    void addToFavorites();
    // "整理收藏夹(&O)...", from the menu, the favorites list or F12.
    void organizeFavorites();
    // Items of the favorites list were deleted in the list bar; with `all` the favorites file
    // goes too.
    void favoritesDeleted(bool all);

    // Shutdown, before the settings are saved: "每次退出时自动清除".
    void clearRecentFilesIfConfigured();

    void addFolder();
    void searchAllDrives();
    void scanDroppedFolder(const QString& path);
    // intActiveList of the list bar, read for every score a scan finds.
    void setActiveList(std::function<int()> activeList);

private:
    void openEntry(const QString& entry);
    void showAddDialog(const QString& entry);

    Parts p_;
    CScanFiles scanFile_;
    RecentFilesMenu* recent_ = nullptr;
    FavoritesMenu* favorites_ = nullptr;
    FolderScanCommands* scans_ = nullptr;
};
