// The settings file across runs: what a first start leaves on disk, what a later start restores
// from it, and the options gate.
#include "app/BottomContainer.h"
#include "app/LibraryController.h"
#include "app/MainWindowRig.h"
#include "app/StatusBarView.h"
#include "controls/Volume.h"
#include "support/QuotedText.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

using SettingsFileTest = MainWindowRig;
using Keys = MainWindowRig::Keys;

const QStringList kCheckKeys{
    "每次退出时自动清除", "进度栏(&P)",   "控制栏(&C)",   "播放列表+收藏夹(&L)",
    "状态栏(&S)",         "从不(&N)",     "始终(&T)",     "播放时(&P)",
    "循环播放(&C)",       "随机播放(&R)", "顺序播放(&O)", "单个播放(&S)",
    "单个循环播放",       "静音(&M)",     "关机",         "休眠",
    "退出Tonvale",        "不操作",       "乐谱栏(&N)",   "电脑按键(&C)",
    "简谱音名(&N)",       "不显示(&H)",   "跟弹(&T)",
    "复音演奏(和弦)(&Y)", "25%",          "50%",          "75%",
    "100%",               "125%",         "150%",         "200%",
    "等待正确的键(&W)",   "按节拍(&B)"};

// A settings file as a run without options leaves it: the window at 3000, 1500, 9000 × 4500
// twips, the second device, instrument 5, channel 3, the status bar, "始终(&T)" and "50%" checked.
Keys laterStart() {
    Keys keys{{"窗体位置大小/Top", "1500"},         {"窗体位置大小/Left", "3000"},
              {"窗体位置大小/Width", "9000"},       {"窗体位置大小/Height", "4500"},
              {"下拉框/ComDevies.ListIndex", "1"},  {"下拉框/ComSounds.ListIndex", "5"},
              {"下拉框/ComChannel.ListIndex", "3"}, {"滚动条/HScrollYindiao.Value", "20"},
              {"滚动条/HScrollVolume.Value", "90"}, {"音量按钮值/volSystemVolume.Volume", "700"}};
    for (const QString& key : kCheckKeys)
        keys.insert("菜单复选否/" + key, "0");
    keys["菜单复选否/状态栏(&S)"] = "1";
    keys["菜单复选否/始终(&T)"] = "1";
    keys["菜单复选否/50%"] = "1";
    keys["菜单复选否/等待正确的键(&W)"] = "1";
    keys["菜单复选否/顺序播放(&O)"] = "1";
    keys["菜单复选否/不操作"] = "1";
    keys["菜单复选否/电脑按键(&C)"] = "1";
    return keys;
}

Keys withGate(Keys keys) {
    keys.insert("选项窗体/Quillon", "Tonvale");
    return keys;
}

