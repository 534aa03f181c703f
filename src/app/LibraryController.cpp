#include "app/LibraryController.h"

#include "app/BottomContainer.h"
#include "app/frmMain.h"
#include "core/VersionInfo.h"
#include "library/FileProperties.h"
#include "library/ListBar.h"
#include "library/PlaylistFile.h"
#include "library/ScoreEditCommand.h"
#include "library/frmOpenURL.h"
#include "library/frmProperties.h"
#include "score/ScoreInfo.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>

LibraryController::LibraryController(frmMain& main, QMenu* popupMenu,
                                     std::function<QString()> findEditor)
    : QObject(&main), main_(main),
      commands_(main.opener(), main.engine(), main.playingList(), main.options(),
                main.services().messages, main.services().fileDialogs),
      findEditor_(std::move(findEditor)) {
    listBar_ = new ListBar(main.playingList(), main.favorites(), main.menus().mnuPopupSubs,
                           popupMenu, main.services().messages, main.container()->picListBar());
    listBar_->setTooltips([this](const QString& entry) { return tooltipText(entry); },
                          QStringLiteral("<b>%1</b><br>%2").arg(
                              QString::fromUtf8(VersionInfo::companyName).toHtmlEscaped(),
                              QString::fromUtf8(VersionInfo::legalNotice).toHtmlEscaped()));
    if (popupMenu) {
        // A menu open pauses playback, as the menus of the menu bar do.
        connect(popupMenu, &QMenu::aboutToShow, &main.transport(), &Transport::menuOpened);
        connect(popupMenu, &QMenu::aboutToHide, &main.transport(), &Transport::menuClosed);
    }
    connect(&commands_, &FileCommands::folderDropped, this, &LibraryController::folderDropped);
    main.setAcceptDrops(true);
    main.installEventFilter(this);
    wireFileMenu();
    wireListBar();
    wireKeys();
}

void LibraryController::wireFileMenu() {
    MainMenus& menus = main_.menus();
    connect(menus.mnuFileSubs(0), &MenuItem::triggered, this,
            [this] { commands_.open(listBar_->intActiveList(), listBar_->activeList()); });
    connect(menus.mnuFileSubs(1), &MenuItem::triggered, this, [this] {
        frmOpenURL::Start(commands_, main_.services().fileDialogs,
                          main_.recentFiles().lstRecentFullPath(), &main_);
    });
    connect(menus.mnuFileSubs(6), &MenuItem::triggered, this, [this] { commands_.saveCopy(); });
    connect(menus.mnuFileSubs(8), &MenuItem::triggered, this,
            [this] { showProperties(main_.engine().score().strPlayingFile); });
    for (int i : {3, 6, 8, int(MainMenus::kFileExportMidi)})
        menus.mnuFileSubs(i)->setEnabled(false);
    // "清除播放列表": the list goes, and with it the score.
    connect(menus.mnuPlayListSubs(6), &MenuItem::triggered, this, [this] {
        main_.playingList().clear();
        main_.menus().mnuFileSubs(3)->trigger();
    });
}

void LibraryController::wireListBar() {
    connect(listBar_, &ListBar::playRequested, this,
            [this](const QString& entry) { main_.opener().playAllFiles(entry, true, true); });
    connect(listBar_, &ListBar::addFilesRequested, main_.menus().mnuFileSubs(0), &MenuItem::trigger);
    connect(listBar_, &ListBar::savePlaylistRequested, this, [this] { commands_.savePlaylist(); });
    connect(listBar_, &ListBar::openPlaylistRequested, this, [this] { commands_.openPlaylist(); });
    connect(listBar_, &ListBar::propertiesRequested, this, &LibraryController::showProperties);
    connect(listBar_, &ListBar::editRequested, this, &LibraryController::editScore);
    connect(listBar_, &ListBar::playingListDeletedAll, this, [this] {
        QFile::remove(PlaylistFile::playingListPath(main_.services().paths));
    });
}

// Delete and Shift+Delete run the context menu's delete commands while they are enabled.
void LibraryController::wireKeys() {
    MenuArray& popup = main_.menus().mnuPopupSubs;
    LiveKeyboard& live = main_.liveKeyboard();
    connect(&live, &LiveKeyboard::requestDeleteSelected, popup(6), &MenuItem::trigger);
    connect(&live, &LiveKeyboard::requestDeleteAll, popup(7), &MenuItem::trigger);
}

QString LibraryController::tooltipText(const QString& entry) const {
    QString title;
    const QString info = GetScoreInfo(entry, main_.sound().instrumentNames(), title);
    return QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(),
                                                 info.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")));
}

bool LibraryController::editScore(const QString& entry) {
    const auto command =
        ScoreEditCommand::forEntry(entry, findEditor_ ? findEditor_() : QString(),
                                   QCoreApplication::applicationFilePath());
    if (command && QProcess::startDetached(command->program, command->arguments)) return true;
    reportError(QStringLiteral("错误：找不到可以编辑乐谱的文本编辑器！"));
    return false;
}

void LibraryController::showProperties(const QString& entry) {
    const FileProperties properties =
        FileProperties::read(entry, main_.noteTable(), main_.sound().instrumentNames());
    if (!properties.exists) {
        reportError(QStringLiteral("错误：文件不存在！请确认文件位置！"));
        return;
    }
    frmProperties::Start(properties, &main_);
}

void LibraryController::reportError(const QString& text) {
    main_.services().messages.show(
        {text, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, true});
}

bool LibraryController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &main_) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls()) drag->acceptProposedAction();
        return true;
    }
    if (type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    QStringList paths;
    for (const QUrl& url : drop->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    drop->acceptProposedAction();
    // Opened once the drop has ended, so that a message box never holds up the drag's source.
    QMetaObject::invokeMethod(this, [this, paths] { commands_.dropItems(paths); }, Qt::QueuedConnection);
    return true;
}
