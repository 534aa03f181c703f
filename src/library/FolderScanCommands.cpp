#include "library/FolderScanCommands.h"

#include "core/StatusLine.h"
#include "library/CScanFiles.h"
#include "library/ListPair.h"
#include "library/MDriveInfo.h"
#include "platform/FileDialogs.h"

#include <utility>

namespace {
const QString kScores = QStringLiteral("*") + QStringLiteral(".PIANO");
} // namespace

FolderScanCommands::FolderScanCommands(CScanFiles& scanner, ListPair& playingList,
                                       ListPair& favorites, FileDialogs& dialogs,
                                       const QString& startFolder, QObject* parent)
    : QObject(parent), scanner_(scanner), playingList_(playingList), favorites_(favorites),
      dialogs_(dialogs), startFolder_(startFolder), drives_(&MDriveInfo::GetDriveList),
      skipped_(&MDriveInfo::GetVirtualMountPoints) {
    connect(&scanner_, &CScanFiles::DirMatch2, this,
            [this](const QString& path) { showStatus(path); });
    connect(&scanner_, &CScanFiles::FileMatch2, this, &FolderScanCommands::fileFound);
    connect(&scanner_, &CScanFiles::ScanFinished, this, &FolderScanCommands::scanFinished);
    addFoundSoon_.setSingleShot(true);
    addFoundSoon_.setInterval(0);
    connect(&addFoundSoon_, &QTimer::timeout, this, &FolderScanCommands::addFound);
}

void FolderScanCommands::showStatus(const QString& text) const {
    if (status_) status_->showActivity(this, text);
}

void FolderScanCommands::begin() {
    blnStopSearch_ = false;
    if (iconHolders_++ == 0) emit stopIconChanged(true);
}

void FolderScanCommands::end() {
    if (iconHolders_ == 0 || --iconHolders_ > 0) return;
    if (status_) status_->endActivity(this);
    emit stopIconChanged(false);
}

void FolderScanCommands::startScan(const QStringList& roots, const QStringList& skippedFolders) {
    showStatus(startingText());
    scans_.insert(scanner_.startScanOfRoots(roots, true, kScores, false, skippedFolders));
}

void FolderScanCommands::addFolder() {
    begin();
    // The browser is modal but the loop runs meanwhile: a scan already running goes on.
    const QString folder =
        dialogs_.getExistingDirectory(QStringLiteral("请选择要添加的目录："), startFolder_);
    if (folder.isEmpty()) {
        end();
        return;
    }
    startScan({folder});
}

void FolderScanCommands::scanDroppedFolder(const QString& path) {
    begin();
    startScan({path});
}

void FolderScanCommands::searchAllDrives() {
    begin();
    startScan(drives_ ? drives_() : QStringList(), skipped_ ? skipped_() : QStringList());
}

void FolderScanCommands::stopSearch() {
    blnStopSearch_ = true;
    scanner_.StopScan();
}

void FolderScanCommands::scanFinished(int scanId) {
    addFound();
    if (scans_.remove(scanId)) end();
}

void FolderScanCommands::fileFound(const QString& path) {
    ListPair* list = activeList_ && activeList_() == 1 ? &favorites_ : &playingList_;
    if (list != foundFor_) addFound();
    foundFor_ = list;
    found_.append(path);
    if (!addFoundSoon_.isActive()) addFoundSoon_.start();
}

void FolderScanCommands::addFound() {
    addFoundSoon_.stop();
    if (!foundFor_ || found_.isEmpty()) return;
    const QStringList found = std::exchange(found_, {});
    foundFor_->AddListEntries(found);
}
