#pragma once
// The commands that fill the active list with the scores found on disk: adding a folder (asked
// for, or dropped on the window) and searching every drive. While scans run the status line
// names each folder entered and the status icon is a stop button; when the last scan ends the
// status line shows the program's state again.
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <functional>

class CScanFiles;
class FileDialogs;
class ListPair;
class StatusLine;

class FolderScanCommands : public QObject {
    Q_OBJECT
public:
    using DriveList = std::function<QStringList()>;
    using ActiveList = std::function<int()>;

    static QString startingText() { return QStringLiteral("正在启动搜索引擎..."); }
    static QString stopToolTip() { return QStringLiteral("停止搜索"); }

    // `startFolder`: where the folder browser opens (the program's folder).
    FolderScanCommands(CScanFiles& scanner, ListPair& playingList, ListPair& favorites,
                       FileDialogs& dialogs, const QString& startFolder, QObject* parent = nullptr);

    // Unset, the scans name no folders. It must outlive the commands or be unset first.
    void setStatusLine(StatusLine* status) { status_ = status; }
    // The roots a search walks, the mounted disk file systems unless set, and the folders whose
    // file systems it leaves out, the virtual ones (/proc, /sys, /dev, /run ...) unless set.
    void setDriveList(DriveList drives) { drives_ = std::move(drives); }
    void setSkippedFolders(DriveList folders) { skipped_ = std::move(folders); }
    // intActiveList of the list bar (0: the playing list, 1: the favorites); each score found
    // goes to the list active at that moment. The playing list unless set.
    void setActiveList(ActiveList activeList) { activeList_ = std::move(activeList); }

    // "添加目录(&B)...": asks for a folder; a cancelled browser scans nothing.
    void addFolder();
    // A folder dropped on the window is scanned without asking.
    void scanDroppedFolder(const QString& path);
    // "搜索(&S)": every drive in turn.
    void searchAllDrives();
    // A click on the stop icon: every running scan ends at its next step.
    void stopSearch();

    bool isStopIconShown() const { return iconHolders_ > 0; }
    bool blnStopSearch() const { return blnStopSearch_; }

signals:
    // The status icon turns into the stop button (true) or back (false). It stays a stop button
    // as long as any scan runs, also when a scan started during another one ends first.
    void stopIconChanged(bool stopButton);

private:
    void begin();
    void startScan(const QStringList& roots, const QStringList& skippedFolders = {});
    void end();
    void scanFinished(int scanId);
    void fileFound(const QString& path);
    // Adds what was found since the last time, in one insertion.
    void addFound();
    void showStatus(const QString& text) const;

    CScanFiles& scanner_;
    ListPair& playingList_;
    ListPair& favorites_;
    FileDialogs& dialogs_;
    QString startFolder_;
    StatusLine* status_ = nullptr;
    DriveList drives_;
    DriveList skipped_;
    ActiveList activeList_;
    bool blnStopSearch_ = false;
    int iconHolders_ = 0;
    // The scans started here that still run.
    QSet<int> scans_;
    // Scores found in the current turn of the scan and the list they go to; added once the turn
    // is over, so that a shown list lays out once per turn instead of once per file.
    QStringList found_;
    ListPair* foundFor_ = nullptr;
    QTimer addFoundSoon_;
};
