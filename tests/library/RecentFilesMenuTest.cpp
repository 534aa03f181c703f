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
    EXPECT_FALSE(menu(1)->enabled());
    EXPECT_FALSE(menu(2)->visible());
}

TEST_F(RecentFilesMenuTest, ElevenOpenedScoresLeaveTheTenNewestWithAccessKeys) {
    for (int k = 1; k <= 11; ++k)
        open(QString("/m/s%1.piano").arg(k));
    ASSERT_EQ(menu.count(), 13);
    EXPECT_EQ(captions().first(), "&0 s11");
    EXPECT_EQ(captions().last(), "&9 s2");
    EXPECT_TRUE(menu(1)->enabled());
    EXPECT_TRUE(menu(2)->visible());
}

TEST_F(RecentFilesMenuTest, OpeningTheThirdAgainMovesItToTheTop) {
    for (const char* name : {"/m/a.piano", "/m/b.piano", "/m/c.piano", "/m/d.piano"})
        open(name);
    MenuItem* first = menu(3);
    open("/m/b.piano");
    EXPECT_EQ(captions(), QStringList({"&0 b", "&1 d", "&2 c", "&3 a"}));
    EXPECT_EQ(menu(3), first); // items are reused, only their captions change
}

TEST_F(RecentFilesMenuTest, AnEntryWithAPositionAndTheSamePathWithoutAreTwoItems) {
    open("/m/a.piano");
    open("/m/a.piano *57");
    EXPECT_EQ(captions(), QStringList({"&0 a *57", "&1 a"}));
}

TEST_F(RecentFilesMenuTest, ClearingRemovesTheItemsAndDisablesItself) {
    open("/m/a.piano");
    open("/m/b.piano");
    menu(1)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_EQ(menu.count(), 3);
    EXPECT_FALSE(menu(1)->enabled());
    EXPECT_FALSE(menu(2)->visible());
    open("/m/c.piano");
    EXPECT_EQ(captions(), QStringList({"&0 c"}));
}

TEST_F(RecentFilesMenuTest, TheCheckItemDecidesWhetherShutdownClears) {
    open("/m/a.piano");
    view.clearIfConfigured();
    EXPECT_EQ(recent.count(), 1);
    menu(0)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu(0)->checked());
    view.clearIfConfigured();
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_FALSE(menu(1)->enabled());
    menu(0)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(menu(0)->checked());
}

TEST_F(RecentFilesMenuTest, ChoosingAnItemAsksToOpenItsEntryAfterTheClickHasReturned) {
    open("/m/a.piano *5");
    open("/m/b.piano");
    QSignalSpy opened(&view, &RecentFilesMenu::openRequested);
    menu(4)->trigger();
    EXPECT_EQ(opened.count(), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened[0][0].toString(), "/m/a.piano *5");
}

} // namespace
