// The list bar under real mouse and key events: the nearest-item rule, right-click selection,
// double-click and Enter, the context menu's rules and the delete prompts.
#include "QStringPrinter.h"
#include "core/MainMenus.h"
#include "library/ListBar.h"
#include "library/ListBox.h"
#include "library/ListPair.h"
#include "support/RecordingMessageSink.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

using Dup = ListPair::DuplicateTest;

struct ListBarTest : testing::Test {
    ListBarTest() {
        for (int i = 0; i < 3; ++i) playing.AddListEntry(QStringLiteral("/m/曲%1.piano").arg(i), {}, Dup::OnEntries);
        favorites.AddListEntry("/m/爱.piano *8", "最爱", Dup::OnDisplayNames);
        host.resize(600, 160);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    ListBox* list(int i) const { return bar.lstPlayingList(i); }
    QPoint itemCentre(int i, int row) const { return list(i)->visualRect(bar.pair(i).index(row)).center(); }
    void click(int i, Qt::MouseButton button, const QPoint& at, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(list(i)->viewport(), button, mods, at);
    }
    QStringList triggered(const QSignalSpy& spy) const {
        QStringList out;
        for (const auto& args : spy) out << args[0].toString();
        return out;
    }

    QWidget host;
    ListPair playing, favorites;
    MainMenus menus;
    RecordingMessageSink messages;
    ListBar bar{playing, favorites, menus, nullptr, messages, &host};
};

TEST_F(ListBarTest, ShowsBothListsUnderTheirVerticalCaptions) {
    EXPECT_EQ(bar.lblListName(0)->text(), QString("播\r\n放\r\n列\r\n表"));
    EXPECT_EQ(bar.lblListName(1)->text(), QString("收\r\n藏\r\n夹"));
    EXPECT_EQ(list(0)->model()->data(list(0)->model()->index(2, 0)).toString(), QString("3.  曲2"));
    EXPECT_EQ(bar.intActiveList(), 0);
    QTest::mouseClick(bar.lblListName(1), Qt::LeftButton);
    EXPECT_EQ(bar.intActiveList(), 1);
}

TEST_F(ListBarTest, ItemCommandsStartDisabled) {
    using E = MenuEntry;
    for (E e : {E::PopupPlay, E::PopupDeleteSelected, E::PopupDeleteAll, E::PopupAddToFavorites,
                E::PopupSavePlaylist, E::PopupProperties, E::PopupOrganizeFavorites, E::PopupEditScore})
        EXPECT_FALSE(menus.item(e)->enabled()) << int(e);
    for (E e : {E::PopupSearch, E::PopupAddFolder, E::PopupAddFiles, E::PopupOpenPlaylist})
        EXPECT_TRUE(menus.item(e)->enabled()) << int(e);
}

TEST_F(ListBarTest, APressBelowTheLastItemActsOnTheNearestItem) {
    click(0, Qt::LeftButton, itemCentre(0, 0));
    click(0, Qt::LeftButton, QPoint(10, list(0)->viewport()->height() - 3));
    EXPECT_EQ(playing.currentRow(), 2);
    EXPECT_EQ(playing.selectedRows(), QList<int>{2});
}

TEST_F(ListBarTest, RightClickSelectsTheItemUnlessSeveralAreSelected) {
    click(0, Qt::LeftButton, itemCentre(0, 0));
    click(0, Qt::RightButton, itemCentre(0, 2));
    EXPECT_EQ(playing.selectedRows(), QList<int>{2});
    click(0, Qt::LeftButton, itemCentre(0, 1), Qt::ControlModifier);
    ASSERT_EQ(playing.selectedRows(), (QList<int>{1, 2}));
    click(0, Qt::RightButton, itemCentre(0, 0));
    EXPECT_EQ(playing.selectedRows(), (QList<int>{1, 2}));
    EXPECT_EQ(playing.currentRow(), 0);
}

TEST_F(ListBarTest, ARightClickWithNoCurrentItemSelectsNothing) {
    click(0, Qt::RightButton, itemCentre(0, 1));
    EXPECT_EQ(playing.currentRow(), -1);
    EXPECT_TRUE(playing.selectedRows().isEmpty());
}

TEST_F(ListBarTest, DoubleClickAndEnterPlayTheSelectedCurrentItem) {
    QSignalSpy play(&bar, &ListBar::playRequested);
    // The press of the first click makes the item current and selected; the second plays it.
    click(1, Qt::LeftButton, itemCentre(1, 0));
    QTest::mouseDClick(list(1)->viewport(), Qt::LeftButton, {}, itemCentre(1, 0));
    click(0, Qt::LeftButton, itemCentre(0, 1));
    QTest::keyClick(list(0), Qt::Key_Return);
    // A current item that is not selected plays nothing.
    click(0, Qt::LeftButton, itemCentre(0, 1), Qt::ControlModifier);
    QTest::keyClick(list(0), Qt::Key_Enter);
    EXPECT_EQ(triggered(play), (QStringList{"/m/爱.piano *8", "/m/曲1.piano"}));
}

TEST_F(ListBarTest, TheMenuFollowsTheListReleasedOver) {
    click(1, Qt::LeftButton, itemCentre(1, 0));
    EXPECT_EQ(bar.intActiveList(), 1);
    using E = MenuEntry;
    for (E e : {E::PopupPlaylistSeparator, E::PopupAddToFavorites, E::PopupSavePlaylist, E::PopupOpenPlaylist})
        EXPECT_FALSE(menus.item(e)->visible()) << int(e);
    EXPECT_TRUE(menus.item(MenuEntry::PopupOrganizeFavorites)->visible());
    EXPECT_TRUE(menus.item(MenuEntry::PopupOrganizeFavorites)->enabled());
    playing.clear();
    click(0, Qt::LeftButton, QPoint(5, 5));
    EXPECT_TRUE(menus.item(MenuEntry::PopupSavePlaylist)->visible());
    EXPECT_FALSE(menus.item(MenuEntry::PopupSavePlaylist)->enabled());
    EXPECT_FALSE(menus.item(MenuEntry::PopupOrganizeFavorites)->visible());
}

TEST_F(ListBarTest, ThePopupActsOnTheActiveListOrAnnouncesTheCommand) {
    QSignalSpy play(&bar, &ListBar::playRequested), edit(&bar, &ListBar::editRequested),
        properties(&bar, &ListBar::propertiesRequested), organize(&bar, &ListBar::organizeFavoritesRequested),
        addFavorite(&bar, &ListBar::addToFavoritesRequested), folder(&bar, &ListBar::addFolderRequested);
    click(1, Qt::LeftButton, itemCentre(1, 0));
    using E = MenuEntry;
    for (E e : {E::PopupPlay, E::PopupProperties, E::PopupEditScore, E::PopupOrganizeFavorites,
                E::PopupAddToFavorites, E::PopupAddFolder})
        menus.item(e)->trigger();
    EXPECT_EQ(triggered(play), QStringList{"/m/爱.piano *8"});
    EXPECT_EQ(triggered(edit), QStringList{"/m/爱.piano *8"});
    EXPECT_EQ(triggered(properties), QStringList{"/m/爱.piano *8"});
    EXPECT_EQ(organize.size(), 1);
    EXPECT_EQ(addFavorite.size(), 1);
    EXPECT_EQ(folder.size(), 1);
}

TEST_F(ListBarTest, DeletingAsksFirstAndRemovesOnlyOnOk) {
    click(0, Qt::LeftButton, itemCentre(0, 0));
    click(0, Qt::LeftButton, itemCentre(0, 2), Qt::ControlModifier);
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    menus.item(MenuEntry::PopupDeleteSelected)->trigger();
    EXPECT_EQ(playing.count(), 3);
    menus.item(MenuEntry::PopupDeleteSelected)->trigger();
    EXPECT_EQ(playing.entries(), QStringList{"/m/曲1.piano"});
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text,
              QString("您确定要删除所选项目吗？此操作不会删除硬盘上的文件！\r\n删除 2 个项目！"));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);
    // The numbers stay, and the next item added gets the next number.
    playing.AddListEntry("/m/新.piano", {}, Dup::OnEntries);
    EXPECT_EQ(playing.displayTexts(), (QStringList{"2.  曲1", "2.  新"}));
}

