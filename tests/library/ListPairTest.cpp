#include "library/ListPair.h"
#include "core/MainMenus.h"
#include "library/ListCommands.h"
#include "support/QuotedText.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using Dup = ListPair::DuplicateTest;

// Adds "/m/<name>.piano" for each name.
void addScores(ListPair& list, const QStringList& names) {
    for (const QString& name : names)
        list.AddListEntry("/m/" + name + ".piano", QString(), Dup::OnEntries);
}

struct AddCase {
    const char* entry;
    const char* display;
    bool added;
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << quoted(c.entry);
}

class AddListEntryKinds : public testing::TestWithParam<AddCase> {};

TEST_P(AddListEntryKinds, AddsScoresAndSuffixedEntriesOnly) {
    ListPair list;
    EXPECT_FALSE(list.AddListEntry(QString::fromUtf8(GetParam().entry), QString(), Dup::OnEntries));
    ASSERT_EQ(list.count(), GetParam().added ? 1 : 0);
    if (GetParam().added) {
        EXPECT_EQ(list.entry(0), QString::fromUtf8(GetParam().entry));
        EXPECT_EQ(list.displayText(0), QString::fromUtf8(GetParam().display));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AddListEntryKinds,
    testing::Values(AddCase{"/d/a/x.piano", "1.  x", true}, AddCase{"/d/a/x.PIANO", "1.  x", true},
                    AddCase{"/d/a/x.piano *5", "1.  x *5", true},
                    AddCase{"/d/a/noext *5", "1.  noext *5", true},
                    // Not a score: accepted only with a position suffix, as the entry is opened.
                    AddCase{"/d/a/x.txt *5", "1.  x *5", true}, AddCase{"/d/a/x.plist", "", false},
                    AddCase{"/d/a/x.txt", "", false}, AddCase{"", "", false},
                    AddCase{"/d/a/a*b.txt", "", false}));

TEST(ListPair, DuplicateEntriesAreReportedAndAddNothing) {
    ListPair list;
    EXPECT_FALSE(list.AddListEntry("/d/a/x.piano", QString(), Dup::OnEntries));
    EXPECT_TRUE(list.AddListEntry("/d/a/x.piano", QString(), Dup::OnEntries));
    EXPECT_FALSE(list.AddListEntry("/d/a/x.piano *5", QString(), Dup::OnEntries));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.displayText(1), QString("2.  x *5"));
    // Exact comparison: letter case makes another entry.
    EXPECT_FALSE(list.AddListEntry("/d/a/X.piano", QString(), Dup::OnEntries));
    EXPECT_EQ(list.count(), 3);
}

TEST(ListPair, DuplicateTestOnNamesComparesDisplayTexts) {
    ListPair favorites;
    EXPECT_FALSE(favorites.AddListEntry("/m/a.piano", "最爱", Dup::OnDisplayNames));
    EXPECT_TRUE(favorites.AddListEntry("/m/b.piano", "最爱", Dup::OnDisplayNames));
    // The same entry under another name is a new favorite.
    EXPECT_FALSE(favorites.AddListEntry("/m/a.piano", "又一个", Dup::OnDisplayNames));
    EXPECT_EQ(favorites.entries(), QStringList({"/m/a.piano", "/m/a.piano"}));
    EXPECT_EQ(favorites.displayTexts(), QStringList({"最爱", "又一个"}));
}

