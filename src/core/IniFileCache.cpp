#include "core/IniFileCache.h"

#include "core/AtomicFile.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

namespace {

// What identifies one version of a file: an atomic rewrite always changes the inode.
struct Signature {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const Signature& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

struct Entry {
    Signature signature;
    IniDocument document;
    int batchDepth = 0;
    bool dirty = false;
};

// Files larger than this are not INI files of this program; they read as empty rather than
// exhausting memory.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

Signature signatureOf(const QString& path) {
    Signature s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        s.exists = true;
        s.device = st.st_dev;
        s.inode = st.st_ino;
        s.size = st.st_size;
        s.modified = st.st_mtim;
    }
    return s;
}

// How many files are kept parsed at most, besides those a batch holds: every playlist the user
// opens is read through here, and a long session must not keep them all.
constexpr qsizetype kMaxIdleDocuments = 32;

QHash<QString, Entry>& entries() {
    static QHash<QString, Entry> cache;
    return cache;
}

// Before a file not held yet comes in: when the cache is full, forget every file that no batch
// holds (each is read again from disk when next used).
void makeRoomFor(const QString& path) {
    QHash<QString, Entry>& cache = entries();
    if (cache.size() < kMaxIdleDocuments || cache.contains(path)) return;
    cache.removeIf([](const QHash<QString, Entry>::iterator it) {
        return it->batchDepth == 0 && !it->dirty;
    });
}

Entry& current(const QString& path) {
    makeRoomFor(path);
    Entry& entry = entries()[path];
    if (entry.batchDepth > 0 && entry.dirty) return entry;
    const Signature now = signatureOf(path);
    if (!(now == entry.signature) || !now.exists) {
        QByteArray bytes;
        if (now.exists && now.size <= kMaxFileBytes) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
        }
        entry.document = IniDocument::parse(bytes);
        entry.signature = now;
    }
    return entry;
}

bool writeOut(const QString& path, Entry& entry) {
    entry.dirty = false;
    const bool ok = AtomicFile::write(path, entry.document.serialize());
    // After a failed write the disk still holds the old file: forget what we hold.
    entry.signature = ok ? signatureOf(path) : Signature{};
    if (!ok) entry.document = IniDocument();
    return ok;
}

} // namespace

namespace IniFileCache {

const IniDocument& read(const QString& path) { return current(path).document; }

bool modify(const QString& path, const std::function<bool(IniDocument&)>& change) {
    Entry& entry = current(path);
    if (!change(entry.document)) return true;
    if (entry.batchDepth > 0) {
        entry.dirty = true;
        return true;
    }
    return writeOut(path, entry);
}

void beginBatch(const QString& path) { ++current(path).batchDepth; }

// A batch inside another one leaves the writing to the outermost, so that one operation made of
// smaller saves still rewrites the file once.
bool flush(const QString& path) {
    Entry& entry = entries()[path];
    if (entry.batchDepth > 1) return true;
    return entry.dirty ? writeOut(path, entry) : true;
}

bool endBatch(const QString& path) {
    Entry& entry = entries()[path];
    if (entry.batchDepth > 0) --entry.batchDepth;
    return entry.batchDepth == 0 ? flush(path) : true;
}

qsizetype documentsHeld() { return entries().size(); }

} // namespace IniFileCache
