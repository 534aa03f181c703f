#pragma once
// The Favorites menu over the favorites list: "添加到收藏夹(&A)...", "整理收藏夹(&O)...", a
// separator, then one item per favorite showing its display name. The organise item and the
// separator follow whether favorites exist; the items of the favorites follow every removal and
// move of the list, and additions once the menu is rebuilt.
#include <QObject>

class ListPair;
class MainMenus;
class MenuArray;

class FavoritesMenu : public QObject {
    Q_OBJECT
public:
    FavoritesMenu(ListPair& favorites, const MainMenus& menus, QObject* parent = nullptr);

    // The caption of a favorite's item: its display name, an "&" doubled.
    static QString caption(const QString& displayName);
    // One item per favorite after the menu's own, captioned with its display name, visible and
    // enabled. Items that exist are reused.
    void RebuildFavoritesMenu();
    // Rebuilds when favorites were added since the last rebuild (as by a scan while the
    // favorites list was active, or by reading the favorites file), so that an opened menu shows
    // every favorite.
    void rebuildIfStale();
    // The add dialog stored a new favorite: it joins the menu, and adding and organising are
    // offered.
    void favoriteAdded();

signals:
    void addRequested();
    void organizeRequested();
    void openRequested(const QString& entry);

private:
    void showWhetherAny();
    void scheduleRebuild();
    void itemTriggered(int index);

    ListPair& favorites_;
    const MainMenus& menus_;
    MenuArray& menu_;
    // The items of the favorites follow the menu's own.
    const int firstFavoriteItem_;
    bool rebuildPending_ = false;
};
