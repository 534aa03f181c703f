// The organiser's rules: moves and deletions at once, renames only on OK.
#include "library/FavoritesOrganizer.h"
#include "core/MainMenus.h"
#include "library/FavoritesMenu.h"
#include "library/ListPair.h"
#include "support/RecordingMessageSink.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QFile>
#include <gtest/gtest.h>
#include <optional>

namespace {

class FavoritesOrganizerTest : public testing::Test {
protected:
    FavoritesOrganizerTest() {
        dir.write("a.piano", "1");
        dir.write("b.piano", "1");
        dir.write("INI/收藏夹.Long", "[完整路径]\r\n个数=3\r\n");
        add(dir.file("a.piano"), "甲");
        add(dir.file("b.piano") + " *57", "乙");
        add(dir.file("gone.piano"), "丙");
        view.RebuildFavoritesMenu();
    }
    void add(const QString& entry, const QString& name) {
        favorites.AddListEntry(entry, name, ListPair::DuplicateTest::OnDisplayNames);
    }
    FavoritesOrganizer& open() { return organizer.emplace(favorites, view, messages, file()); }
    QString file() const { return dir.file("INI/收藏夹.Long"); }
    QStringList menuCaptions() const {
        QStringList out;
        const MenuArray& menu = menus.menu(Menu::Favorites);
        for (qsizetype i = MainMenus::entriesOf(Menu::Favorites).size(); i < menu.count(); ++i)
            out << menu.at(i)->caption();
        return out;
    }

    TempProgramFolder dir;
    MainMenus menus;
    ListPair favorites;
    FavoritesMenu view{favorites, menus};
    RecordingMessageSink messages;
    std::optional<FavoritesOrganizer> organizer;
};

TEST_F(FavoritesOrganizerTest, OpensWithTheNamesAndTheFirstSelected) {
    FavoritesOrganizer& o = open();
    EXPECT_EQ(o.lstFavName(), QStringList({"甲", "乙", "丙"}));
    EXPECT_EQ(o.selected(), 0);
    EXPECT_TRUE(o.selectedFileExists());
    o.select(1);
    EXPECT_EQ(o.selectedEntry(), dir.file("b.piano") + " *57");
    EXPECT_TRUE(o.selectedFileExists()); // the position suffix is not part of the file
    o.select(2);
    EXPECT_FALSE(o.selectedFileExists());
    o.select(7);
    EXPECT_EQ(o.selected(), 2);
}

TEST_F(FavoritesOrganizerTest, MovesChangeTheFavoritesAtOnceAndCarryPendingRenames) {
    FavoritesOrganizer& o = open();
    o.rename("新甲");
    o.moveDown();
    EXPECT_EQ(o.selected(), 1);
    EXPECT_EQ(o.lstFavName(), QStringList({"乙", "新甲", "丙"}));
    EXPECT_EQ(favorites.displayTexts(), QStringList({"乙", "甲", "丙"}));
    EXPECT_EQ(favorites.entry(1), dir.file("a.piano"));
    EXPECT_EQ(menuCaptions(), QStringList({"乙", "甲", "丙"}));
    o.moveUp();
    EXPECT_EQ(favorites.displayTexts(), QStringList({"甲", "乙", "丙"}));
}

TEST_F(FavoritesOrganizerTest, MovingPastEitherEndChangesNothingButRebuildsTheMenu) {
    add(dir.file("c.piano") + " *3", QString()); // not in the menu yet
    FavoritesOrganizer& o = open();
    o.moveUp();
    EXPECT_EQ(o.selected(), 0);
    EXPECT_EQ(menuCaptions().size(), 4);
    o.select(3);
    o.moveDown();
    EXPECT_EQ(o.selected(), 3);
    EXPECT_EQ(favorites.displayTexts(), QStringList({"甲", "乙", "丙", "4.  c *3"}));
}

TEST_F(FavoritesOrganizerTest, RenamesWaitForOk) {
    FavoritesOrganizer& o = open();
    o.rename("新甲");
    o.rename(QString()); // an emptied box keeps the item's name
    EXPECT_EQ(o.lstFavName()[0], "新甲");
    EXPECT_EQ(favorites.displayText(0), "甲");
    o.select(1);
    o.confirm("乙二");
    EXPECT_EQ(favorites.displayTexts(), QStringList({"新甲", "乙二", "丙"}));
    EXPECT_EQ(menuCaptions(), QStringList({"新甲", "乙二", "丙"}));
}

TEST_F(FavoritesOrganizerTest, OkWithAnEmptyNameAppliesNoRenameAtAll) {
    FavoritesOrganizer& o = open();
    o.rename("新甲");
    o.select(1);
    o.confirm(QString());
    EXPECT_EQ(favorites.displayTexts(), QStringList({"甲", "乙", "丙"}));
}

TEST_F(FavoritesOrganizerTest, RenamingMayGiveTwoFavoritesOneName) {
    open().confirm("乙");
    EXPECT_EQ(favorites.displayTexts(), QStringList({"乙", "乙", "丙"}));
}

TEST_F(FavoritesOrganizerTest, DeletingAsksAndKeepsTheNeighbourSelected) {
    FavoritesOrganizer& o = open();
    o.select(1);
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    EXPECT_FALSE(o.deleteSelected());
    EXPECT_EQ(favorites.count(), 3);
    ASSERT_EQ(messages.shown.size(), 1);
    const Message& m = messages.shown[0];
    EXPECT_EQ(m.text, "您确定要从收藏夹中删除项目吗？此操作不会删除硬盘上的文件！\r\n乙\r\n" +
                          dir.file("b.piano") + " *57");
    EXPECT_EQ(m.title, "从收藏夹中删除");
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(m.cancelIsDefault);
    EXPECT_TRUE(o.deleteSelected());
    EXPECT_EQ(o.lstFavName(), QStringList({"甲", "丙"}));
    EXPECT_EQ(o.selected(), 1);
    EXPECT_EQ(menuCaptions(), QStringList({"甲", "丙"}));
    o.deleteSelected();
    EXPECT_EQ(o.selected(), 0); // the last item went: the one above
}

TEST_F(FavoritesOrganizerTest, DeletingTheLastFavoriteEmptiesMenuAndFile) {
    FavoritesOrganizer& o = open();
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(o.deleteSelected());
    EXPECT_TRUE(o.isEmpty());
    EXPECT_EQ(o.selected(), -1);
    EXPECT_TRUE(favorites.isEmpty());
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesOrganize)->enabled());
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
    EXPECT_EQ(menus.menu(Menu::Favorites).count(), 3);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_FALSE(o.deleteSelected()); // nothing selected: nothing asked
    EXPECT_EQ(messages.shown.size(), 3);
}