TEST(ListPair, NumbersAreFixedWhenAddedAndTheTenthLosesABlank) {
    ListPair list;
    addScores(list, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    EXPECT_EQ(list.displayText(8), QString("9.  i"));
    EXPECT_EQ(list.displayText(9), QString("10. j"));
    list.removeAt(2);
    EXPECT_EQ(list.displayTexts().first(3), QStringList({"1.  a", "2.  b", "4.  d"}));
    addScores(list, {"k"});
    EXPECT_EQ(list.displayText(list.count() - 1), QString("10. k"));
    // The deleted entry can come back.
    addScores(list, {"c"});
    EXPECT_EQ(list.displayText(list.count() - 1), QString("11. c"));
}

TEST(ListPair, ABatchAddsLikeOneByOneInASingleInsertion) {
    const QStringList batch = {"/m/b.piano", "/m/x.txt", "/m/a.piano", "", "/m/c.piano",
                               "/m/c.piano", "/m/d.txt *4", "/m/e.PIANO"};
    ListPair oneByOne, batched;
    addScores(oneByOne, {"a"});
    addScores(batched, {"a"});
    for (const QString& entry : batch)
        oneByOne.AddListEntry(entry, QString(), Dup::OnEntries);
    QSignalSpy inserted(&batched, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&batched, &ListPair::changed);
    EXPECT_EQ(batched.AddListEntries(batch), 4);
    EXPECT_EQ(batched.entries(), oneByOne.entries());
    EXPECT_EQ(batched.displayTexts(), oneByOne.displayTexts());
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(changed.count(), 1);
    // Nothing new: no signal at all.
    EXPECT_EQ(batched.AddListEntries(batch), 0);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(batched.containsEntry("/m/e.PIANO"));
}

TEST(ListPair, ClearingLetsTheSameFileBeAddedAgainAtOnce) {
    ListPair list;
    addScores(list, {"a"});
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(list.AddListEntry("/m/a.piano", QString(), Dup::OnEntries));
    EXPECT_EQ(list.displayText(0), QString("1.  a"));
}

TEST(ListPair, RightClickKeepsAMultipleSelectionAndOtherwiseSelectsTheItem) {
    ListPair list;
    addScores(list, {"a", "b", "c", "d"});
    list.selectionModel()->select(list.index(0), QItemSelectionModel::Select);
    list.selectionModel()->select(list.index(1), QItemSelectionModel::Select);
    list.setCurrentRow(3);
    list.selectCurrentUnlessMultiple();
    EXPECT_EQ(list.selectedRows(), QList<int>({0, 1}));
    EXPECT_EQ(list.currentRow(), 3);

    list.selectionModel()->select(list.index(1), QItemSelectionModel::Deselect);
    list.selectCurrentUnlessMultiple();
    EXPECT_EQ(list.selectedRows(), QList<int>({3}));
}

TEST(ListPair, SelectEntrySelectsExactMatchesOnly) {
    ListPair list;
    addScores(list, {"a", "b"});
    list.AddListEntry("/m/a.piano *5", QString(), Dup::OnEntries);
    list.selectOnly(1);
    EXPECT_EQ(list.selectEntry("/m/a.piano *5"), 2);
    EXPECT_EQ(list.selectedRows(), QList<int>({2}));
    EXPECT_EQ(list.selectEntry("/m/A.piano"), -1);
    EXPECT_TRUE(list.selectedRows().isEmpty());
}

TEST(ListPair, RemovingSelectedItemsKeepsThePairAligned) {
    ListPair list;
    addScores(list, {"a", "b", "c", "d", "e", "f"});
    for (int row : {0, 2, 3, 5})
        list.selectionModel()->select(list.index(row), QItemSelectionModel::Select);
    QSignalSpy changed(&list, &ListPair::changed);
    EXPECT_EQ(list.removeSelected(), 4);
    EXPECT_EQ(list.entries(), QStringList({"/m/b.piano", "/m/e.piano"}));
    EXPECT_EQ(list.displayTexts(), QStringList({"2.  b", "5.  e"}));
    EXPECT_EQ(changed.count(), 1);
    // Removed entries are no duplicates any more.
    EXPECT_FALSE(list.AddListEntry("/m/a.piano", QString(), Dup::OnEntries));
}

struct MoveCase {
    bool up;
    int row;
    bool moved;
    const char* order;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << (c.up ? "up from " : "down from ") << c.row;
}

class ListPairMoves : public testing::TestWithParam<MoveCase> {};

TEST_P(ListPairMoves, SwapWithTheNeighbourAndStopAtBothEnds) {
    ListPair list;
    list.AddListEntry("/m/a.piano", "a", Dup::OnDisplayNames);
    list.AddListEntry("/m/b.piano", "b", Dup::OnDisplayNames);
    list.AddListEntry("/m/c.piano", "c", Dup::OnDisplayNames);
    const MoveCase& c = GetParam();
    EXPECT_EQ(c.up ? list.moveUp(c.row) : list.moveDown(c.row), c.moved);
    EXPECT_EQ(list.displayTexts().join(QString()), QString::fromUtf8(c.order));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(list.entry(k), "/m/" + list.displayText(k) + ".piano");
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ListPairMoves,
    testing::Values(MoveCase{true, 0, false, "abc"}, MoveCase{true, 2, true, "acb"},
                    MoveCase{false, 0, true, "bac"}, MoveCase{false, 2, false, "abc"},
                    MoveCase{true, 7, false, "abc"}, MoveCase{false, -1, false, "abc"}));

TEST(ListPair, RenamesUpdateTheNameTest) {
    ListPair list;
    list.AddListEntry("/m/a.piano", "旧名", Dup::OnDisplayNames);
    EXPECT_FALSE(list.setDisplayText(0, QString()));
    EXPECT_TRUE(list.setDisplayText(0, "新名"));
    EXPECT_FALSE(list.AddListEntry("/m/b.piano", "旧名", Dup::OnDisplayNames));
    EXPECT_TRUE(list.AddListEntry("/m/c.piano", "新名", Dup::OnDisplayNames));
}

TEST(ListPair, RemoveMissingFilesKeepsAnExistingFavoriteWithAPosition) {
    TempProgramFolder dir;
    dir.write("there.piano", "1");
    ListPair favorites;
    favorites.AddListEntry(dir.file("there.piano") + " *57", "有位置", Dup::OnDisplayNames);
    favorites.AddListEntry(dir.file("gone.piano"), "不存在", Dup::OnDisplayNames);
    favorites.AddListEntry(dir.file("gone.piano") + " *3", "不存在2", Dup::OnDisplayNames);
    favorites.AddListEntry(dir.file("there.piano"), "无位置", Dup::OnDisplayNames);
    EXPECT_EQ(favorites.removeMissingFiles(), 2);
    EXPECT_EQ(favorites.displayTexts(), QStringList({"有位置", "无位置"}));
}

TEST(ListPair, ShowsItselfToAView) {
    ListPair list;
    addScores(list, {"a"});
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.data(list.index(0)).toString(), QString("1.  a"));
    EXPECT_EQ(list.data(list.index(0), ListPair::EntryRole).toString(), QString("/m/a.piano"));
    EXPECT_FALSE(list.data(list.index(5)).isValid());
}

