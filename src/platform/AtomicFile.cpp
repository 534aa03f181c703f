#include "platform/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {

bool isReadOnly(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

bool write(const QString& path, const QByteArray& bytes) {
    return write(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

bool write(const QString& path, const std::function<bool(QIODevice& file)>& produce) {
    if (isReadOnly(path)) return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // The commit does not notice when the last flush of the write buffer fails (a full disk): it
    // would put a truncated copy in place of the file. Flushing first makes that failure show.
    if (!produce(file) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace AtomicFile
