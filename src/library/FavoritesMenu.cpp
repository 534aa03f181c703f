#include "library/FavoritesMenu.h"

#include "core/MainMenus.h"
#include "library/ListPair.h"

#include <QSignalBlocker>

FavoritesMenu::FavoritesMenu(ListPair& favorites, const MainMenus& menus, QObject* parent)
    : QObject(parent), favorites_(favorites), menus_(menus), menu_(menus.menu(Menu::Favorites)),
      firstFavoriteItem_(int(menu_.count())) {
    connect(&favorites_, &ListPair::rowsInserted, this, &FavoritesMenu::showWhetherAny);
    // A removal or a move would leave items that open another favorite than they name; several
    // removals in one command (a multiple selection) give one rebuild.
    connect(&favorites_, &ListPair::rowsRemoved, this, &FavoritesMenu::scheduleRebuild);
    connect(&favorites_, &ListPair::rowsMoved, this, &FavoritesMenu::scheduleRebuild);
    connect(&favorites_, &ListPair::modelReset, this, &FavoritesMenu::scheduleRebuild);
    // Queued: a command may rebuild the menu, which must not delete the action being triggered.
    connect(menus_.item(MenuEntry::FavoritesAdd), &MenuItem::triggered, this,
            &FavoritesMenu::addRequested, Qt::QueuedConnection);
    connect(menus_.item(MenuEntry::FavoritesOrganize), &MenuItem::triggered, this,
            &FavoritesMenu::organizeRequested, Qt::QueuedConnection);
    connect(&menu_, &MenuArray::triggered, this, &FavoritesMenu::itemTriggered,
            Qt::QueuedConnection);
    RebuildFavoritesMenu();
}

void FavoritesMenu::showWhetherAny() {
    menus_.item(MenuEntry::FavoritesOrganize)->setEnabled(!favorites_.isEmpty());
    menus_.item(MenuEntry::FavoritesListSeparator)->setVisible(!favorites_.isEmpty());
}

// An "&" in a name shows as itself, not as an access key.
QString FavoritesMenu::caption(const QString& displayName) {
    QString text = displayName;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void FavoritesMenu::RebuildFavoritesMenu() {
    rebuildPending_ = false;
    const int n = favorites_.count();
    const qsizetype before = menu_.count();
    {
        // A shown menu refills itself at every change of the array: one refill for the whole
        // rebuild instead of one per item keeps a long list of favorites linear.
        const QSignalBlocker quiet(&menu_);
        menu_.truncate(firstFavoriteItem_ + n);
        for (int k = 0; k < n; ++k) {
            MenuItem* item = menu_.at(firstFavoriteItem_ + k);
            const QString text = caption(favorites_.displayText(k));
            if (!item) item = menu_.append(text);
            item->setCaption(text);
            item->setVisible(true);
            item->setEnabled(true);
        }
    }
    if (menu_.count() != before) emit menu_.itemsChanged();
    showWhetherAny();
}

void FavoritesMenu::rebuildIfStale() {
    if (menu_.count() != firstFavoriteItem_ + favorites_.count()) RebuildFavoritesMenu();
}

void FavoritesMenu::favoriteAdded() {
    RebuildFavoritesMenu();
    menus_.item(MenuEntry::FavoritesAdd)->setEnabled(true);
}

void FavoritesMenu::scheduleRebuild() {
    showWhetherAny();
    if (rebuildPending_) return;
    rebuildPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (rebuildPending_) RebuildFavoritesMenu();
        },
        Qt::QueuedConnection);
}

void FavoritesMenu::itemTriggered(int index) {
    if (index < firstFavoriteItem_) return;
    const QString entry = favorites_.entry(index - firstFavoriteItem_);
    if (!entry.isEmpty()) emit openRequested(entry);
}
