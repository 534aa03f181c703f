#include "core/MainMenus.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(MainMenus, TheRememberedChecksAreKeyedByTheirCaptionsInReadingOrder) {
    MainMenus menus;
    QStringList captions;
    for (const MenuItem* item : menus.rememberedChecks())
        captions << item->caption();
    // clang-format off
    EXPECT_EQ(captions,
              (QStringList{"每次退出时自动清除", "进度栏(&P)", "控制栏(&C)", "播放列表+收藏夹(&L)",
                           "状态栏(&S)", "从不(&N)", "始终(&T)", "播放时(&P)", "循环播放(&C)",
                           "随机播放(&R)", "顺序播放(&O)", "单个播放(&S)", "单个循环播放",
                           "静音(&M)", "关机", "休眠", "退出Tonvale", "不操作", "乐谱栏(&N)",
                           "电脑按键(&C)", "简谱音名(&N)", "不显示(&H)", "跟弹(&T)",
                           "复音演奏(和弦)(&Y)", "25%", "50%", "75%", "100%", "125%", "150%",
                           "200%", "等待正确的键(&W)", "按节拍(&B)"}));
    // clang-format on
}

QStringList captionsOf(const MenuArray& menu) {
    QStringList out;
    for (qsizetype i = 0; i < menu.count(); ++i) {
        const MenuItem* item = menu.at(i);
        out << item->caption() + (item->shortcut().isEmpty() ? QString() : "\t" + item->shortcut());
    }
    return out;
}

struct MenuCase {
    Menu menu;
    const char* caption;
    QStringList entries; // caption, then a tab and the shortcut if any
};

void PrintTo(const MenuCase& c, std::ostream* out) {
    *out << c.caption;
}

class MenuTable : public testing::TestWithParam<MenuCase> {};

