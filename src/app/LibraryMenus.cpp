#include "app/LibraryMenus.h"

#include "app/MenuBarView.h"
#include "app/StatusBarView.h"
#include "app/frmMain.h"
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

LibraryMenus::LibraryMenus(frmMain& main, MenuBarView& menuBar) : QObject(&main), main_(main) {
    MainMenus& menus = main.menus();
    recent_ = new RecentFilesMenu(main.recentFiles(), menus.mnuRecentFiles, this);
    connect(recent_, &RecentFilesMenu::openRequested, this, &LibraryMenus::openEntry);

    favorites_ = new FavoritesMenu(main.favorites(), menus.mnuFavoriteSubs, this);
    connect(favorites_, &FavoritesMenu::addRequested, this,
            &LibraryMenus::addPlayingScoreToFavorites);
    connect(favorites_, &FavoritesMenu::organizeRequested, this, &LibraryMenus::organizeFavorites);
    connect(favorites_, &FavoritesMenu::openRequested, this, &LibraryMenus::openEntry);
    connect(&menuBar, &MenuBarView::menuOpened, favorites_, &FavoritesMenu::rebuildIfStale);

    const AppServices& services = main.services();
    scans_ = new FolderScanCommands(scanFile_, main.playingList(), main.favorites(),
                                    services.fileDialogs, services.paths.GetAppPath(), this);
    QLabel* status = main.statusBar()->lblStatus;
    scans_->setStatusLine({[status] { return status->text(); },
                           [status](const QString& text) { status->setText(text); }});
    new ScanStopIcon(*scans_, main.statusBar()->imgFileIcon, Qt::PointingHandCursor, this);
}

QString LibraryMenus::favoritesFile() const {
    return FavoritesStore::path(main_.services().paths);
}

void LibraryMenus::openEntry(const QString& entry) {
    main_.opener().playAllFiles(entry, true, true);
}

void LibraryMenus::showAddDialog(const QString& entry) {
    const PlaybackEngine& engine = main_.engine();
    frmAddToFav dialog(
        main_.services().paths.iniFile(QStringLiteral("程序设置"), QStringLiteral(".INI")),
        main_.favorites(), *favorites_, [&engine] { return engine.lngCurrentRow(); }, &main_);
    dialog.setDraft(AddFavoriteDraft::forListItem(entry, engine.score().strPlayingFile,
                                                  engine.lngCurrentRow(),
                                                  dialog.chkRemenber->isChecked()));
    dialog.exec();
}

void LibraryMenus::addPlayingScoreToFavorites() {
    const QString playing = main_.engine().score().strPlayingFile;
    if (!playing.isEmpty()) showAddDialog(playing);
}

void LibraryMenus::addToFavorites() {
    const ListPair& list = main_.playingList();
    const QString entry = list.entry(list.currentRow());
    if (!entry.isEmpty()) showAddDialog(entry);
}

void LibraryMenus::organizeFavorites() {
    frmOrganizeFav dialog(main_.favorites(), *favorites_, main_.services().messages,
                          favoritesFile(), &main_);
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
