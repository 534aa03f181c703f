#include "core/MainMenus.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(MainMenus, TheRememberedChecksAreKeyedByTheirCaptionsInReadingOrder) {
    MainMenus menus;
    QStringList captions;
    for (const MenuItem* item : menus.rememberedChecks()) captions << item->caption();
    EXPECT_EQ(captions, (QStringList{"每次退出时自动清除", "进度栏(&P)", "控制栏(&C)", "播放列表+收藏夹(&L)",
                                     "状态栏(&S)", "从不(&N)", "始终(&T)", "播放时(&P)", "循环播放(&C)",
                                     "随机播放(&R)", "顺序播放(&O)", "单个播放(&S)", "单个循环播放", "静音(&M)",
                                     "关机", "休眠", "退出Tonvale", "不操作", "乐谱栏(&N)",
                                     "电脑按键(&C)", "简谱音名(&N)", "不显示(&H)", "跟弹(&T)",
                                     "复音演奏(和弦)(&Y)"}));
}

TEST(MainMenus, IndexesNameTheEntriesTheCommandsUse) {
    MainMenus menus;
    EXPECT_EQ(menus.mnuFileSubs(3)->caption(), QString("关闭(&C)"));
    EXPECT_EQ(menus.mnuFileSubs(10)->caption(), QString("退出(&X)"));
    EXPECT_EQ(menus.mnuFileSubs(2)->submenu(), &menus.mnuRecentFiles);
    EXPECT_EQ(menus.mnuPlaySubs(8)->submenu(), &menus.mnuPlayCompletedSubs);
    EXPECT_EQ(menus.mnuPopupSubs(16)->caption(), QString("编辑乐谱(&E)"));
    EXPECT_EQ(menus.mnuHelpSubs(8)->caption(), QString("关于(&A)..."));
    EXPECT_EQ(menus.mnuPopupSubs.count(), 17);
    EXPECT_EQ(menus.mnuFileSubs(MainMenus::kFileExportMidi)->caption(),
              QString("导出为 MIDI 文件(&M)..."));
    EXPECT_EQ(menus.mnuFileSubs(12), nullptr);
    EXPECT_TRUE(menus.mnuPlayCompletedSubs(3)->isSeparator());
    // Entries added since come after all of these.
    EXPECT_EQ(menus.mnuViewSubs.indexOf(menus.mnuKeyLabels), 9);
    EXPECT_EQ(menus.mnuKeyLabels->submenu(), &menus.mnuKeyLabelSubs);
    EXPECT_EQ(menus.mnuPlaySubs.indexOf(menus.mnuPractice), 11);
}

TEST(MainMenus, DisabledEntriesDoNotTriggerAndArraysReportTheIndex) {
    MainMenus menus;
    QSignalSpy clicks(&menus.mnuPlayListSubs, &MenuArray::triggered);
    menus.mnuPlayListSubs(2)->trigger();
    menus.mnuPlayListSubs(3)->setEnabled(false);
    menus.mnuPlayListSubs(3)->trigger();
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 2);
}

TEST(MainMenus, DynamicEntriesGrowAndShrinkAtTheEnd) {
    MainMenus menus;
    QSignalSpy changes(&menus.mnuFavoriteSubs, &MenuArray::itemsChanged);
    menus.mnuFavoriteSubs.append("甲");
    menus.mnuFavoriteSubs.append("乙");
    EXPECT_EQ(menus.mnuFavoriteSubs.count(), 5);
    EXPECT_EQ(menus.mnuFavoriteSubs.byCaption("乙"), menus.mnuFavoriteSubs(4));
    menus.mnuFavoriteSubs.truncate(3);
    EXPECT_EQ(menus.mnuFavoriteSubs.count(), 3);
    EXPECT_EQ(changes.size(), 3);
    MainMenus::checkOnly(menus.mnuTopmostSubs(1), {menus.mnuTopmostSubs(0), menus.mnuTopmostSubs(1),
                                                   menus.mnuTopmostSubs(2)});
    EXPECT_TRUE(menus.mnuTopmostSubs(1)->checked());
    EXPECT_FALSE(menus.mnuTopmostSubs(0)->checked());
}

} // namespace