TEST(ListCommands, DeletePromptNamesTheOneSelectedItemOrCountsThem) {
    ListPair list;
    addScores(list, {"a", "b", "c"});
    list.selectionModel()->select(list.index(1), QItemSelectionModel::Select);
    list.setCurrentRow(2); // the current item is not the selected one
    Message m = ListCommands::deleteSelectedQuestion(list);
    EXPECT_EQ(
        m.text,
        QString("您确定要删除所选项目吗？此操作不会删除硬盘上的文件！\r\n2.  b\r\n/m/b.piano"));
    EXPECT_EQ(m.title, QString("确认删除"));
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(m.cancelIsDefault);
    EXPECT_TRUE(ListCommands::deleteAllQuestion().cancelIsDefault);
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    list.selectionModel()->select(list.index(0), QItemSelectionModel::Select);
    m = ListCommands::deleteSelectedQuestion(list);
    EXPECT_EQ(m.text,
              QString("您确定要删除所选项目吗？此操作不会删除硬盘上的文件！\r\n删除 2 个项目！"));
}

struct PopupCase {
    int activeList;
    bool empty;
    QList<MenuEntry> hidden;
    QList<MenuEntry> disabled;
};

void PrintTo(const PopupCase& c, std::ostream* os) {
    *os << (c.activeList == 0 ? "playing list" : "favorites") << (c.empty ? " empty" : "");
}

using E = MenuEntry;
const QList<MenuEntry> kOnItems{E::PopupPlay,           E::PopupDeleteSelected, E::PopupDeleteAll,
                                E::PopupAddToFavorites, E::PopupSavePlaylist,   E::PopupProperties,
                                E::PopupOrganizeFavorites, E::PopupEditScore};
const QList<MenuEntry> kPlaylistOnly{E::PopupPlaylistSeparator, E::PopupAddToFavorites,
                                     E::PopupSavePlaylist, E::PopupOpenPlaylist};

class PopupStates : public testing::TestWithParam<PopupCase> {};

TEST_P(PopupStates, FollowTheActiveListAndItsItems) {
    QList<MenuEntry> hidden, disabled;
    for (MenuEntry entry : MainMenus::entriesOf(Menu::Popup)) {
        if (!ListCommands::popupShows(entry, GetParam().activeList)) hidden << entry;
        if (!ListCommands::popupEnables(entry, GetParam().empty)) disabled << entry;
    }
    EXPECT_EQ(hidden, GetParam().hidden);
    EXPECT_EQ(disabled, GetParam().disabled);
}

INSTANTIATE_TEST_SUITE_P(Lists, PopupStates,
                         testing::Values(PopupCase{0, false, {E::PopupOrganizeFavorites}, {}},
                                         PopupCase{0, true, {E::PopupOrganizeFavorites}, kOnItems},
                                         PopupCase{1, false, kPlaylistOnly, {}},
                                         PopupCase{1, true, kPlaylistOnly, kOnItems}));

} // namespace
