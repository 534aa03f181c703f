#include "library/RecentFilesMenu.h"

#include "core/MenuArray.h"
#include "library/RecentFiles.h"

RecentFilesMenu::RecentFilesMenu(RecentFiles& recent, MenuArray& mnuRecentFiles, QObject* parent)
    : QObject(parent), recent_(recent), menu_(mnuRecentFiles) {
    connect(&recent_, &RecentFiles::changed, this, &RecentFilesMenu::showList);
    // Queued: a command may rebuild the menu, which must not delete the action being triggered.
    connect(&menu_, &MenuArray::triggered, this, &RecentFilesMenu::itemTriggered,
            Qt::QueuedConnection);
    showList();
}

void RecentFilesMenu::clearIfConfigured() {
    if (menu_(0)->checked()) recent_.clear();
}

// Items that exist are reused, so that a score opened again only changes captions.
void RecentFilesMenu::showList() {
    const int n = recent_.count();
    menu_(1)->setEnabled(n > 0);
    menu_(2)->setVisible(n > 0);
    menu_.truncate(firstEntryItem + n);
    for (int k = 0; k < n; ++k) {
        MenuItem* item = menu_(firstEntryItem + k);
        if (!item) item = menu_.append(recent_.caption(k));
        item->setCaption(recent_.caption(k));
        item->setChecked(false);
        item->setVisible(true);
        item->setEnabled(true);
    }
}

void RecentFilesMenu::itemTriggered(int index) {
    if (index == 0) {
        menu_(0)->setChecked(!menu_(0)->checked());
    } else if (index == 1) {
        recent_.clear();
    } else if (index >= firstEntryItem) {
        const QString entry = recent_.lstRecentFullPath().value(index - firstEntryItem);
        if (!entry.isEmpty()) emit openRequested(entry);
    }
}
