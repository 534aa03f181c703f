// The favorites organiser driven as the user does.
#include "core/MainMenus.h"
#include "library/FavoritesMenu.h"
#include "library/ListPair.h"
#include "library/frmOrganizeFav.h"
#include "support/RecordingMessageSink.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

class OrganizeFavDialog : public testing::Test {
protected:
    OrganizeFavDialog() {
        dir.write("a.piano", "1");
        dir.write("INI/收藏夹.Long", "[完整路径]\r\n个数=2\r\n");
    }
    void addBoth() {
        favorites.AddListEntry(dir.file("a.piano") + " *9", "甲",
                               ListPair::DuplicateTest::OnDisplayNames);
        favorites.AddListEntry(dir.file("gone.piano"), "乙",
                               ListPair::DuplicateTest::OnDisplayNames);
        view.RebuildFavoritesMenu();
    }
    frmOrganizeFav& open() {
        frmOrganizeFav& d =
            dialog.emplace(favorites, view, messages, dir.file("INI/收藏夹.Long"), nullptr);
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return d;
    }
    void click(int row) {
        const QRect box = dialog->lstFavName->visualItemRect(dialog->lstFavName->item(row));
        QTest::mouseClick(dialog->lstFavName->viewport(), Qt::LeftButton, {}, box.center());
    }
    QLineEdit* name() const { return dialog->txtFileName[0]; }
    QLineEdit* path() const { return dialog->txtFileName[1]; }

    TempProgramFolder dir;
    MainMenus menus;
    ListPair favorites;
    FavoritesMenu view{favorites, menus};
    RecordingMessageSink messages;
    std::optional<frmOrganizeFav> dialog;
};

TEST_F(OrganizeFavDialog, WithoutFavoritesEveryEditingButtonIsOff) {
    frmOrganizeFav& d = open();
    EXPECT_EQ(d.windowTitle(), "整理收藏夹");
    for (QPushButton* b : {d.btnUp, d.btnDown, d.btnDelete, d.btnDelErrFile})
        EXPECT_FALSE(b->isEnabled()) << qPrintable(b->text());
    EXPECT_TRUE(d.btnOk->isEnabled());
    EXPECT_EQ(d.lstFavName->count(), 0);
}

TEST_F(OrganizeFavDialog, ShowsTheSelectedFavoriteAndMarksAMissingFile) {
    addBoth();
    frmOrganizeFav& d = open();
    EXPECT_EQ(d.lstFavName->currentRow(), 0);
    EXPECT_EQ(name()->text(), "甲");
    EXPECT_EQ(name()->selectedText(), "甲");
    EXPECT_EQ(path()->text(), dir.file("a.piano") + " *9");
    EXPECT_EQ(path()->toolTip(), path()->text());
    EXPECT_NE(path()->palette().color(QPalette::Text), QColor(Qt::red));
    click(1);
    EXPECT_EQ(name()->text(), "乙");
    EXPECT_TRUE(name()->hasFocus());
    EXPECT_EQ(path()->text(), dir.file("gone.piano") + "（文件不存在！）");
    EXPECT_EQ(path()->palette().color(QPalette::Text), QColor(Qt::red));
    d.lstFavName->setFocus();
    QTest::keyClick(d.lstFavName, Qt::Key_Up);
    EXPECT_EQ(name()->text(), "甲");
    EXPECT_TRUE(d.lstFavName->hasFocus()); // the keys go on moving through the list
}

TEST_F(OrganizeFavDialog, ARenameIsKeptOnOkAndDroppedOnCancel) {
    addBoth();
    frmOrganizeFav& d = open();
    QTest::keyClicks(name(), "renamed");
    EXPECT_EQ(d.lstFavName->item(0)->text(), "renamed");
    QTest::mouseClick(d.btnCancel, Qt::LeftButton);
    EXPECT_EQ(favorites.displayText(0), "甲");

    frmOrganizeFav& again = open();
    QTest::keyClicks(name(), "renamed");
    QTest::mouseClick(again.btnOk, Qt::LeftButton);
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(favorites.displayTexts(), QStringList({"renamed", "乙"}));
    EXPECT_EQ(menus.menu(Menu::Favorites).at(MainMenus::entriesOf(Menu::Favorites).size())->caption(), "renamed");
}

TEST_F(OrganizeFavDialog, AMoveStaysAfterCancel) {
    addBoth();
    frmOrganizeFav& d = open();
    QTest::mouseClick(d.btnDown, Qt::LeftButton);
    EXPECT_EQ(d.lstFavName->currentRow(), 1);
    EXPECT_EQ(name()->text(), "甲");
    QTest::mouseClick(d.btnCancel, Qt::LeftButton);
    EXPECT_EQ(favorites.displayTexts(), QStringList({"乙", "甲"}));
    EXPECT_EQ(menus.menu(Menu::Favorites).at(MainMenus::entriesOf(Menu::Favorites).size())->caption(), "乙");
}

TEST_F(OrganizeFavDialog, DeletingTheLastFavoriteLeavesTheEmptyState) {
    addBoth();
    frmOrganizeFav& d = open();
    QTest::mouseClick(d.btnDelete, Qt::LeftButton);
    EXPECT_EQ(name()->text(), "乙");
    QTest::mouseClick(d.btnDelete, Qt::LeftButton);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(d.lstFavName->count(), 0);
    EXPECT_TRUE(name()->text().isEmpty());
    EXPECT_TRUE(path()->text().isEmpty());
    for (QPushButton* b : {d.btnUp, d.btnDown, d.btnDelete, d.btnDelErrFile})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesOrganize)->enabled());
    EXPECT_FALSE(QFile::exists(dir.file("INI/收藏夹.Long")));
}

TEST_F(OrganizeFavDialog, ClearingMissingFilesKeepsTheFavoriteWithAPosition) {
    addBoth();
    frmOrganizeFav& d = open();
    click(1);
    QTest::mouseClick(d.btnDelErrFile, Qt::LeftButton);
    EXPECT_EQ(favorites.displayTexts(), QStringList{"甲"});
    EXPECT_EQ(d.lstFavName->count(), 1);
    EXPECT_EQ(d.lstFavName->currentRow(), 0);
    EXPECT_EQ(name()->text(), "甲");
    EXPECT_TRUE(d.btnDelete->isEnabled());
}

} // namespace
