#include "app/LibraryController.h"

#include "app/BottomContainer.h"
#include "core/MainMenus.h"
#include "core/SoundSettings.h"
#include "core/VersionInfo.h"
#include "library/FileProperties.h"
#include "library/ListBar.h"
#include "library/PlaylistFile.h"
#include "library/RecentFiles.h"
#include "library/ScoreEditCommand.h"
#include "library/frmOpenURL.h"
#include "library/frmProperties.h"
#include "score/PracticeRecord.h"
#include "score/ScoreInfo.h"
#include "score/Transport.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProcess>

LibraryController::LibraryController(Parts parts, std::function<QString()> findEditor)
    : QObject(&parts.window), p_(parts),
      commands_(p_.opener, p_.engine, p_.playingList, p_.options, p_.services.messages,
                p_.services.fileDialogs),
      findEditor_(std::move(findEditor)) {
    listBar_ = new ListBar(p_.playingList, p_.favorites, p_.menus, p_.popupMenu,
                           p_.services.messages, p_.container.picListBar());
    listBar_->setTooltips([this](const QString& entry) { return tooltipText(entry); },
                          QStringLiteral("<b>%1</b><br>%2").arg(
                              QString::fromUtf8(VersionInfo::companyName).toHtmlEscaped(),
                              QString::fromUtf8(VersionInfo::legalNotice).toHtmlEscaped()));
    if (p_.popupMenu) {
        // A menu open pauses playback, as the menus of the menu bar do.
        connect(p_.popupMenu, &QMenu::aboutToShow, &p_.transport, &Transport::menuOpened);
        connect(p_.popupMenu, &QMenu::aboutToHide, &p_.transport, &Transport::menuClosed);
    }
    connect(&commands_, &FileCommands::folderDropped, this, &LibraryController::folderDropped);
    p_.window.setAcceptDrops(true);
    p_.window.installEventFilter(this);
    wireFileMenu();
    wireListBar();
}

void LibraryController::wireFileMenu() {
    const MainMenus& menus = p_.menus;
    connect(menus.item(MenuEntry::FileOpen), &MenuItem::triggered, this,
            [this] { commands_.open(listBar_->intActiveList(), listBar_->activeList()); });
    connect(menus.item(MenuEntry::FileOpenUrl), &MenuItem::triggered, this, [this] {
        frmOpenURL::Start(commands_, p_.services.fileDialogs, p_.recentFiles.lstRecentFullPath(),
                          &p_.window);
    });
    connect(menus.item(MenuEntry::FileSaveAs), &MenuItem::triggered, this, [this] { commands_.saveCopy(); });
    connect(menus.item(MenuEntry::FileProperties), &MenuItem::triggered, this,
            [this] { showProperties(p_.engine.score().strPlayingFile); });
    // "清除播放列表": the list goes, and with it the score.
    connect(menus.item(MenuEntry::ListClear), &MenuItem::triggered, this, [this] {
        p_.playingList.clear();
        p_.menus.item(MenuEntry::FileClose)->trigger();
    });
}

void LibraryController::wireListBar() {
    connect(listBar_, &ListBar::playRequested, this,
            [this](const QString& entry) { p_.opener.playAllFiles(entry, true, true); });
    connect(listBar_, &ListBar::addFilesRequested, p_.menus.item(MenuEntry::FileOpen), &MenuItem::trigger);
    connect(listBar_, &ListBar::savePlaylistRequested, this, [this] { commands_.savePlaylist(); });
    connect(listBar_, &ListBar::openPlaylistRequested, this, [this] { commands_.openPlaylist(); });
    connect(listBar_, &ListBar::propertiesRequested, this, &LibraryController::showProperties);
    connect(listBar_, &ListBar::editRequested, this, &LibraryController::editScore);
    connect(listBar_, &ListBar::playingListDeletedAll, this, [this] {
        QFile::remove(PlaylistFile::playingListPath(p_.services.paths));
    });
}

QString LibraryController::tooltipText(const QString& entry) const {
    QString title;
    const QString info = GetScoreInfo(entry, p_.sound.instrumentNames(), title);
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
    FileProperties properties =
        FileProperties::read(entry, p_.noteTable, p_.sound.instrumentNames());
    if (!properties.exists) {
        reportError(QStringLiteral("错误：文件不存在！请确认文件位置！"));
        return;
    }
    if (properties.isScore) {
        const PracticeRecord::Highlights practice = p_.practiceRecord.highlights(properties.path);
        properties.bestPractice = practice.best;
        properties.lastPractice = practice.last;
    }
    frmProperties::Start(properties, &p_.window);
}

void LibraryController::reportError(const QString& text) {
    p_.services.messages.show(errorMessage(text));
}

bool LibraryController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &p_.window) return false;
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