// The order, captions and shortcuts the program has always shown, entries added since at the end.
TEST_P(MenuTable, BuildsEachMenuInItsOrder) {
    MainMenus menus;
    EXPECT_EQ(menus.menu(GetParam().menu).caption(), QString(GetParam().caption));
    EXPECT_EQ(captionsOf(menus.menu(GetParam().menu)), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuTable,
    testing::Values(
        MenuCase{Menu::File,
                 "文件(&F)",
                 {"打开(&O)...\tCtrl+O", "打开 URL(&U)...\tCtrl+U", "最近打开的文件",
                  "关闭(&C)\tCtrl+W", "-", "录制(&R)...", "另存为(&A)...", "-", "属性(&P)\tCtrl+P",
                  "-", "退出(&X)", "导出为 MIDI 文件(&M)...", "打印(&T)...", "导出为 PDF(&D)...",
                  "导出为音频(&V)...", "导出为 MusicXML(&L)..."}},
        MenuCase{Menu::Play,
                 "播放(&P)",
                 {"播放/暂停(&P)  空格", "停止(&S)", "转到(&G)...", "-", "播放列表(&L)", "-",
                  "音量(&U)", "-", "播放完成后", "-", "复音演奏(和弦)(&Y)", "跟弹(&T)", "速度(&D)",
                  "循环选中段落(&O)", "跟弹方式(&W)"}},
        MenuCase{Menu::View,
                 "查看(&V)",
                 {"进度栏(&P)", "控制栏(&C)", "播放列表+收藏夹(&L)\tCtrl+L", "状态栏(&S)", "-",
                  "前端显示(&T)", "选项(&O)...", "乐谱栏(&N)", "-", "键名(&K)", "练习记录(&R)..."}},
        MenuCase{Menu::Favorites, "收藏夹(&A)", {"添加到收藏夹(&A)...", "整理收藏夹(&O)...", "-"}},
        MenuCase{Menu::Help,
                 "帮助(&H)",
                 {"帮助文档(&D)\tF1", "-", "联系作者(&C)...", "发送邮件(&M)...", "-",
                  "检查更新(&U)...", "访问主页(&H)", "-", "关于(&A)..."}},
        MenuCase{
            Menu::RecentFiles, "最近打开的文件", {"每次退出时自动清除", "清除以下最近播放", "-"}},
        MenuCase{Menu::PlayList,
                 "播放列表(&L)",
                 {"循环播放(&C)", "随机播放(&R)", "顺序播放(&O)", "单个播放(&S)", "单个循环播放",
                  "-", "清除播放列表"}},
        MenuCase{Menu::Volume, "音量(&U)", {"升高(&U)", "降低(&D)", "静音(&M)\tCtrl+M"}},
        MenuCase{Menu::PlayCompleted, "播放完成后", {"关机", "休眠", "退出Tonvale", "-", "不操作"}},
        MenuCase{Menu::Topmost, "前端显示(&T)", {"从不(&N)", "始终(&T)", "播放时(&P)"}},
        MenuCase{Menu::KeyLabels, "键名(&K)", {"电脑按键(&C)", "简谱音名(&N)", "不显示(&H)"}},
        MenuCase{Menu::Speed, "速度(&D)", {"25%", "50%", "75%", "100%", "125%", "150%", "200%"}},
        MenuCase{Menu::PracticeWays, "跟弹方式(&W)", {"等待正确的键(&W)", "按节拍(&B)"}},
        MenuCase{Menu::Popup,
                 "右键",
                 {"播放(&P)", "-", "搜索(&S)", "添加目录(&B)...", "添加文件(&F)...", "-",
                  "删除选中项目(&D)", "删除全部(&A)", "-", "添加到收藏夹(&V)",
                  "保存播放列表(&L)...", "打开播放列表(&O)...", "-", "属性(&R)",
                  "整理收藏夹(&O)...", "-", "编辑乐谱(&E)"}}));

TEST(MainMenus, NamesResolveToTheirEntriesAndSubmenus) {
    MainMenus menus;
    EXPECT_EQ(menus.item(MenuEntry::FileClose)->caption(), QString("关闭(&C)"));
    EXPECT_EQ(menus.item(MenuEntry::FileRecentFiles)->submenu(), &menus.menu(Menu::RecentFiles));
    EXPECT_EQ(menus.item(MenuEntry::PlayCompletion)->submenu(), &menus.menu(Menu::PlayCompleted));
    EXPECT_EQ(menus.item(MenuEntry::ViewKeyLabels)->submenu(), &menus.menu(Menu::KeyLabels));
    EXPECT_EQ(menus.menuBar().size(), 5);
    EXPECT_EQ(MainMenus::entriesOf(Menu::Favorites),
              (QList<MenuEntry>{MenuEntry::FavoritesAdd, MenuEntry::FavoritesOrganize,
                                MenuEntry::FavoritesListSeparator}));
}

TEST(MainMenus, AChoiceChecksOneEntryAndATogglesFlips) {
    MainMenus menus;
    QList<int> chosen;
    menus.makeChoice(MainMenus::kTopmostRules, &menus, [&chosen](int place) { chosen << place; });
    menus.makeToggle(MenuEntry::PlayPractice, &menus);
    menus.item(MenuEntry::TopmostAlways)->trigger();
    menus.item(MenuEntry::TopmostNever)->setEnabled(false);
    menus.item(MenuEntry::TopmostNever)->trigger();
    EXPECT_EQ(chosen, QList<int>{1});
    EXPECT_EQ(menus.checkedIn(MainMenus::kTopmostRules), 1);
    EXPECT_EQ(menus.checkedIn(MainMenus::kListModes), -1);
    menus.item(MenuEntry::PlayPractice)->trigger();
    EXPECT_TRUE(menus.item(MenuEntry::PlayPractice)->checked());
    menus.item(MenuEntry::PlayPractice)->trigger();
    EXPECT_FALSE(menus.item(MenuEntry::PlayPractice)->checked());
}

TEST(MainMenus, DynamicEntriesGrowAndShrinkAtTheEnd) {
    MainMenus menus;
    MenuArray& favorites = menus.menu(Menu::Favorites);
    QSignalSpy changes(&favorites, &MenuArray::itemsChanged);
    QSignalSpy clicks(&favorites, &MenuArray::triggered);
    const qsizetype own = favorites.count();
    favorites.append("甲");
    favorites.append("乙")->trigger();
    EXPECT_EQ(favorites.count(), own + 2);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), own + 1);
    EXPECT_EQ(favorites.byCaption("乙"), favorites.at(own + 1));
    favorites.truncate(own);
    EXPECT_EQ(favorites.count(), own);
    EXPECT_EQ(changes.size(), 3);
}

} // namespace
