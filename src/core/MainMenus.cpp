#include "core/MainMenus.h"

MainMenus::MainMenus(QObject* parent) : QObject(parent) {
#define TONVALE_MAKE_MENU(name, caption)                                                           \
    menus_[std::size_t(Menu::name)] = new MenuArray(QStringLiteral(caption), this);
    TONVALE_MENUS(TONVALE_MAKE_MENU)
#undef TONVALE_MAKE_MENU

#define TONVALE_ADD_ENTRY(in, name, caption, shortcut)                                             \
    items_[std::size_t(MenuEntry::name)] =                                                         \
        menu(Menu::in).append(QStringLiteral(caption), QStringLiteral(shortcut));
#define TONVALE_ADD_SUBMENU(in, name, submenu)                                                     \
    items_[std::size_t(MenuEntry::name)] = menu(Menu::in).append(menu(Menu::submenu).caption());   \
    items_[std::size_t(MenuEntry::name)]->setSubmenu(&menu(Menu::submenu));
#define TONVALE_ADD_SEPARATOR(in) menu(Menu::in).append(QStringLiteral("-"));
    TONVALE_MENU_ENTRIES(TONVALE_ADD_ENTRY, TONVALE_ADD_SUBMENU, TONVALE_ADD_SEPARATOR)
#undef TONVALE_ADD_ENTRY
#undef TONVALE_ADD_SUBMENU
#undef TONVALE_ADD_SEPARATOR
}

QList<MenuEntry> MainMenus::entriesOf(Menu menu) {
    QList<MenuEntry> entries;
#define TONVALE_IF_IN(in, name, ...)                                                               \
    if (menu == Menu::in) entries << MenuEntry::name;
#define TONVALE_SKIP(in)
    TONVALE_MENU_ENTRIES(TONVALE_IF_IN, TONVALE_IF_IN, TONVALE_SKIP)
#undef TONVALE_IF_IN
#undef TONVALE_SKIP
    return entries;
}

QList<MenuArray*> MainMenus::menuBar() const {
    return {&menu(Menu::File), &menu(Menu::Play), &menu(Menu::View), &menu(Menu::Favorites),
            &menu(Menu::Help)};
}

QList<MenuItem*> MainMenus::rememberedChecks() const {
    QList<MenuItem*> items{item(MenuEntry::RecentClearOnExit)};
    for (MenuEntry entry : {MenuEntry::ViewProgressBar, MenuEntry::ViewControlBar,
                            MenuEntry::ViewListBar, MenuEntry::ViewStatusBar})
        items << item(entry);
    for (MenuEntry entry : kTopmostRules)
        items << item(entry);
    for (MenuEntry entry : kListModes)
        items << item(entry);
    items << item(MenuEntry::VolumeMute);
    for (MenuEntry entry : kCompletionActions)
        items << item(entry);
    items << item(MenuEntry::ViewScoreBar);
    for (MenuEntry entry : kKeyLabelModes)
        items << item(entry);
    items << item(MenuEntry::PlayPractice) << item(MenuEntry::PlayPolyphonic);
    for (MenuEntry entry : kSpeeds)
        items << item(entry);
    for (MenuEntry entry : kPracticeWays)
        items << item(entry);
    return items;
}
