#include "ZipArchive.h"

#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

QByteArray zipArchive(const QList<std::pair<QString, QByteArray>>& entries) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.zip"));
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) return {};
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return {};
        }
    }
    // The entries' bytes are read here, while `entries` still holds them.
    if (zip_close(zip) < 0) {
        zip_discard(zip);
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
