#pragma once
// Every menu of the main window, with the captions and indexes that the commands, the settings
// file (which keys menu checks by caption) and the window hook refer to.
#include "core/MenuArray.h"

class MainMenus : public QObject {
    Q_OBJECT
public:
    // Entries of the Play menu added after its first nine.
    enum PlayEntry { PlayPolyphonic = 10 };

    explicit MainMenus(QObject* parent = nullptr);

    // Top level, in menu-bar order.
    MenuArray mnuFileSubs;
    MenuArray mnuPlaySubs;
    MenuArray mnuViewSubs;
    MenuArray mnuFavoriteSubs;
    MenuArray mnuHelpSubs;
    // Submenus.
    MenuArray mnuRecentFiles;       // File 2
    MenuArray mnuPlayListSubs;      // Play 4
    MenuArray mnuVolumeSubs;        // Play 6
    MenuArray mnuPlayCompletedSubs; // Play 8
    MenuArray mnuTopmostSubs;       // View 5
    // The lists' context menu, never in the menu bar.
    MenuArray mnuPopupSubs;

    QList<MenuArray*> menuBar() { return {&mnuFileSubs, &mnuPlaySubs, &mnuViewSubs, &mnuFavoriteSubs, &mnuHelpSubs}; }
    // The nineteen entries whose checks the settings file keeps, in the order it reads them.
    QList<MenuItem*> rememberedChecks() const;
    // Checks `item` and unchecks the other entries of its group (the items given).
    static void checkOnly(MenuItem* item, const QList<MenuItem*>& group);
};