TEST_F(FavoritesOrganizerTest, ClearingMissingFilesKeepsAnExistingFavoriteWithAPosition) {
    FavoritesOrganizer& o = open();
    o.select(2);
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(o.deleteMissingFiles());
    EXPECT_EQ(favorites.count(), 3);
    EXPECT_EQ(messages.shown[0].text,
              "清除错误文件，不存在的文件！此操作不会删除硬盘上的文件！您确定吗？");
    EXPECT_EQ(messages.shown[0].title, "清除错误文件");
    EXPECT_TRUE(o.deleteMissingFiles());
    EXPECT_EQ(favorites.entries(),
              QStringList({dir.file("a.piano"), dir.file("b.piano") + " *57"}));
    EXPECT_EQ(o.lstFavName(), QStringList({"甲", "乙"}));
    EXPECT_EQ(o.selected(), 0);
    EXPECT_EQ(menuCaptions(), QStringList({"甲", "乙"}));
    EXPECT_TRUE(QFile::exists(file()));
}

TEST_F(FavoritesOrganizerTest, ClearingEveryMissingFileLeavesTheEmptyState) {
    QFile::remove(dir.file("a.piano"));
    QFile::remove(dir.file("b.piano"));
    FavoritesOrganizer& o = open();
    EXPECT_TRUE(o.deleteMissingFiles());
    EXPECT_TRUE(o.isEmpty());
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_FALSE(menus.item(MenuEntry::FavoritesListSeparator)->visible());
}

TEST_F(FavoritesOrganizerTest, FavoritesAppendedWhileItIsOpenAreLeftAlone) {
    FavoritesOrganizer& o = open();
    add(dir.file("late.piano"), "迟"); // a scan into the favorites list, running meanwhile
    EXPECT_TRUE(o.deleteMissingFiles());
    EXPECT_EQ(favorites.displayTexts(), QStringList({"甲", "乙", "迟"}));
    o.confirm("新甲");
    EXPECT_EQ(favorites.displayTexts(), QStringList({"新甲", "乙", "迟"}));
}

} // namespace