TEST_F(ListBarTest, DeletingAllFavoritesTellsTheFavorites) {
    QSignalSpy favoritesDeleted(&bar, &ListBar::favoritesDeleted), playingCleared(&bar, &ListBar::playingListDeletedAll);
    click(1, Qt::LeftButton, itemCentre(1, 0));
    menus.item(MenuEntry::PopupDeleteAll)->trigger();
    EXPECT_TRUE(favorites.isEmpty());
    EXPECT_EQ(messages.shown[0].text, QString("您确定要删除全部项目吗？此操作不会删除硬盘上的文件！"));
    EXPECT_EQ(messages.shown[0].title, QString("确认删除"));
    ASSERT_EQ(favoritesDeleted.size(), 1);
    EXPECT_TRUE(favoritesDeleted[0][0].toBool());
    EXPECT_EQ(playingCleared.size(), 0);
    EXPECT_EQ(playing.count(), 3);
}

TEST_F(ListBarTest, TheTooltipDescribesTheItemUnderThePointer) {
    bar.setTooltips([](const QString& entry) { return "提示 " + entry; }, "Quillon");
    const auto tooltipAt = [this](const QPoint& at) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, list(0)->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list(0)->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(itemCentre(0, 1)), QString("Quillon"));
    click(0, Qt::LeftButton, itemCentre(0, 0));
    EXPECT_EQ(tooltipAt(itemCentre(0, 1)), QString("提示 /m/曲1.piano"));
    EXPECT_EQ(tooltipAt(QPoint(10, list(0)->viewport()->height() - 2)), QString("提示 /m/曲2.piano"));
}

} // namespace
