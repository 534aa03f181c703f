#include "library/RecentFilesMenu.h"

#include "core/MainMenus.h"
#include "library/RecentFiles.h"

RecentFilesMenu::RecentFilesMenu(RecentFiles& recent, const MainMenus& menus, QObject* parent)
    : QObject(parent), recent_(recent), menus_(menus), menu_(menus.menu(Menu::RecentFiles)),
      firstEntryItem_(int(menu_.count())) {
    connect(&recent_, &RecentFiles::changed, this, &RecentFilesMenu::showList);
    // Queued: a command may rebuild the menu, which must not delete the action being triggered.
    MenuItem* clearOnExit = menus_.item(MenuEntry::RecentClearOnExit);
    connect(clearOnExit, &MenuItem::triggered, this,
            [clearOnExit] { clearOnExit->setChecked(!clearOnExit->checked()); }, Qt::QueuedConnection);
    connect(menus_.item(MenuEntry::RecentClear), &MenuItem::triggered, &recent_, &RecentFiles::clear,
            Qt::QueuedConnection);
    connect(&menu_, &MenuArray::triggered, this, &RecentFilesMenu::itemTriggered,
            Qt::QueuedConnection);
    showList();
}

void RecentFilesMenu::clearIfConfigured() {
    if (menus_.item(MenuEntry::RecentClearOnExit)->checked()) recent_.clear();
}

// Items that exist are reused, so that a score opened again only changes captions.
void RecentFilesMenu::showList() {
    const int n = recent_.count();
    menus_.item(MenuEntry::RecentClear)->setEnabled(n > 0);
    menus_.item(MenuEntry::RecentListSeparator)->setVisible(n > 0);
    menu_.truncate(firstEntryItem_ + n);
    for (int k = 0; k < n; ++k) {
        MenuItem* item = menu_.at(firstEntryItem_ + k);
        if (!item) item = menu_.append(recent_.caption(k));
        item->setCaption(recent_.caption(k));
        item->setChecked(false);
        item->setVisible(true);
        item->setEnabled(true);
    }
}

void RecentFilesMenu::itemTriggered(int index) {
    if (index < firstEntryItem_) return;
    const QString entry = recent_.lstRecentFullPath().value(index - firstEntryItem_);
    if (!entry.isEmpty()) emit openRequested(entry);
}
