#include "score/AppendTextToFile.h"

#include "platform/AtomicFile.h"
#include "platform/GbkCodec.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

bool AppendTextToFile(const QString& path, const QString& text) {
    if (text.isEmpty()) return false;
    // A file the user marked read-only is neither written nor replaced.
    if (AtomicFile::isReadOnly(path)) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const QByteArray bytes = GbkCodec::encode(text);
    bool written = file.write(bytes) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
    written = written && ::fsync(file.handle()) == 0;
#endif
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
