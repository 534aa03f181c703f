#include "core/IniFileCache.h"

#include "platform/AtomicFile.h"
#include "platform/FileSignature.h"

#include <QFile>
#include <QHash>

namespace {

struct Entry {
    FileSignature signature;
    IniDocument document;
    // The bytes the document was read from, kept while the file is too young to be known by its
    // signature alone; empty once it is settled.
    QByteArray youngBytes;
    bool settled = false;
    int batchDepth = 0;
    bool dirty = false;
    // Inside a batch the file is looked at once: one operation reads one state of it.
    bool checkedInBatch = false;
};

// Files larger than this are not INI files of this program; they read as empty rather than
// exhausting memory.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

qint64 nanoseconds(const timespec& t) {
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

qint64 nowNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

// Coarse file-system clocks (two seconds on FAT, a server's clock on a network share) give a
// rewrite in place the same time as the version before it. A version read more than this long
// after its time stamp cannot be followed by one with the same stamp; a younger one is compared
// by content on every read, as profile files are re-read elsewhere.
constexpr qint64 kClockTickNs = 2'000'000'000;

bool settledAt(const FileSignature& s, qint64 readAtNs) {
    return readAtNs - qMax(nanoseconds(s.modified), nanoseconds(s.changed)) > kClockTickNs;
}

QByteArray readBytes(const QString& path, const FileSignature& s) {
    if (!s.exists || s.size > kMaxFileBytes) return {};
    QFile file(path);
    // read(kMaxFileBytes) would allocate the whole limit on every read of a young file.
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return {};
    return file.readAll();
}

// Takes `bytes`, read at `readAtNs` from the version `s`, as what the entry holds.
void hold(Entry& entry, const FileSignature& s, QByteArray bytes, qint64 readAtNs, bool parse) {
    if (parse) entry.document = IniDocument::parse(bytes);
    entry.signature = s;
    entry.settled = settledAt(s, readAtNs);
    entry.youngBytes = entry.settled ? QByteArray() : std::move(bytes);
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
    cache.removeIf(
        [](const QHash<QString, Entry>::iterator it) { return it->batchDepth == 0 && !it->dirty; });
}

Entry& current(const QString& path) {
    makeRoomFor(path);
    Entry& entry = entries()[path];
    if (entry.batchDepth > 0 && (entry.dirty || entry.checkedInBatch)) return entry;
    const FileSignature now = FileSignature::of(path);
    if (now == entry.signature && now.exists && entry.settled) return entry;
    const qint64 readAt = nowNanoseconds();
    QByteArray bytes = readBytes(path, now);
    const bool changed = !(now == entry.signature) || !now.exists || bytes != entry.youngBytes;
    hold(entry, now, std::move(bytes), readAt, changed);
    return entry;
}

bool writeOut(const QString& path, Entry& entry) {
    entry.dirty = false;
    QByteArray bytes = entry.document.serialize();
    const qint64 writtenAt = nowNanoseconds();
    if (AtomicFile::write(path, bytes)) {
        hold(entry, FileSignature::of(path), std::move(bytes), writtenAt, false);
        return true;
    }
    // After a failed write the disk still holds the old file: forget what we hold.
    entry.signature = FileSignature{};
    entry.document = IniDocument();
    return false;
}

} // namespace

namespace IniFileCache {

const IniDocument& read(const QString& path) {
    return current(path).document;
}

bool modify(const QString& path, const std::function<bool(IniDocument&)>& change) {
    Entry& entry = current(path);
    if (!change(entry.document)) return true;
    if (entry.batchDepth > 0) {
        entry.dirty = true;
        return true;
    }
    return writeOut(path, entry);
}

void beginBatch(const QString& path) {
    Entry& entry = current(path);
    ++entry.batchDepth;
    entry.checkedInBatch = true;
}

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
    if (entry.batchDepth > 0) return true;
    entry.checkedInBatch = false;
    return flush(path);
}

qsizetype documentsHeld() {
    return entries().size();
}

} // namespace IniFileCache
