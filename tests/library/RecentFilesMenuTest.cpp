// The recent-files submenu following the recent list, and its commands.
#include "library/RecentFilesMenu.h"
#include "core/MainMenus.h"
#include "library/RecentFiles.h"

#include "QStringPrinter.h"
#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class RecentFilesMenuTest : public testing::Test {
protected:
    QStringList captions() const {
        QStringList out;
        // One item per recent file, after the menu's own.
        for (qsizetype i = menu.count() - recent.count(); i < menu.count(); ++i)
            out << menu.at(i)->caption();
        return out;
    }
    void open(const QString& entry) { recent.AddRecentFile(entry); }

    MainMenus menus;
    MenuArray& menu = menus.menu(Menu::RecentFiles);
    RecentFiles recent;
    RecentFilesMenu view{recent, menus};
};

TEST_F(RecentFilesMenuTest, AnEmptyListOffersNoClearingAndNoSeparator) {
    EXPECT_EQ(menu.count(), 3);
    EXPECT_FALSE(menus.item(MenuEntry::RecentClear)->enabled());
    EXPECT_FALSE(menus.item(MenuEntry::RecentListSeparator)->visible());
}

TEST_F(RecentFilesMenuTest, ElevenOpenedScoresLeaveTheTenNewestWithAccessKeys) {
    for (int k = 1; k <= 11; ++k)
        open(QString("/m/s%1.piano").arg(k));
    ASSERT_EQ(menu.count(), 13);
    EXPECT_EQ(captions().first(), "&0 s11");
    EXPECT_EQ(captions().last(), "&9 s2");
    EXPECT_TRUE(menus.item(MenuEntry::RecentClear)->enabled());
    EXPECT_TRUE(menus.item(MenuEntry::RecentListSeparator)->visible());
}

TEST_F(RecentFilesMenuTest, OpeningTheThirdAgainMovesItToTheTop) {
    for (const char* name : {"/m/a.piano", "/m/b.piano", "/m/c.piano", "/m/d.piano"})
        open(name);
    MenuItem* first = menu.at(MainMenus::entriesOf(Menu::RecentFiles).size());
    open("/m/b.piano");
    EXPECT_EQ(captions(), QStringList({"&0 b", "&1 d", "&2 c", "&3 a"}));
    EXPECT_EQ(menu.at(MainMenus::entriesOf(Menu::RecentFiles).size()), first); // items are reused, only their captions change
}

TEST_F(RecentFilesMenuTest, AnEntryWithAPositionAndTheSamePathWithoutAreTwoItems) {
    open("/m/a.piano");
    open("/m/a.piano *57");
    EXPECT_EQ(captions(), QStringList({"&0 a *57", "&1 a"}));
}

TEST_F(RecentFilesMenuTest, ClearingRemovesTheItemsAndDisablesItself) {
    open("/m/a.piano");
    open("/m/b.piano");
    menus.item(MenuEntry::RecentClear)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_EQ(menu.count(), 3);
    EXPECT_FALSE(menus.item(MenuEntry::RecentClear)->enabled());
    EXPECT_FALSE(menus.item(MenuEntry::RecentListSeparator)->visible());
    open("/m/c.piano");
    EXPECT_EQ(captions(), QStringList({"&0 c"}));
}

TEST_F(RecentFilesMenuTest, TheCheckItemDecidesWhetherShutdownClears) {
    open("/m/a.piano");
    view.clearIfConfigured();
    EXPECT_EQ(recent.count(), 1);
    menus.item(MenuEntry::RecentClearOnExit)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menus.item(MenuEntry::RecentClearOnExit)->checked());
    view.clearIfConfigured();
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_FALSE(menus.item(MenuEntry::RecentClear)->enabled());
    menus.item(MenuEntry::RecentClearOnExit)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(menus.item(MenuEntry::RecentClearOnExit)->checked());
}

TEST_F(RecentFilesMenuTest, ChoosingAnItemAsksToOpenItsEntryAfterTheClickHasReturned) {
    open("/m/a.piano *5");
    open("/m/b.piano");
    QSignalSpy opened(&view, &RecentFilesMenu::openRequested);
    menu.at(MainMenus::entriesOf(Menu::RecentFiles).size() + 1)->trigger();
    EXPECT_EQ(opened.count(), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened[0][0].toString(), "/m/a.piano *5");
}

} // namespace
