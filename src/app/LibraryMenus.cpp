#include "app/LibraryMenus.h"

#include "app/MenuBarView.h"
#include "app/StatusBarView.h"
#include "library/FileOpener.h"
#include "library/ListPair.h"
#include "score/PlaybackEngine.h"
#include "library/AddFavoriteDraft.h"
#include "library/FavoritesMenu.h"
#include "library/FavoritesStore.h"
#include "library/FolderScanCommands.h"
#include "library/RecentFilesMenu.h"
#include "library/ScanStopIcon.h"
#include "library/frmAddToFav.h"
#include "library/frmOrganizeFav.h"

#include <QCheckBox>
#include <QLabel>

LibraryMenus::LibraryMenus(Parts parts) : QObject(&parts.window), p_(parts) {
    recent_ = new RecentFilesMenu(p_.recentFiles, p_.menus, this);
    connect(recent_, &RecentFilesMenu::openRequested, this, &LibraryMenus::openEntry);

    favorites_ = new FavoritesMenu(p_.favorites, p_.menus, this);
    connect(favorites_, &FavoritesMenu::addRequested, this,
            &LibraryMenus::addPlayingScoreToFavorites);
    connect(favorites_, &FavoritesMenu::organizeRequested, this, &LibraryMenus::organizeFavorites);
    connect(favorites_, &FavoritesMenu::openRequested, this, &LibraryMenus::openEntry);
    connect(&p_.menuBar, &MenuBarView::menuOpened, favorites_, &FavoritesMenu::rebuildIfStale);

    scans_ = new FolderScanCommands(scanFile_, p_.playingList, p_.favorites,
                                    p_.services.fileDialogs, p_.services.paths.GetAppPath(), this);
    scans_->setStatusLine(&p_.status);
    new ScanStopIcon(*scans_, p_.statusBar.imgFileIcon, Qt::PointingHandCursor, this);
}

QString LibraryMenus::favoritesFile() const {
    return FavoritesStore::path(p_.services.paths);
}

void LibraryMenus::openEntry(const QString& entry) {
    p_.opener.playAllFiles(entry, true, true);
}

void LibraryMenus::showAddDialog(const QString& entry) {
    const PlaybackEngine& engine = p_.engine;
    frmAddToFav dialog(
        p_.services.paths.iniFile(QStringLiteral("程序设置"), QStringLiteral(".INI")),
        p_.favorites, *favorites_, [&engine] { return engine.lngCurrentRow(); }, &p_.window);
    dialog.setDraft(AddFavoriteDraft::forListItem(entry, engine.score().strPlayingFile,
                                                  engine.lngCurrentRow(),
                                                  dialog.chkRemenber->isChecked()));
    dialog.exec();
}

void LibraryMenus::addPlayingScoreToFavorites() {
    const QString playing = p_.engine.score().strPlayingFile;
    if (!playing.isEmpty()) showAddDialog(playing);
}

void LibraryMenus::addToFavorites() {
    const ListPair& list = p_.playingList;
    const QString entry = list.entry(list.currentRow());
    if (!entry.isEmpty()) showAddDialog(entry);
}

void LibraryMenus::organizeFavorites() {
    frmOrganizeFav dialog(p_.favorites, *favorites_, p_.services.messages, favoritesFile(),
                          &p_.window);
    dialog.exec();
}

void LibraryMenus::favoritesDeleted(bool all) {
    favorites_->RebuildFavoritesMenu();
    if (all) FavoritesStore::remove(favoritesFile());
}

void LibraryMenus::clearRecentFilesIfConfigured() {
    recent_->clearIfConfigured();
}

void LibraryMenus::addFolder() {
    scans_->addFolder();
}

void LibraryMenus::searchAllDrives() {
    scans_->searchAllDrives();
}

void LibraryMenus::scanDroppedFolder(const QString& path) {
    scans_->scanDroppedFolder(path);
}

void LibraryMenus::setActiveList(std::function<int()> activeList) {
    scans_->setActiveList(std::move(activeList));
}
