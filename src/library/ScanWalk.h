#pragma once
// The walk of one scan, one step at a time: depth first, a folder's files and folders reported in
// listing order before any of its folders is entered. Folders whose name begins with "." are not
// entered, and each real folder (device and inode) is entered once, so links that lead back to a
// folder above never loop. Folders that cannot be listed are passed over, and so is every folder
// on the file system of a skipped folder (the kernel's virtual ones below "/").
#include "library/WildcardMatch.h"

#include <QSet>
#include <QStringList>

#include <dirent.h>
#include <sys/types.h>
#include <vector>

class ScanWalk {
public:
    struct Found {
        bool isFolder = false;
        QString path; // full path, without a trailing separator
        QString name;
        qint64 size = 0;
    };

    ScanWalk(const QStringList& roots, bool subFolders, const QString& searchStr,
             bool caseSensitive, const QStringList& skippedFolders = {});
    ~ScanWalk();
    ScanWalk(const ScanWalk&) = delete;
    ScanWalk& operator=(const ScanWalk&) = delete;

    bool done() const { return stack_.empty() && nextRoot_ >= roots_.size(); }
    // Handles one directory entry, or one step into or out of a folder. True when that found a
    // folder or a matching file, which is then in `found`.
    bool step(Found& found);

private:
    struct Frame {
        QString path;        // with a trailing separator
        DIR* dir = nullptr;  // open while the folder is being listed
        QStringList folders; // to enter once the listing is done
        qsizetype nextFolder = 0;
    };

    void enter(const QString& path);
    bool handleEntry(Frame& frame, const dirent& entry, Found& found);
    bool matches(const QString& name) const;
    // For a pattern "*" + plain ASCII text (as "*.PIANO"): decided on the raw bytes of the name,
    // so that the many files that do not match are never decoded. Unknown when the end of the
    // name is not ASCII.
    enum class Quick { No, Yes, Unknown };
    Quick quickMatch(const char* name) const;

    QStringList roots_;
    qsizetype nextRoot_ = 0;
    bool subFolders_;
    bool allFiles_;
    WildcardMatch pattern_;
    QByteArray asciiSuffix_; // empty unless the pattern is "*" + plain ASCII text
    bool caseSensitive_;
    std::vector<Frame> stack_;
    QSet<QPair<quint64, quint64>> visited_;
    QSet<quint64> skippedDevices_;
};
