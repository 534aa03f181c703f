#include "app/MenuBarView.h"

#include <QAction>

namespace {
void showItem(QAction* action, const MenuItem* item) {
    action->setText(item->caption());
    action->setCheckable(item->checked());
    action->setChecked(item->checked());
    action->setEnabled(item->enabled());
    action->setVisible(item->visible());
}
} // namespace

MenuBarView::MenuBarView(MainMenus& menus, QMenuBar* bar, QWidget* owner) : QObject(owner) {
    for (MenuArray* array : menus.menuBar()) {
        QMenu* menu = buildMenu(*array, bar);
        bar->addMenu(menu);
        connect(menu, &QMenu::aboutToShow, this, &MenuBarView::menuOpened);
        connect(menu, &QMenu::aboutToHide, this, &MenuBarView::menuClosed);
    }
    popup_ = buildMenu(menus.menu(Menu::Popup), owner);
}

QMenu* MenuBarView::buildMenu(MenuArray& array, QWidget* parent) {
    auto* menu = new QMenu(array.caption(), parent);
    fillMenu(menu, array);
    connect(&array, &MenuArray::itemsChanged, menu, [this, menu, &array] { fillMenu(menu, array); });
    return menu;
}

void MenuBarView::fillMenu(QMenu* menu, MenuArray& array) {
    menu->clear();
    for (qsizetype i = 0; i < array.count(); ++i) {
        MenuItem* item = array.at(i);
        if (item->isSeparator()) {
            QAction* separator = menu->addSeparator();
            separator->setVisible(item->visible());
            connect(item, &MenuItem::changed, separator, [separator, item] { separator->setVisible(item->visible()); });
            continue;
        }
        QAction* action = item->submenu() ? menu->addMenu(buildMenu(*item->submenu(), menu))
                                          : menu->addAction(item->caption());
        if (!item->shortcut().isEmpty()) action->setShortcut(QKeySequence(item->shortcut()));
        showItem(action, item);
        connect(item, &MenuItem::changed, action, [action, item] { showItem(action, item); });
        if (!item->submenu())
            connect(action, &QAction::triggered, item, [action, item] {
                item->trigger();
                showItem(action, item); // the model, not Qt's own toggling, decides the check
            });
    }
}
