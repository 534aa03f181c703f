#include "core/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {

bool isReadOnly(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

bool write(const QString& path, const QByteArray& bytes) {
    if (isReadOnly(path)) return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace AtomicFile
