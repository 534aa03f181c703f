// The add-to-favorites dialog driven as the user does: the name offered, the remember-position
// box and what OK stores.
#include "core/CIni.h"
#include "core/MainMenus.h"
#include "library/FavoritesMenu.h"
#include "library/ListPair.h"
#include "library/frmAddToFav.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

class AddToFavDialog : public testing::Test {
protected:
    QString settings() const { return dir.file("INI/程序设置.INI"); }
    void storeRemember(const char* value) {
        QDir().mkpath(dir.file("INI"));
        CIni().WriteIniString_("添加收藏", "记住播放位置", value, settings());
    }
    QString storedRemember() const {
        return CIni().ReadIniString_("添加收藏", "记住播放位置", settings());
    }
    frmAddToFav& open(const QString& entry) {
        QDir().mkpath(dir.file("INI"));
        frmAddToFav& d = dialog.emplace(
            settings(), favorites, view, [this] { return row; }, nullptr);
        d.setDraft(AddFavoriteDraft::forListItem(entry, playing, row, d.chkRemenber->isChecked()));
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        QCoreApplication::processEvents();
        return d;
    }
    QString text() const { return dialog->cmbFavName->currentText(); }

    TempProgramFolder dir;
    MainMenus menus;
    ListPair favorites;
    FavoritesMenu view{favorites, menus};
    QString playing = "/m/song.piano";
    qint32 row = 57;
    std::optional<frmAddToFav> dialog;
};

TEST_F(AddToFavDialog, OffersTheFileNameWithThePositionAndStoresThePositionOfOk) {
    storeRemember("1");
    frmAddToFav& d = open(playing);
    EXPECT_EQ(d.windowTitle(), "添加收藏");
    EXPECT_EQ(d.fraName->title(), "请选择一个快捷方式名称：");
    EXPECT_EQ(d.chkRemenber->text(), "记住播放位置");
    EXPECT_TRUE(d.chkRemenber->isChecked());
    EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_EQ(d.cmbFavName->count(), 2);
    EXPECT_EQ(d.cmbFavName->itemText(0), "song.piano *57");
    EXPECT_EQ(d.cmbFavName->itemText(1), "/m/song.piano");
    EXPECT_EQ(text(), "song.piano *57");
    EXPECT_TRUE(d.cmbFavName->hasFocus());
    row = 60; // playback went on while the dialog was open
    QTest::mouseClick(d.btnOk, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(favorites.entries(), QStringList{"/m/song.piano *60"});
    EXPECT_EQ(favorites.displayTexts(), QStringList{"song.piano *57"});
    ASSERT_EQ(menus.menu(Menu::Favorites).count(), 4);
    EXPECT_EQ(menus.menu(Menu::Favorites).at(MainMenus::entriesOf(Menu::Favorites).size())->caption(), "song.piano *57");
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
    EXPECT_TRUE(menus.item(MenuEntry::FavoritesOrganize)->enabled());
    EXPECT_EQ(storedRemember(), "1");
}

TEST_F(AddToFavDialog, TheBoxCutsAndAppendsThePositionOnce) {
    storeRemember("1");
    frmAddToFav& d = open(playing);
    QTest::mouseClick(d.chkRemenber, Qt::LeftButton);
    EXPECT_EQ(text(), "song.piano");
    QTest::mouseClick(d.chkRemenber, Qt::LeftButton);
    EXPECT_EQ(text(), "song.piano *57");
    QTest::mouseClick(d.chkRemenber, Qt::LeftButton);
    QTest::mouseClick(d.btnOk, Qt::LeftButton);
    EXPECT_EQ(favorites.entries(), QStringList{"/m/song.piano"});
    EXPECT_EQ(storedRemember(), "0");
}

TEST_F(AddToFavDialog, WithoutTheSettingTheNameHasNoPosition) {
    frmAddToFav& d = open(playing);
    EXPECT_FALSE(d.chkRemenber->isChecked());
    EXPECT_EQ(text(), "song.piano");
    QTest::mouseClick(d.chkRemenber, Qt::LeftButton);
    EXPECT_EQ(text(), "song.piano *57");
}

TEST_F(AddToFavDialog, AnotherItemOfTheListIsStoredExactlyAndCannotRememberAPosition) {
    storeRemember("1");
    frmAddToFav& d = open("/m/other.piano *12");
    EXPECT_TRUE(d.chkRemenber->isHidden());
    EXPECT_EQ(text(), "other.piano *12");
    QTest::mouseClick(d.btnOk, Qt::LeftButton);
    EXPECT_EQ(favorites.entries(), QStringList{"/m/other.piano *12"});
    EXPECT_EQ(storedRemember(), "1"); // the hidden box keeps its setting
}

TEST_F(AddToFavDialog, ADuplicateNameAddsNothing) {
    favorites.AddListEntry("/m/x.piano", "song.piano", ListPair::DuplicateTest::OnDisplayNames);
    view.RebuildFavoritesMenu();
    frmAddToFav& d = open(playing);
    QTest::mouseClick(d.btnOk, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(favorites.entries(), QStringList{"/m/x.piano"});
    EXPECT_EQ(menus.menu(Menu::Favorites).count(), 4);
}

TEST_F(AddToFavDialog, AnEmptyNameCannotBeConfirmedAndAnyTypedNameCan) {
    frmAddToFav& d = open(playing);
    d.cmbFavName->lineEdit()->clear();
    EXPECT_FALSE(d.btnOk->isEnabled());
    QTest::keyClicks(d.cmbFavName->lineEdit(), "my song");
    EXPECT_TRUE(d.btnOk->isEnabled());
    QTest::mouseClick(d.btnOk, Qt::LeftButton);
    EXPECT_EQ(favorites.displayTexts(), QStringList{"my song"});
    EXPECT_EQ(favorites.entries(), QStringList{"/m/song.piano"});
}

TEST_F(AddToFavDialog, CancelAddsNothingButKeepsTheBox) {
    frmAddToFav& d = open(playing);
    QTest::mouseClick(d.chkRemenber, Qt::LeftButton);
    QTest::mouseClick(d.btnCancel, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_TRUE(favorites.isEmpty());
    EXPECT_EQ(storedRemember(), "1");
}

} // namespace
