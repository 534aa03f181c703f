#pragma once
// Finds folders and matching files below a folder and reports each through a signal, as a walker
// driven by the event loop: each turn of the loop handles a bounded batch of directory entries,
// so the window stays live and commands given meanwhile run at once.
//
// A scan started while another runs goes first and the other waits; when it ends, the other goes
// on. All scans share one stop flag, which StopScan sets and every start clears, so a stop ends
// every scan that is running.
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

class ScanWalk;

class CScanFiles : public QObject {
    Q_OBJECT
public:
    explicit CScanFiles(QObject* parent = nullptr);
    ~CScanFiles() override;

    // Starts walking `Path` (and with `SubFolders` every folder below it) for file names that
    // match `SearchStr` ("*.*" matches every file); without `CaseSensitive` letter case is
    // ignored. Returns at once with the scan's id; ScanFinished reports its end, on a later turn
    // of the event loop, also for an empty path.
    int StartScan2(const QString& Path, bool SubFolders, const QString& SearchStr,
                   bool CaseSensitive);
    // One scan over several roots in turn (every drive): a folder reachable from two roots is
    // walked once, and a stop ends the whole search. No folder on the file system of one of the
    // `skippedFolders` is entered.
    int startScanOfRoots(const QStringList& roots, bool SubFolders, const QString& SearchStr,
                         bool CaseSensitive, const QStringList& skippedFolders = {});
    // The running scans end at their next step.
    void StopScan();

    bool isScanning() const { return !scans_.empty(); }
    // Folders and files reported by this object so far; never reset.
    qint64 DirCount() const { return dirCount_; }
    qint64 FileCount() const { return fileCount_; }
    double FileSize() const { return fileSize_; }

    // Work done per turn of the event loop: at most `entries` steps and about `milliseconds`.
    void setBatchLimits(int entries, int milliseconds);

signals:
    void DirMatch2(const QString& Path, const QString& Directory, qint64 lCount);
    void FileMatch2(const QString& Path, const QString& FileName, qint64 lCount, double dSize);
    // `stopped`: the scan ended through StopScan rather than by walking everything.
    void ScanFinished(int scanId, bool stopped);

private:
    struct Scan;
    void runTurn();
    // One step of the innermost scan, or its end.
    void stepInnermost();

    std::vector<std::unique_ptr<Scan>> scans_;
    QTimer turn_;
    bool stop_ = false;
    int nextId_ = 1;
    int batchEntries_ = 512;
    int batchMilliseconds_ = 8;
    qint64 dirCount_ = 0;
    qint64 fileCount_ = 0;
    double fileSize_ = 0.0;
};
