#pragma once
// Every menu of the main window and every entry in it, as data, in menu order: the one place
// that knows captions, shortcuts, order and submenus. Code names an entry by its MenuEntry,
// never by its place. Appending an entry is one line here plus the command that handles it.
// Captions are the program's own texts, and the settings file keys menu checks by them.

// MENU(name, caption): the menu bar's menus in bar order, then the submenus and the pop-up.
#define TONVALE_MENUS(MENU)                                                                        \
    MENU(File, "文件(&F)")                                                                         \
    MENU(Play, "播放(&P)")                                                                         \
    MENU(View, "查看(&V)")                                                                         \
    MENU(Favorites, "收藏夹(&A)")                                                                  \
    MENU(Help, "帮助(&H)")                                                                         \
    MENU(RecentFiles, "最近打开的文件")                                                            \
    MENU(PlayList, "播放列表(&L)")                                                                 \
    MENU(Volume, "音量(&U)")                                                                       \
    MENU(PlayCompleted, "播放完成后")                                                              \
    MENU(Topmost, "前端显示(&T)")                                                                  \
    MENU(KeyLabels, "键名(&K)")                                                                    \
    MENU(Speed, "速度(&D)")                                                                        \
    MENU(PracticeWays, "跟弹方式(&W)")                                                             \
    MENU(Popup, "右键")

