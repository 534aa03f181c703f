// The Favorites menu following the favorites list.
#include "library/FavoritesMenu.h"
#include "core/MainMenus.h"
#include "library/ListPair.h"

#include "QStringPrinter.h"
#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class FavoritesMenuTest : public testing::Test {
protected:
    void add(const QString& entry, const QString& name) {
        favorites.AddListEntry(entry, name, ListPair::DuplicateTest::OnDisplayNames);
    }
    QStringList captions() const {
        QStringList out;
        // One item per favorite, after the menu's own.
        for (qsizetype i = MainMenus::entriesOf(Menu::Favorites).size(); i < menu.count(); ++i)
            out << menu.at(i)->caption();
        return out;
    }

    MainMenus menus;
    MenuArray& menu = menus.menu(Menu::Favorites);
    ListPair favorites;
    FavoritesMenu view{favorites, menus};
};

TEST_F(FavoritesMenuTest, WithoutFavoritesOnlyAddingIsOffered) {
    EXPECT_EQ(menu.count(), 3);
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesOrganize)->enabled());
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
}

TEST_F(FavoritesMenuTest, ARebuildShowsEveryNameInOrder) {
    add("/m/a.piano", "甲");
    add("/m/b.piano *7", "乙 & 丙");
    view.RebuildFavoritesMenu();
    EXPECT_EQ(captions(), QStringList({"甲", "乙 && 丙"}));
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesOrganize)->enabled());
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
}

TEST_F(FavoritesMenuTest, AdditionsJoinTheMenuAtTheNextRebuildOrWhenAMenuOpens) {
    add("/m/a.piano", "甲");
    view.RebuildFavoritesMenu();
    add("/m/b.piano", QString()); // as a scan into the favorites list does
    EXPECT_EQ(captions(), QStringList({"甲"}));
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
    view.rebuildIfStale();
    EXPECT_EQ(captions(), QStringList({"甲", "2.  b"}));
}

TEST_F(FavoritesMenuTest, RemovalsAndMovesRebuildOnceTheCommandIsDone) {
    for (const char* name : {"a", "b", "c", "d"})
        add(QString("/m/%1.piano").arg(name), name);
    view.RebuildFavoritesMenu();
    favorites.selectOnly(1);
    favorites.selectionModel()->select(favorites.index(2), QItemSelectionModel::Select);
    favorites.removeSelected();
    favorites.moveDown(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(captions(), QStringList({"d", "a"}));
    favorites.clear();
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesOrganize)->enabled()); // at once, not only after the rebuild
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
    QCoreApplication::processEvents();
    EXPECT_EQ(menu.count(), 3);
}

TEST_F(FavoritesMenuTest, ItemsAskForTheirCommandsAfterTheClickHasReturned) {
    add("/m/a.piano", "甲");
    add("/m/b.piano *57", "乙");
    view.RebuildFavoritesMenu();
    QSignalSpy adding(&view, &FavoritesMenu::addRequested);
    QSignalSpy organizing(&view, &FavoritesMenu::organizeRequested);
    QSignalSpy opening(&view, &FavoritesMenu::openRequested);
    menus.item(MenuEntry::FavoritesAdd)->trigger();
    menus.item(MenuEntry::FavoritesOrganize)->trigger();
    menu.at(MainMenus::entriesOf(Menu::Favorites).size() + 1)->trigger();
    EXPECT_EQ(adding.count() + organizing.count() + opening.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(adding.count(), 1);
    EXPECT_EQ(organizing.count(), 1);
    ASSERT_EQ(opening.count(), 1);
    EXPECT_EQ(opening[0][0].toString(), "/m/b.piano *57");
}

TEST_F(FavoritesMenuTest, AStoredFavoriteEnablesAddingAndOrganising) {
    menus.item(MenuEntry::FavoritesAdd)->setEnabled(false);
    add("/m/a.piano", "甲");
    view.favoriteAdded();
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesAdd)->enabled());
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesOrganize)->enabled());
    EXPECT_EQ(captions(), QStringList({"甲"}));
}

} // namespace
