#include "ScratchFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

namespace ScratchFile {

QString path(const QString& name) {
    static const QTemporaryDir folder;
    return folder.filePath(name);
}

QString write(const QString& name, const QByteArray& bytes) {
    static qint64 generation = 0;
    const QString file = path(name);
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
    out.close();
    const timespec stamp{++generation, 0};
    const timespec times[2] = {stamp, stamp};
    ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0);
    return file;
}

} // namespace ScratchFile
