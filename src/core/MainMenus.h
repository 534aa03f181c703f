#pragma once
// Every menu of the main window, with the captions and indexes that the commands, the settings
// file (which keys menu checks by caption) and the window hook refer to.
#include "core/MenuArray.h"

class MainMenus : public QObject {
    Q_OBJECT
public:
    // Entries added after the File menu's original ones, whose indexes stay as they were.
    enum FileItem { kFileExportMidi = 11 };
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
    MenuArray mnuKeyLabelSubs;      // View ▸ 键名, in the order of KeyLabels::Mode
    // The lists' context menu, never in the menu bar.
    MenuArray mnuPopupSubs;

    // Entries appended after those the commands address by index.
    MenuItem* mnuScoreBar = nullptr;  // View ▸ 乐谱栏, checkable
    MenuItem* mnuKeyLabels = nullptr; // View ▸ 键名
    MenuItem* mnuPractice = nullptr;  // Play ▸ 跟弹, checkable

    QList<MenuArray*> menuBar() { return {&mnuFileSubs, &mnuPlaySubs, &mnuViewSubs, &mnuFavoriteSubs, &mnuHelpSubs}; }
    // The entries whose checks the settings file keeps, in the order it reads them: the eighteen
    // of the original file, then those added since.
    QList<MenuItem*> rememberedChecks() const;
    // Checks `item` and unchecks the other entries of its group (the items given).
    static void checkOnly(MenuItem* item, const QList<MenuItem*>& group);
};
