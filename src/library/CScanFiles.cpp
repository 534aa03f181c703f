#include "library/CScanFiles.h"

#include "library/ScanWalk.h"

#include <QElapsedTimer>

struct CScanFiles::Scan {
    Scan(int scanId, const QStringList& roots, bool subFolders, const QString& searchStr,
         bool caseSensitive, const QStringList& skippedFolders)
        : id(scanId), walk(roots, subFolders, searchStr, caseSensitive, skippedFolders) {}
    int id;
    ScanWalk walk;
};

CScanFiles::CScanFiles(QObject* parent) : QObject(parent) {
    turn_.setSingleShot(true);
    turn_.setInterval(0);
    connect(&turn_, &QTimer::timeout, this, &CScanFiles::runTurn);
}

CScanFiles::~CScanFiles() = default;

int CScanFiles::StartScan2(const QString& Path, bool SubFolders, const QString& SearchStr,
                           bool CaseSensitive) {
    return startScanOfRoots(QStringList{Path}, SubFolders, SearchStr, CaseSensitive);
}

int CScanFiles::startScanOfRoots(const QStringList& roots, bool SubFolders,
                                 const QString& SearchStr, bool CaseSensitive,
                                 const QStringList& skippedFolders) {
    stop_ = false;
    const int id = nextId_++;
    scans_.push_back(
        std::make_unique<Scan>(id, roots, SubFolders, SearchStr, CaseSensitive, skippedFolders));
    turn_.start();
    return id;
}

void CScanFiles::StopScan() {
    stop_ = true;
}

void CScanFiles::setBatchLimits(int entries, int milliseconds) {
    batchEntries_ = qMax(1, entries);
    batchMilliseconds_ = qMax(0, milliseconds);
}

void CScanFiles::stepInnermost() {
    Scan& scan = *scans_.back();
    if (stop_ || scan.walk.done()) {
        const int id = scan.id;
        const bool stopped = stop_;
        scans_.pop_back();
        emit ScanFinished(id, stopped);
        return;
    }
    ScanWalk::Found found;
    if (!scan.walk.step(found)) return;
    // The handlers may start or stop scans: nothing of `scan` is used after an emit.
    if (found.isFolder) {
        ++dirCount_;
        emit DirMatch2(found.path, found.name, dirCount_);
    } else {
        ++fileCount_;
        fileSize_ += double(found.size);
        emit FileMatch2(found.path, found.name, fileCount_, fileSize_);
    }
}

void CScanFiles::runTurn() {
    QElapsedTimer clock;
    clock.start();
    for (int steps = 0; !scans_.empty() && steps < batchEntries_; ++steps) {
        stepInnermost();
        if (clock.elapsed() >= batchMilliseconds_) break;
    }
    if (!scans_.empty()) turn_.start();
}
