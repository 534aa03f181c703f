#include "library/ScanWalk.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
QString withSeparator(const QString& path) {
    return path.endsWith(QDir::separator()) ? path : path + QDir::separator();
}

// The text after a leading "*" when nothing else in the pattern is a wildcard and all of it is
// ASCII; empty otherwise.
QByteArray plainAsciiSuffix(const QString& pattern) {
    if (pattern.size() < 2 || pattern[0] != QLatin1Char('*')) return {};
    QByteArray suffix;
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        const char16_t c = pattern[i].unicode();
        if (c >= 0x80 || c == u'*' || c == u'?' || c == u'#' || c == u'[') return {};
        suffix += char(c);
    }
    return suffix;
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}
} // namespace

ScanWalk::ScanWalk(const QStringList& roots, bool subFolders, const QString& searchStr,
                   bool caseSensitive, const QStringList& skippedFolders)
    : roots_(roots), subFolders_(subFolders), allFiles_(searchStr == QLatin1String("*.*")),
      pattern_(searchStr, caseSensitive),
      asciiSuffix_(allFiles_ ? QByteArray() : plainAsciiSuffix(searchStr)),
      caseSensitive_(caseSensitive) {
    for (const QString& folder : skippedFolders) {
        struct stat st {};
        if (stat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode))
            skippedDevices_.insert(quint64(st.st_dev));
    }
}

ScanWalk::~ScanWalk() {
    for (Frame& frame : stack_)
        if (frame.dir) closedir(frame.dir);
}

void ScanWalk::enter(const QString& path) {
    DIR* dir = opendir(QFile::encodeName(path).constData());
    if (!dir) return;
    struct stat st {};
    if (fstat(dirfd(dir), &st) != 0 || skippedDevices_.contains(quint64(st.st_dev)) ||
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

ScanWalk::Quick ScanWalk::quickMatch(const char* name) const {
    const qsizetype length = qsizetype(strlen(name));
    const qsizetype n = asciiSuffix_.size();
    // Fewer bytes than the text needs are fewer characters too.
    if (length < n) return Quick::No;
    const char* tail = name + length - n;
    // A byte of a longer character: its case folding may differ from ASCII's.
    for (qsizetype i = 0; i < n; ++i)
        if (static_cast<unsigned char>(tail[i]) >= 0x80) return Quick::Unknown;
    for (qsizetype i = 0; i < n; ++i) {
        const char a = caseSensitive_ ? tail[i] : upperAscii(tail[i]);
        const char b = caseSensitive_ ? asciiSuffix_[i] : upperAscii(asciiSuffix_[i]);
        if (a != b) return Quick::No;
    }
    return Quick::Yes;
}

bool ScanWalk::handleEntry(Frame& frame, const dirent& entry, Found& found) {
    bool isFolder = entry.d_type == DT_DIR;
    bool isFile = entry.d_type == DT_REG;
    const Quick quick =
        isFile && !asciiSuffix_.isEmpty() ? quickMatch(entry.d_name) : Quick::Unknown;
    if (quick == Quick::No) return false;
    const QString name = QFile::decodeName(entry.d_name);
    if (isFolder && name.startsWith(QLatin1Char('.'))) return false;
    if (isFile && quick == Quick::Unknown && !matches(name)) return false;
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
    if (!isFile || (quick == Quick::Unknown && !matches(name))) return false;
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