TEST_F(SettingsFileTest, AFirstStartAndTheFilesItLeavesAfterShutdownKeyByKey) {
    frmMain& m = start();
    const QRect screen = screenTwips();
    EXPECT_EQ(m.size(), QSize(twipsToPixels(13050), twipsToPixels(3250)));
    EXPECT_EQ(m.pos(), QPoint(twipsToPixels(screen.x() + (screen.width() - 13050) / 2),
                              twipsToPixels(screen.y() + int((screen.height() - 3250) / 3.0f))));
    for (int bar = 0; bar < 4; ++bar)
        EXPECT_FALSE(m.parts().container->isBarVisible(BottomContainer::Bar(bar)));
    QStringList checked;
    for (const MenuItem* item : m.features().menus.rememberedChecks())
        if (item->checked()) checked << item->caption();
    EXPECT_EQ(checked, (QStringList{"播放时(&P)", "循环播放(&C)", "不操作", "电脑按键(&C)", "100%",
                                    "等待正确的键(&W)"}));
    EXPECT_EQ(m.parts().windowSettings->volSystemVolume()->volume(), 930);
    EXPECT_EQ(m.parts().windowSettings->volSystemVolume()->toolTip(), QString("100%"));
    EXPECT_EQ(volume.positions.last(), 930);
    // The sample plays on top, once, outside the lists, and is gone from the folder.
    EXPECT_EQ(m.features().engine.lngTotalRow(), 266);
    EXPECT_TRUE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(m.features().playingList.isEmpty());
    EXPECT_TRUE(m.features().recentFiles.isEmpty());
    EXPECT_FALSE(QFile::exists(folder.file("Vellmor《虞美人》.piano")));
    EXPECT_DOUBLE_EQ(m.windowOpacity(), 1.0);
    // Both file types are registered with their icons.
    EXPECT_EQ(desktop.registeredMimeTypes(),
              (QStringList{"application/x-tonvale-piano", "application/x-tonvale-plist"}));
    EXPECT_TRUE(QFile::exists(folder.file("ICON/piano.ico")));
    EXPECT_TRUE(QFile::exists(folder.file("ICON/playList.ico")));
    const QPoint at = m.pos();
    stop();

    Keys expected{{"窗体位置大小/Width", "13050"},
                  {"窗体位置大小/Height", QString::number(throughPixels(3250))},
                  {"窗体位置大小/Top", QString::number(pixelsToTwips(at.y()))},
                  {"窗体位置大小/Left", QString::number(pixelsToTwips(at.x()))},
                  {"下拉框/ComDevies.ListIndex", "0"},
                  {"下拉框/ComSounds.ListIndex", "0"},
                  {"下拉框/ComChannel.ListIndex", "0"},
                  {"滚动条/HScrollYindiao.Value", "36"},
                  {"滚动条/HScrollVolume.Value", "127"},
                  {"音量按钮值/volSystemVolume.Volume", "930"},
                  {"最近打开的文件/个数", "0"}};
    for (const QString& key : kCheckKeys)
        expected.insert("菜单复选否/" + key, checked.contains(key) ? "1" : "0");
    EXPECT_EQ(readKeys(kSettings), expected);
    EXPECT_EQ(readKeys(kPlayingList), (Keys{{"播放列表/个数", "0"}}));
    EXPECT_EQ(readKeys(kFavorites), (Keys{{"完整路径/个数", "0"}}));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(SettingsFileTest, ALaterStartRestoresWindowSoundChecksAndBarsWithoutChangingTheHeight) {
    writeKeys(kSettings, laterStart());
    frmMain& m = start();
    EXPECT_EQ(m.pos(), QPoint(200, 100));
    EXPECT_EQ(m.size(), QSize(600, 300));
    EXPECT_EQ(m.features().sound.deviceIndex(), 1);
    EXPECT_EQ(m.features().sound.instrumentIndex(), 5);
    EXPECT_EQ(m.features().sound.channel(), 3);
    EXPECT_EQ(m.features().sound.intYindiao(), 20);
    EXPECT_EQ(m.features().sound.intVelocity(), 90);
    EXPECT_EQ(m.parts().windowSettings->volSystemVolume()->volume(), 700);
    EXPECT_TRUE(m.parts().container->isBarVisible(BottomContainer::Bar::Status));
    EXPECT_FALSE(m.parts().container->isBarVisible(BottomContainer::Bar::Control));
    EXPECT_TRUE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The engine follows the checked entries, and no sample plays.
    EXPECT_EQ(m.features().engine.listMode(), EndOfScore::ListMode::Sequential);
    EXPECT_EQ(m.features().engine.completionAction(), EndOfScore::CompletionAction::Nothing);
    EXPECT_EQ(m.features().engine.speedPercent(), 50);
    EXPECT_EQ(m.features().engine.lngTotalRow(), 0);
    stop();
    const Keys saved = readKeys(kSettings);
    const Keys stored = laterStart();
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        EXPECT_EQ(saved.value(it.key()).toStdString(), it.value().toStdString())
            << it.key().toStdString();
}

// The remembered device is past the end of the list: the synthesizer plays, the status bar says
// which device was missing, and the settings then store the synthesizer.
TEST_F(SettingsFileTest, AVanishedDeviceGivesWayToTheSynthesizerWhichIsThenStored) {
    Keys keys = laterStart();
    keys["下拉框/ComDevies.ListIndex"] = "7";
    writeKeys(kSettings, keys);
    frmMain& m = start();
    EXPECT_EQ(m.features().sound.deviceIndex(), 0);
    EXPECT_EQ(backend.openedIds, QList<int>{-1});
    EXPECT_EQ(m.parts().statusBar->lblStatus->text(),
              QString("找不到上次使用的 MIDI 设备（设备列表第 8 项），已改用“synth”。"));
    stop();
    EXPECT_EQ(readKeys(kSettings).value("下拉框/ComDevies.ListIndex"), QString("0"));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

// No sound output at all: the first start shows the failed open once, however many notes the
// sample and the keys then send, and the status bar says so until a device opens.
TEST_F(SettingsFileTest, WithoutSoundOutputAFirstStartShowsOneBoxAndTheStatusBarTellsWhatToDo) {
    backend.failOpen = true;
    frmMain& m = start();
    QTest::qWait(300);
    for (int i = 0; i < 20; ++i)
        m.features().sound.midi().NoteOn(0, 40 + i, 100, 0);
    EXPECT_EQ(messages.texts(), QStringList{"error 7"});
    const QLabel* note = m.parts().statusBar->lblSoundOutput;
    EXPECT_EQ(note->text(), SoundSettings::noSoundOutputText());
    EXPECT_FALSE(note->isHidden());
    backend.failOpen = false;
    m.features().sound.selectDevice(0);
    EXPECT_TRUE(note->isHidden());
    EXPECT_EQ(messages.shown.size(), 1);
    stop();
}

TEST_F(SettingsFileTest, ARunThatNeverAppliedOptionsKeepsTheirStartValuesAndTheDefaultKeyMap) {
    Keys keys = laterStart();
    keys.insert("选项窗体/透明度百分比", "50");
    keys.insert("选项窗体/标题栏单选框", "3");
    keys.insert("选项窗体/播放列表单选框", "0");
    keys.insert("选项窗体/只允许运行一个程序实例", "0");
    keys.insert("选项窗体/关联本程序与乐谱文件(.piano文件)", "0");
    writeKeys(kSettings, keys);
    writeKeys("INI/按键设置.KeyCode", {{"键码/1", "Q"}});
    frmMain& m = start();
    const ProgramOptions& o = m.features().options;
    EXPECT_EQ(o.intTitleOption, 1);
    EXPECT_EQ(o.intPlayListOption, 1);
    EXPECT_TRUE(o.blnMouseFollow);
    EXPECT_TRUE(o.blnOnlyRunOne);
    EXPECT_EQ(o.blnAssociate, (std::array<bool, 2>{true, true}));
    EXPECT_DOUBLE_EQ(m.windowOpacity(), 1.0);
    KeyMap defaults;
    defaults.readFile(KeyMap::defaultFilePath(folder.paths()), m.features().noteTable);
    EXPECT_EQ(m.features().keyMap.strKeyName(39), defaults.strKeyName(39));
    EXPECT_EQ(m.features().keyMap.strKeyName(0), defaults.strKeyName(0));
    EXPECT_EQ(desktop.registeredMimeTypes().size(), 2);
}

TEST_F(SettingsFileTest, ThePedalOfTheUsersKeyMapIsReadEvenBeforeOptionsWereApplied) {
    writeKeys(kSettings, laterStart());
    writeKeys("INI/按键设置.KeyCode", {{"键码/1", "Q"}, {"键码/延音踏板", "F7"}});
    frmMain& m = start();
    EXPECT_TRUE(m.features().keyMap.isPedalKey(118, false));
    EXPECT_EQ(m.features().keyMap.strKeyName(39), QString("a")) << "the notes wait for the gate";
}

TEST_F(SettingsFileTest, WithTheGateTheOptionsAndTheUsersKeyMapAreRead) {
    Keys keys = withGate(laterStart());
    keys.insert("选项窗体/标题栏单选框", "2");
    keys.insert("选项窗体/播放列表单选框", "7"); // out of range: 0
    keys.insert("选项窗体/键盘弹奏时鼠标自动跟随按键", "0");
    keys.insert("选项窗体/只允许运行一个程序实例", "1");
    keys.insert("选项窗体/关联本程序与乐谱文件(.piano文件)", "0");
    keys.insert("选项窗体/关联本程序与播放列表(.plist文件)", "5"); // out of range: on
    writeKeys(kSettings, keys);
    writeKeys("INI/按键设置.KeyCode", {{"键码/1", "Q"}});
    frmMain& m = start();
    const ProgramOptions& o = m.features().options;
    EXPECT_EQ(o.intTitleOption, 2);
    EXPECT_EQ(o.intPlayListOption, 0);
    EXPECT_FALSE(o.blnMouseFollow);
    EXPECT_TRUE(o.blnOnlyRunOne);
    EXPECT_EQ(o.blnAssociate, (std::array<bool, 2>{false, true}));
    // The user's map replaces every entry: a note it does not name is unassigned.
    EXPECT_EQ(m.features().keyMap.strKeyName(39), QString("Q"));
    EXPECT_EQ(m.features().keyMap.strKeyName(0), QString());
    EXPECT_EQ(desktop.registeredMimeTypes(), QStringList{"application/x-tonvale-plist"});
}

TEST_F(SettingsFileTest, AGateWithoutOptionKeysGivesZeroForEveryOption) {
    writeKeys(kSettings, withGate(laterStart()));
    const ProgramOptions& o = start().features().options;
    EXPECT_EQ(o.intTitleOption, 0);
    EXPECT_EQ(o.intPlayListOption, 0);
    EXPECT_FALSE(o.blnMouseFollow);
    EXPECT_FALSE(o.blnOnlyRunOne);
    EXPECT_EQ(o.blnAssociate, (std::array<bool, 2>{false, false}));
    EXPECT_TRUE(desktop.registeredMimeTypes().isEmpty());
}

struct TransparencyCase {
    const char* stored;
    int alpha;
    friend void PrintTo(const TransparencyCase& c, std::ostream* out) { *out << c.stored; }
};

class TransparencyAtStart : public MainWindowRig,
                            public testing::WithParamInterface<TransparencyCase> {};

// Percents outside 0..99 in the file are brought into that range.
TEST_P(TransparencyAtStart, AppliesTheStoredPercentAsTheWindowsAlpha) {
    Keys keys = withGate(laterStart());
    keys.insert("选项窗体/透明度百分比", GetParam().stored);
    writeKeys(kSettings, keys);
    frmMain& m = start();
    EXPECT_EQ(qRound(m.windowOpacity() * 255), GetParam().alpha);
    EXPECT_EQ(m.parts().windowSettings->settings().transparencyPercent(),
              std::clamp(int(QString(GetParam().stored).toDouble()), 0, 99));
}

INSTANTIATE_TEST_SUITE_P(Percents, TransparencyAtStart,
                         testing::Values(TransparencyCase{"0", 255}, TransparencyCase{"50", 128},
                                         TransparencyCase{"99", 3}, TransparencyCase{"100", 3},
                                         TransparencyCase{"300", 3}, TransparencyCase{"-40", 255}));

struct RecentCase {
    int stored, loaded;
    friend void PrintTo(const RecentCase& c, std::ostream* out) { *out << c.stored; }
};

class RecentFilesAtStart : public MainWindowRig, public testing::WithParamInterface<RecentCase> {};

TEST_P(RecentFilesAtStart, ComeBackInTheirOrderOrNotAtAll) {
    Keys keys = laterStart();
    keys.insert("最近打开的文件/个数", QString::number(GetParam().stored));
    for (int k = 0; k <= 10; ++k)
        keys.insert("最近打开的文件/" + QString::number(k), QString("/曲/%1.piano").arg(k));
    writeKeys(kSettings, keys);
    const RecentFiles& recent = start().features().recentFiles;
    ASSERT_EQ(recent.count(), GetParam().loaded);
    if (recent.count() > 0) {
        EXPECT_EQ(recent.lstRecentFullPath().first(), QString("/曲/0.piano"));
        EXPECT_EQ(recent.lstRecentFullPath().last(),
                  QString("/曲/%1.piano").arg(GetParam().loaded - 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, RecentFilesAtStart,
                         testing::Values(RecentCase{10, 10}, RecentCase{11, 0}, RecentCase{-1, 0},
                                         RecentCase{0, 0}, RecentCase{3, 3}));

TEST_F(SettingsFileTest, PlayingListOptionThreeSavesAnEmptyList) {
    Keys keys = withGate(laterStart());
    keys.insert("选项窗体/播放列表单选框", "3");
    writeKeys(kSettings, keys);
    writeKeys(kPlayingList, {{"播放列表/个数", "2"},
                             {"播放列表/0", score("甲.piano")},
                             {"播放列表/1", score("乙.piano")}});
    EXPECT_EQ(start().features().playingList.count(), 2);
    stop();
    const Keys saved = readKeys(kPlayingList);
    EXPECT_EQ(saved.value("播放列表/个数"), QString("0"));
    // Keys beyond the count stay and are ignored on reading.
    EXPECT_EQ(saved.value("播放列表/0"), folder.file("甲.piano"));
    EXPECT_FALSE(readKeys(kSettings).contains("正在播放/Index"));
}

TEST_F(SettingsFileTest, PlayingListOptionZeroReopensTheEntryThatWasPlaying) {
    Keys keys = withGate(laterStart());
    keys.insert("选项窗体/播放列表单选框", "0");
    keys.insert("正在播放/Index", "2");
    writeKeys(kSettings, keys);
    writeKeys(kPlayingList, {{"播放列表/个数", "3"},
                             {"播放列表/0", score("甲.piano")},
                             {"播放列表/1", score("乙.piano")},
                             {"播放列表/2", score("丙.piano")}});
    frmMain& m = start();
    EXPECT_EQ(m.features().opener.intPlayingIndex(), 2);
    EXPECT_EQ(m.features().engine.score().strPlayingFile, folder.file("丙.piano"));
    EXPECT_EQ(m.features().recentFiles.lstRecentFullPath().value(0), folder.file("丙.piano"));
    stop();
    EXPECT_EQ(readKeys(kSettings).value("正在播放/Index"), QString("2"));
}

// An index that names no entry opens nothing and reports nothing.
TEST_F(SettingsFileTest, APlayingIndexBeyondTheListOpensNothing) {
    Keys keys = withGate(laterStart());
    keys.insert("选项窗体/播放列表单选框", "0");
    keys.insert("正在播放/Index", "7");
    writeKeys(kSettings, keys);
    writeKeys(kPlayingList, {{"播放列表/个数", "1"}, {"播放列表/0", score("甲.piano")}});
    EXPECT_EQ(start().features().engine.lngTotalRow(), 0);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(SettingsFileTest, ARunEndedWhileMinimisedStoresItsNormalSizeCentred) {
    writeKeys(kSettings, laterStart());
    frmMain& m = start();
    m.show();
    m.showMinimized();
    const QRect screen = screenTwips();
    stop();
    const Keys saved = readKeys(kSettings);
    EXPECT_EQ(saved.value("窗体位置大小/Width"), QString("9000"));
    EXPECT_EQ(saved.value("窗体位置大小/Height"), QString("4500"));
    EXPECT_EQ(saved.value("窗体位置大小/Top"),
              QString::number(screen.y() + (screen.height() - 4500) / 3));
    EXPECT_EQ(saved.value("窗体位置大小/Left"),
              QString::number(screen.x() + (screen.width() - 9000) / 2));
}

TEST_F(SettingsFileTest, ARunEndedMaximisedStoresItsNormalSize) {
    writeKeys(kSettings, laterStart());
    frmMain& m = start();
    m.show();
    m.showMaximized();
    stop();
    const Keys saved = readKeys(kSettings);
    EXPECT_EQ(saved.value("窗体位置大小/Width"), QString("9000"));
    EXPECT_EQ(saved.value("窗体位置大小/Height"), QString("4500"));
}

// A file without a window section would otherwise shrink the window to nothing.
TEST_F(SettingsFileTest, MissingOrBrokenGeometryKeysKeepTheDesignedWindow) {
    Keys keys = laterStart();
    keys.remove("窗体位置大小/Width");
    keys["窗体位置大小/Height"] = "高";
    keys["窗体位置大小/Left"] = "1e12";
    writeKeys(kSettings, keys);
    frmMain& m = start();
    EXPECT_EQ(m.size(), QSize(twipsToPixels(13050), twipsToPixels(3250)));
    EXPECT_EQ(m.pos().y(), 100);
}

TEST_F(SettingsFileTest, StoredMuteMutesAtStartOverwritingTheStoredVolume) {
    Keys keys = laterStart();
    keys["菜单复选否/静音(&M)"] = "1";
    writeKeys(kSettings, keys);
    frmMain& m = start();
    EXPECT_EQ(volume.positions, (QList<int>{700, 0}));
    EXPECT_FALSE(m.parts().windowSettings->volSystemVolume()->isEnabled());
    EXPECT_FALSE(m.features().menus.item(MenuEntry::VolumeUp)->enabled());
    EXPECT_FALSE(m.features().menus.item(MenuEntry::VolumeDown)->enabled());
    stop();
    EXPECT_EQ(readKeys(kSettings).value("音量按钮值/volSystemVolume.Volume"), QString("0"));
}

TEST_F(SettingsFileTest, RepeatedFavoriteNamesAreSkippedAndTheMenuHasOneEntryPerFavorite) {
    writeKeys(kSettings, laterStart());
    writeKeys(kFavorites, {{"完整路径/个数", "3"},
                           {"完整路径/0", score("甲.piano")},
                           {"完整路径/1", score("乙.piano")},
                           {"完整路径/2", score("丙.piano")},
                           {"名称/0", "一"},
                           {"名称/1", "一"},
                           {"名称/2", "三"}});
    frmMain& m = start();
    EXPECT_EQ(m.features().favorites.count(), 2);
    const MenuArray& menu = m.features().menus.menu(Menu::Favorites);
    const qsizetype first = MainMenus::entriesOf(Menu::Favorites).size();
    ASSERT_EQ(menu.count(), first + 2);
    EXPECT_EQ(menu.at(first)->caption(), QString("一"));
    EXPECT_EQ(menu.at(first + 1)->caption(), QString("三"));
    EXPECT_TRUE(m.features().menus.item(MenuEntry::FavoritesListSeparator)->visible());
    EXPECT_FALSE(m.features().menus.item(MenuEntry::FavoritesAdd)->enabled());
    EXPECT_TRUE(m.features().menus.item(MenuEntry::FavoritesOrganize)->enabled());
    // The menu bar shows them too.
    QStringList shown;
    for (const QAction* action : m.menuBar()->actions().at(3)->menu()->actions())
        shown << action->text();
    EXPECT_EQ(shown.mid(shown.size() - 2), (QStringList{"一", "三"}));
}

// Losing the settings file resets the settings, never the lists kept in files of their own.
TEST_F(SettingsFileTest, AFirstStartKeepsThePlayingListAndFavoritesFoundOnDisk) {
    writeKeys(kPlayingList, {{"播放列表/个数", "1"}, {"播放列表/0", score("甲.piano")}});
    writeKeys(kFavorites,
              {{"完整路径/个数", "1"}, {"完整路径/0", score("乙.piano")}, {"名称/0", "乙"}});
    frmMain& m = start();
    EXPECT_EQ(m.features().playingList.entries(), QStringList{folder.file("甲.piano")});
    EXPECT_EQ(m.features().favorites.count(), 1);
    stop();
    EXPECT_EQ(readKeys(kPlayingList).value("播放列表/0"), folder.file("甲.piano"));
    EXPECT_EQ(readKeys(kFavorites).value("名称/0"), QString("乙"));
}

// Linux file names are Unicode: names GBK cannot hold come back whole from every data file and
// from a playlist, and the rest of each file keeps its GBK bytes.
TEST_F(SettingsFileTest, NamesOutsideGbkComeBackFromEveryDataFileAndAPlaylist) {
    const QString name = score("Café ♫ 노래.piano");
    const QString entry = name + " *1";
    const QString caption = "收藏 ♫ 노래";
    frmMain& m = start();
    m.features().opener.playAllFiles(entry, true, true);
    m.features().favorites.AddListEntry(entry, caption, ListPair::DuplicateTest::OnDisplayNames);
    dialogs.answers << folder.file("列表 ♫.plist");
    ASSERT_TRUE(m.parts().library->commands().savePlaylist());
    stop();
    // "é" keeps its GBK bytes, "♫" is written in four.
    for (const char* file : {kSettings, kPlayingList, kFavorites})
        EXPECT_TRUE(folder.read(QString::fromUtf8(file)).contains("Caf\xA8\xA6 \x81\x37\xAC\x39 "))
            << file;
    EXPECT_EQ(readKeys(kSettings).value("最近打开的文件/0"), entry);

    frmMain& next = start();
    EXPECT_EQ(next.features().playingList.entries(), QStringList{entry});
    EXPECT_EQ(next.features().recentFiles.lstRecentFullPath().value(0), entry);
    ASSERT_EQ(next.features().favorites.count(), 1);
    EXPECT_EQ(next.features().favorites.entry(0), entry);
    EXPECT_EQ(next.features().favorites.displayText(0), caption);
    next.features().playingList.clear();
    next.features().opener.LoadPlaylistFile(folder.file("列表 ♫.plist"));
    EXPECT_EQ(next.features().playingList.entries(), QStringList{entry});
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

} // namespace

namespace {

struct IndexCase {
    const char* stored;
    int selected; // -1: the text is refused and nothing is selected
    friend void PrintTo(const IndexCase& c, std::ostream* out) { *out << quoted(c.stored); }
};

class StoredListIndex : public MainWindowRig, public testing::WithParamInterface<IndexCase> {};

// The whole text is the number, fractions rounded halves to even; anything else is refused.
TEST_P(StoredListIndex, IsReadAsAWholeNumberOrNotAtAll) {
    Keys keys = laterStart();
    keys["下拉框/ComSounds.ListIndex"] = GetParam().stored;
    writeKeys(kSettings, keys);
    EXPECT_EQ(start().features().sound.instrumentIndex(), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Texts, StoredListIndex,
                         testing::Values(IndexCase{"2.5", 2}, IndexCase{"3.5", 4},
                                         IndexCase{" 7 ", 7}, IndexCase{"7abc", -1},
                                         IndexCase{"", -1}, IndexCase{"40000", -1},
                                         IndexCase{"200", -1}));

} // namespace
