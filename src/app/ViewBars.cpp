#include "app/ViewBars.h"

#include "app/BottomContainer.h"
#include "core/MainMenus.h"
#include "core/Twips.h"

#include <QWidget>

ViewBars::ViewBars(const MainMenus& menus, BottomContainer& container, QWidget& window)
    : QObject(&window) {
    for (std::size_t i = 0; i < MainMenus::kBarToggles.size(); ++i) {
        const auto bar = BottomContainerLayout::Bar(i);
        MenuItem* item = menus.item(MainMenus::kBarToggles[i]);
        menus.makeToggle(MainMenus::kBarToggles[i], this);
        connect(item, &MenuItem::triggered, this, [item, bar, &container, &window] {
            container.setBarVisible(bar, item->checked());
            const int change = twipsToPixels(BottomContainer::barHeightTwips(bar));
            window.resize(window.width(), window.height() + (item->checked() ? change : -change));
        });
    }
}
