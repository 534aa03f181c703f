#include "library/ScanWalk.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
QString withSeparator(const QString& path) {
    return path.endsWith(QDir::separator()) ? path : path + QDir::separator();
}
} // namespace

ScanWalk::ScanWalk(const QStringList& roots, bool subFolders, const QString& searchStr,
                   bool caseSensitive)
    : roots_(roots), subFolders_(subFolders), allFiles_(searchStr == QLatin1String("*.*")),
      pattern_(searchStr, caseSensitive) {}

ScanWalk::~ScanWalk() {
    for (Frame& frame : stack_)
        if (frame.dir) closedir(frame.dir);
}

void ScanWalk::enter(const QString& path) {
    DIR* dir = opendir(QFile::encodeName(path).constData());
    if (!dir) return;
    struct stat st {};
    if (fstat(dirfd(dir), &st) != 0 ||
        visited_.contains({quint64(st.st_dev), quint64(st.st_ino)})) {
        closedir(dir);
        return;
    }
    visited_.insert({quint64(st.st_dev), quint64(st.st_ino)});
    stack_.push_back(Frame{path, dir, {}, 0});
}

bool ScanWalk::matches(const QString& name) const {
    return allFiles_ || pattern_.matches(name);
}

bool ScanWalk::handleEntry(Frame& frame, const dirent& entry, Found& found) {
    const QString name = QFile::decodeName(entry.d_name);
    bool isFolder = entry.d_type == DT_DIR;
    bool isFile = entry.d_type == DT_REG;
    if (isFolder && name.startsWith(QLatin1Char('.'))) return false;
    if (isFile && !matches(name)) return false;
    struct stat st {};
    // Links are followed; what they lead to decides. A file that vanished since the listing, a
    // broken link and anything that is neither a file nor a folder (a pipe would block a
    // reader) are passed over.
    if (!isFolder) {
        if (fstatat(dirfd(frame.dir), entry.d_name, &st, 0) != 0) return false;
        isFolder = S_ISDIR(st.st_mode);
        isFile = S_ISREG(st.st_mode);
    }
    found.name = name;
    found.path = frame.path + name;
    if (isFolder) {
        if (name.startsWith(QLatin1Char('.'))) return false;
        frame.folders.append(name);
        found.isFolder = true;
        found.size = 0;
        return true;
    }
    if (!isFile || !matches(name)) return false;
    found.isFolder = false;
    found.size = st.st_size;
    return true;
}

bool ScanWalk::step(Found& found) {
    if (stack_.empty()) {
        if (nextRoot_ < roots_.size()) {
            const QString root = roots_[nextRoot_++];
            if (!root.isEmpty()) enter(withSeparator(root));
        }
        return false;
    }
    Frame& frame = stack_.back();
    if (frame.dir) {
        if (const dirent* entry = readdir(frame.dir)) return handleEntry(frame, *entry, found);
        closedir(frame.dir);
        frame.dir = nullptr;
        if (!subFolders_) stack_.pop_back();
        return false;
    }
    if (frame.nextFolder < frame.folders.size()) {
        // `frame` is invalid once enter() grows the stack.
        const QString child = withSeparator(frame.path + frame.folders[frame.nextFolder++]);
        enter(child);
        return false;
    }
    stack_.pop_back();
    return false;
}
