// Recent files, favorites and folder scanning in the whole program: the menus of the real menu
// bar open what they name, and a dropped folder fills the playing list.
#include "ProgramRun.h"
#include "app/LibraryMenus.h"
#include "app/StatusBarView.h"
#include "library/FavoritesMenu.h"
#include "library/FolderScanCommands.h"
#include "library/frmOrganizeFav.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QByteArray kScore = "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+4\r\n3+4\r\n";

struct LibraryMenusTest : ProgramRun {
    LibraryMenusTest() {
        dir.write("m/a.piano", kScore);
        dir.write("m/b.piano", kScore);
        dir.write("m/sub/c.PIANO", kScore);
        dir.write("m/notes.txt", "x");
    }
    // The action of the menu bar that shows `caption`, searched through every submenu.
    static QAction* action(QWidget* menu, const QString& caption) {
        for (QAction* a : menu->actions()) {
            if (a->text() == caption) return a;
            if (a->menu())
                if (QAction* inner = action(a->menu(), caption)) return inner;
        }
        return nullptr;
    }
};

TEST_F(LibraryMenusTest, RecentFilesAndFavoritesOpenFromTheMenuBar) {
    runProgram([this](frmMain& main) {
        main.features().opener.playAllFiles(dir.file("m/a.piano"), true, true);
        main.features().opener.playAllFiles(dir.file("m/b.piano"), true, true);
        QAction* recent = action(main.menuBar(), "&1 a");
        ASSERT_NE(recent, nullptr);
        recent->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(main.features().engine.score().strPlayingFile, dir.file("m/a.piano"));
        EXPECT_EQ(main.features().recentFiles.lstRecentFullPath().first(), dir.file("m/a.piano"));

        main.features().favorites.AddListEntry(dir.file("m/b.piano") + " *2", "乙",
                                          ListPair::DuplicateTest::OnDisplayNames);
        main.parts().libraryMenus->favoritesMenu().RebuildFavoritesMenu();
        QAction* favorite = action(main.menuBar(), "乙");
        ASSERT_NE(favorite, nullptr);
        favorite->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(main.features().engine.score().strPlayingFile, dir.file("m/b.piano"));
        EXPECT_GE(main.features().engine.lngCurrentRow(), 2);
        EXPECT_EQ(main.features().recentFiles.lstRecentFullPath().first(), dir.file("m/b.piano") + " *2");
    });
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(LibraryMenusTest, TheOrganiserOpensFromTheMenuAndItsMovesReachTheMenu) {
    runProgram([this](frmMain& main) {
        for (const char* name : {"a", "b"})
            main.features().favorites.AddListEntry(dir.file(QString("m/%1.piano").arg(name)), name,
                                              ListPair::DuplicateTest::OnDisplayNames);
        main.parts().libraryMenus->favoritesMenu().RebuildFavoritesMenu();
        bool seen = false;
        QTimer::singleShot(100, [&] {
            auto* dialog = qobject_cast<frmOrganizeFav*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            dialog->btnDown->click();
            dialog->btnOk->click();
        });
        action(main.menuBar(), "整理收藏夹(&O)...")->trigger();
        QElapsedTimer guard;
        guard.start();
        while (!seen && guard.elapsed() < 5000)
            QCoreApplication::processEvents();
        EXPECT_TRUE(seen);
        EXPECT_EQ(main.features().favorites.displayTexts(), QStringList({"b", "a"}));
        EXPECT_EQ(main.features().menus.menu(Menu::Favorites).at(MainMenus::entriesOf(Menu::Favorites).size())->caption(), QString("b"));
    });
}

TEST_F(LibraryMenusTest, ADroppedFolderFillsTheActiveListAndTheStatusBarComesBack) {
    runProgram([this](frmMain& main) {
        QLabel* status = main.parts().statusBar->lblStatus;
        main.features().status.show("之前");
        main.parts().libraryMenus->scanDroppedFolder(dir.file("m") + "/");
        EXPECT_EQ(status->text(), FolderScanCommands::startingText());
        EXPECT_EQ(main.parts().statusBar->imgFileIcon->toolTip(), FolderScanCommands::stopToolTip());
        QElapsedTimer guard;
        guard.start();
        while (main.parts().libraryMenus->scanFile().isScanning() && guard.elapsed() < 10000)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(main.features().playingList.count(), 3);
        EXPECT_TRUE(main.features().playingList.containsEntry(dir.file("m/sub/c.PIANO")));
        EXPECT_EQ(status->text(), QString("之前"));
        EXPECT_TRUE(main.parts().statusBar->imgFileIcon->toolTip().isEmpty());

        main.parts().libraryMenus->setActiveList([] { return 1; });
        main.parts().libraryMenus->scanDroppedFolder(dir.file("m/sub"));
        while (main.parts().libraryMenus->scanFile().isScanning() && guard.elapsed() < 10000)
            QCoreApplication::processEvents();
        EXPECT_EQ(main.features().favorites.entries(), QStringList{dir.file("m/sub/c.PIANO")});
    });
}

} // namespace

namespace {

TEST_F(LibraryMenusTest, AFavoritesMenuOfFiveHundredShowsEveryEntryAndFollowsARemoval) {
    runProgram([this](frmMain& main) {
        for (int k = 0; k < 500; ++k)
            main.features().favorites.AddListEntry(dir.file(QString("m/%1.piano").arg(k)),
                                              QString::number(k),
                                              ListPair::DuplicateTest::OnDisplayNames);
        main.parts().libraryMenus->favoritesMenu().RebuildFavoritesMenu();
        QAction* last = action(main.menuBar(), "499");
        ASSERT_NE(last, nullptr);
        EXPECT_TRUE(last->isVisible());
        main.features().favorites.removeAt(0);
        main.parts().libraryMenus->favoritesMenu().RebuildFavoritesMenu();
        EXPECT_EQ(action(main.menuBar(), "0"), nullptr);
        EXPECT_NE(action(main.menuBar(), "499"), nullptr);
    });
}

} // namespace