// ENTRY(menu, name, caption, shortcut); SUBMENU(menu, name, submenu) opens a submenu under the
// submenu's caption; SEPARATOR(menu) is a line that no command names. A separator that code
// shows or hides is an ENTRY captioned "-".
#define TONVALE_MENU_ENTRIES(ENTRY, SUBMENU, SEPARATOR)                                            \
    ENTRY(File, FileOpen, "打开(&O)...", "Ctrl+O")                                                 \
    ENTRY(File, FileOpenUrl, "打开 URL(&U)...", "Ctrl+U")                                          \
    SUBMENU(File, FileRecentFiles, RecentFiles)                                                    \
    ENTRY(File, FileClose, "关闭(&C)", "Ctrl+W")                                                   \
    SEPARATOR(File)                                                                                \
    ENTRY(File, FileRecord, "录制(&R)...", "")                                                     \
    ENTRY(File, FileSaveAs, "另存为(&A)...", "")                                                   \
    SEPARATOR(File)                                                                                \
    ENTRY(File, FileProperties, "属性(&P)", "Ctrl+P")                                              \
    SEPARATOR(File)                                                                                \
    ENTRY(File, FileExit, "退出(&X)", "")                                                          \
    ENTRY(File, FileExportMidi, "导出为 MIDI 文件(&M)...", "")                                     \
    ENTRY(File, FilePrint, "打印(&T)...", "")                                                      \
    ENTRY(File, FileExportPdf, "导出为 PDF(&D)...", "")                                            \
    ENTRY(File, FileExportAudio, "导出为音频(&V)...", "")                                          \
    ENTRY(File, FileExportMusicXml, "导出为 MusicXML(&L)...", "")                                  \
                                                                                                   \
    ENTRY(Play, PlayPause, "播放/暂停(&P)  空格", "")                                              \
    ENTRY(Play, PlayStop, "停止(&S)", "")                                                          \
    ENTRY(Play, PlayGoTo, "转到(&G)...", "")                                                       \
    SEPARATOR(Play)                                                                                \
    SUBMENU(Play, PlayListModes, PlayList)                                                         \
    SEPARATOR(Play)                                                                                \
    SUBMENU(Play, PlayVolume, Volume)                                                              \
    SEPARATOR(Play)                                                                                \
    SUBMENU(Play, PlayCompletion, PlayCompleted)                                                   \
    SEPARATOR(Play)                                                                                \
    ENTRY(Play, PlayPolyphonic, "复音演奏(和弦)(&Y)", "")                                          \
    ENTRY(Play, PlayPractice, "跟弹(&T)", "")                                                      \
    SUBMENU(Play, PlaySpeed, Speed)                                                                \
    ENTRY(Play, PlayLoopPassage, "循环选中段落(&O)", "")                                           \
    SUBMENU(Play, PlayPracticeWay, PracticeWays)                                                   \
                                                                                                   \
    ENTRY(View, ViewProgressBar, "进度栏(&P)", "")                                                 \
    ENTRY(View, ViewControlBar, "控制栏(&C)", "")                                                  \
    ENTRY(View, ViewListBar, "播放列表+收藏夹(&L)", "Ctrl+L")                                      \
    ENTRY(View, ViewStatusBar, "状态栏(&S)", "")                                                   \
    SEPARATOR(View)                                                                                \
    SUBMENU(View, ViewTopmost, Topmost)                                                            \
    ENTRY(View, ViewOptions, "选项(&O)...", "")                                                    \
    ENTRY(View, ViewScoreBar, "乐谱栏(&N)", "")                                                    \
    SEPARATOR(View)                                                                                \
    SUBMENU(View, ViewKeyLabels, KeyLabels)                                                        \
    ENTRY(View, ViewPracticeRecord, "练习记录(&R)...", "")                                         \
                                                                                                   \
    ENTRY(Favorites, FavoritesAdd, "添加到收藏夹(&A)...", "")                                      \
    ENTRY(Favorites, FavoritesOrganize, "整理收藏夹(&O)...", "")                                   \
    ENTRY(Favorites, FavoritesListSeparator, "-", "")                                              \
                                                                                                   \
    ENTRY(Help, HelpContents, "帮助文档(&D)", "F1")                                                \
    SEPARATOR(Help)                                                                                \
    ENTRY(Help, HelpContact, "联系作者(&C)...", "")                                                \
    ENTRY(Help, HelpMail, "发送邮件(&M)...", "")                                                   \
    SEPARATOR(Help)                                                                                \
    ENTRY(Help, HelpCheckUpdates, "检查更新(&U)...", "")                                           \
    ENTRY(Help, HelpHomePage, "访问主页(&H)", "")                                                  \
    SEPARATOR(Help)                                                                                \
    ENTRY(Help, HelpAbout, "关于(&A)...", "")                                                      \
                                                                                                   \
    ENTRY(RecentFiles, RecentClearOnExit, "每次退出时自动清除", "")                                \
    ENTRY(RecentFiles, RecentClear, "清除以下最近播放", "")                                        \
    ENTRY(RecentFiles, RecentListSeparator, "-", "")                                               \
                                                                                                   \
    ENTRY(PlayList, ListLoop, "循环播放(&C)", "")                                                  \
    ENTRY(PlayList, ListRandom, "随机播放(&R)", "")                                                \
    ENTRY(PlayList, ListSequential, "顺序播放(&O)", "")                                            \
    ENTRY(PlayList, ListSingle, "单个播放(&S)", "")                                                \
    ENTRY(PlayList, ListSingleLoop, "单个循环播放", "")                                            \
    SEPARATOR(PlayList)                                                                            \
    ENTRY(PlayList, ListClear, "清除播放列表", "")                                                 \
                                                                                                   \
    ENTRY(Volume, VolumeUp, "升高(&U)", "")                                                        \
    ENTRY(Volume, VolumeDown, "降低(&D)", "")                                                      \
    ENTRY(Volume, VolumeMute, "静音(&M)", "Ctrl+M")                                                \
                                                                                                   \
    ENTRY(PlayCompleted, CompletedShutdown, "关机", "")                                            \
    ENTRY(PlayCompleted, CompletedSleep, "休眠", "")                                               \
    ENTRY(PlayCompleted, CompletedExit, "退出Tonvale", "")                                         \
    SEPARATOR(PlayCompleted)                                                                       \
    ENTRY(PlayCompleted, CompletedNothing, "不操作", "")                                           \
                                                                                                   \
    ENTRY(Topmost, TopmostNever, "从不(&N)", "")                                                   \
    ENTRY(Topmost, TopmostAlways, "始终(&T)", "")                                                  \
    ENTRY(Topmost, TopmostWhilePlaying, "播放时(&P)", "")                                          \
                                                                                                   \
    ENTRY(KeyLabels, KeyLabelsComputerKeys, "电脑按键(&C)", "")                                    \
    ENTRY(KeyLabels, KeyLabelsNoteNames, "简谱音名(&N)", "")                                       \
    ENTRY(KeyLabels, KeyLabelsNone, "不显示(&H)", "")                                              \
                                                                                                   \
    ENTRY(Speed, Speed25, "25%", "")                                                               \
    ENTRY(Speed, Speed50, "50%", "")                                                               \
    ENTRY(Speed, Speed75, "75%", "")                                                               \
    ENTRY(Speed, Speed100, "100%", "")                                                             \
    ENTRY(Speed, Speed125, "125%", "")                                                             \
    ENTRY(Speed, Speed150, "150%", "")                                                             \
    ENTRY(Speed, Speed200, "200%", "")                                                             \
                                                                                                   \
    ENTRY(PracticeWays, PracticeWaitForKey, "等待正确的键(&W)", "")                                \
    ENTRY(PracticeWays, PracticeInTime, "按节拍(&B)", "")                                          \
                                                                                                   \
    /* The pop-up's shortcuts are only shown: the main window's key handling runs them. */         \
    ENTRY(Popup, PopupPlay, "播放(&P)", "")                                                        \
    SEPARATOR(Popup)                                                                               \
    ENTRY(Popup, PopupSearch, "搜索(&S)", "")                                                      \
    ENTRY(Popup, PopupAddFolder, "添加目录(&B)...", "")                                            \
    ENTRY(Popup, PopupAddFiles, "添加文件(&F)...", "")                                             \
    SEPARATOR(Popup)                                                                               \
    ENTRY(Popup, PopupDeleteSelected, "删除选中项目(&D)", "")                                      \
    ENTRY(Popup, PopupDeleteAll, "删除全部(&A)", "")                                               \
    ENTRY(Popup, PopupPlaylistSeparator, "-", "")                                                  \
    ENTRY(Popup, PopupAddToFavorites, "添加到收藏夹(&V)", "")                                      \
    ENTRY(Popup, PopupSavePlaylist, "保存播放列表(&L)...", "")                                     \
    ENTRY(Popup, PopupOpenPlaylist, "打开播放列表(&O)...", "")                                     \
    SEPARATOR(Popup)                                                                               \
    ENTRY(Popup, PopupProperties, "属性(&R)", "")                                                  \
    ENTRY(Popup, PopupOrganizeFavorites, "整理收藏夹(&O)...", "")                                  \
    SEPARATOR(Popup)                                                                               \
    ENTRY(Popup, PopupEditScore, "编辑乐谱(&E)", "")

#define TONVALE_MENU_NAME(name, caption) name,
enum class Menu { TONVALE_MENUS(TONVALE_MENU_NAME) };
#undef TONVALE_MENU_NAME

#define TONVALE_ENTRY_NAME(menu, name, ...) name,
#define TONVALE_NO_NAME(menu)
enum class MenuEntry {
    TONVALE_MENU_ENTRIES(TONVALE_ENTRY_NAME, TONVALE_ENTRY_NAME, TONVALE_NO_NAME)
};
#undef TONVALE_ENTRY_NAME
#undef TONVALE_NO_NAME
