#pragma once
// Shows the menu model as the window's menu bar and as the lists' context menu. The model owns
// every state; a click only triggers the model's entry.
#include "core/MainMenus.h"

#include <QMenu>
#include <QMenuBar>

class MenuBarView : public QObject {
    Q_OBJECT
public:
    MenuBarView(MainMenus& menus, QMenuBar* bar, QWidget* owner);

    // The context menu of the lists, shown at the pointer by the lists.
    QMenu* popupMenu() const { return popup_; }

signals:
    // A menu of the menu bar opened or closed (playback pauses while one is open).
    void menuOpened();
    void menuClosed();

private:
    QMenu* buildMenu(MenuArray& array, QWidget* parent);
    void fillMenu(QMenu* menu, MenuArray& array);

    QMenu* popup_ = nullptr;
};
