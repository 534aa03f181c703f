#include "core/MainMenus.h"

MainMenus::MainMenus(QObject* parent)
    : QObject(parent),
      mnuFileSubs(QStringLiteral("文件(&F)"),
                  {{"打开(&O)...", "Ctrl+O"}, {"打开 URL(&U)...", "Ctrl+U"}, {"最近打开的文件", {}},
                   {"关闭(&C)", "Ctrl+W"}, {"-", {}}, {"录制(&R)...", {}}, {"另存为(&A)...", {}},
                   {"-", {}}, {"属性(&P)", "Ctrl+P"}, {"-", {}}, {"退出(&X)", {}},
                   {"导出为 MIDI 文件(&M)...", {}}}),
      mnuPlaySubs(QStringLiteral("播放(&P)"),
                  {{"播放/暂停(&P)  空格", {}}, {"停止(&S)", {}}, {"转到(&G)...", {}}, {"-", {}},
                   {"播放列表(&L)", {}}, {"-", {}}, {"音量(&U)", {}}, {"-", {}}, {"播放完成后", {}},
                   {"-", {}}, {"复音演奏(和弦)(&Y)", {}}}),
      mnuViewSubs(QStringLiteral("查看(&V)"),
                  {{"进度栏(&P)", {}}, {"控制栏(&C)", {}}, {"播放列表+收藏夹(&L)", "Ctrl+L"},
                   {"状态栏(&S)", {}}, {"-", {}}, {"前端显示(&T)", {}}, {"选项(&O)...", {}}}),
      mnuFavoriteSubs(QStringLiteral("收藏夹(&A)"),
                      {{"添加到收藏夹(&A)...", {}}, {"整理收藏夹(&O)...", {}}, {"-", {}}}),
      mnuHelpSubs(QStringLiteral("帮助(&H)"),
                  {{"帮助文档(&D)", "F1"}, {"-", {}}, {"联系作者(&C)...", {}}, {"发送邮件(&M)...", {}},
                   {"-", {}}, {"检查更新(&U)...", {}}, {"访问主页(&H)", {}}, {"-", {}},
                   {"关于(&A)...", {}}}),
      mnuRecentFiles(QStringLiteral("最近打开的文件"),
                     {{"每次退出时自动清除", {}}, {"清除以下最近播放", {}}, {"-", {}}}),
      mnuPlayListSubs(QStringLiteral("播放列表(&L)"),
                      {{"循环播放(&C)", {}}, {"随机播放(&R)", {}}, {"顺序播放(&O)", {}},
                       {"单个播放(&S)", {}}, {"单个循环播放", {}}, {"-", {}}, {"清除播放列表", {}}}),
      mnuVolumeSubs(QStringLiteral("音量(&U)"), {{"升高(&U)", {}}, {"降低(&D)", {}}, {"静音(&M)", "Ctrl+M"}}),
      mnuPlayCompletedSubs(QStringLiteral("播放完成后"),
                           {{"关机", {}}, {"休眠", {}}, {"退出Tonvale", {}}, {"-", {}}, {"不操作", {}}}),
      mnuTopmostSubs(QStringLiteral("前端显示(&T)"), {{"从不(&N)", {}}, {"始终(&T)", {}}, {"播放时(&P)", {}}}),
      mnuKeyLabelSubs(QStringLiteral("键名(&K)"),
                      {{"电脑按键(&C)", {}}, {"简谱音名(&N)", {}}, {"不显示(&H)", {}}}),
      // Its shortcuts are only shown: the main window's key handling runs these commands.
      mnuPopupSubs(QStringLiteral("右键"),
                   {{"播放(&P)", {}}, {"-", {}}, {"搜索(&S)", {}}, {"添加目录(&B)...", {}},
                    {"添加文件(&F)...", {}}, {"-", {}}, {"删除选中项目(&D)", {}}, {"删除全部(&A)", {}},
                    {"-", {}}, {"添加到收藏夹(&V)", {}}, {"保存播放列表(&L)...", {}},
                    {"打开播放列表(&O)...", {}}, {"-", {}}, {"属性(&R)", {}}, {"整理收藏夹(&O)...", {}},
                    {"-", {}}, {"编辑乐谱(&E)", {}}}) {
    mnuFileSubs(2)->setSubmenu(&mnuRecentFiles);
    mnuPlaySubs(4)->setSubmenu(&mnuPlayListSubs);
    mnuPlaySubs(6)->setSubmenu(&mnuVolumeSubs);
    mnuPlaySubs(8)->setSubmenu(&mnuPlayCompletedSubs);
    mnuViewSubs(5)->setSubmenu(&mnuTopmostSubs);
    mnuScoreBar = mnuViewSubs.append(QStringLiteral("乐谱栏(&N)"));
    mnuViewSubs.append(QStringLiteral("-"));
    mnuKeyLabels = mnuViewSubs.append(mnuKeyLabelSubs.caption());
    mnuKeyLabels->setSubmenu(&mnuKeyLabelSubs);
    mnuPractice = mnuPlaySubs.append(QStringLiteral("跟弹(&T)"));
}

QList<MenuItem*> MainMenus::rememberedChecks() const {
    QList<MenuItem*> items{mnuRecentFiles(0)};
    for (int i = 0; i <= 3; ++i) items << mnuViewSubs(i);
    for (int i = 0; i <= 2; ++i) items << mnuTopmostSubs(i);
    for (int i = 0; i <= 4; ++i) items << mnuPlayListSubs(i);
    items << mnuVolumeSubs(2);
    for (int i : {0, 1, 2, 4}) items << mnuPlayCompletedSubs(i);
    items << mnuScoreBar;
    for (int i = 0; i <= 2; ++i) items << mnuKeyLabelSubs(i);
    items << mnuPractice;
    items << mnuPlaySubs(PlayPolyphonic);
    return items;
}

void MainMenus::checkOnly(MenuItem* item, const QList<MenuItem*>& group) {
    for (MenuItem* other : group) other->setChecked(other == item);
}
