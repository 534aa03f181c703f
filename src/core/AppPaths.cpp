#include "core/AppPaths.h"

#include "platform/AtomicFile.h"
#include "core/VersionInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString withSeparator(const QString& folder) {
    QString native = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (!native.endsWith(QDir::separator())) native += QDir::separator();
    return native;
}

// A folder is usable for data when a file can really be created in it (permission bits alone do
// not tell, for root or on a read-only mount).
bool canCreateFilesIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.tonvale-probe-XXXXXX"));
    return probe.open();
}

// The install's program folder holds no data even where it can be written (by root): it is
// every user's.
bool isInstallFolder(const QString& folder) {
    const QString installed =
        QFileInfo(QString::fromUtf8(VersionInfo::installedProgramFolder)).canonicalFilePath();
    return !installed.isEmpty() && QFileInfo(folder).canonicalFilePath() == installed;
}

} // namespace

AppPaths::AppPaths(const QString& programFolder, const QString& dataFolder)
    : programFolder_(withSeparator(programFolder)), dataFolder_(withSeparator(dataFolder)) {}

AppPaths AppPaths::forRunningProgram() {
    const QString program = QCoreApplication::applicationDirPath();
    if (!isInstallFolder(program) && canCreateFilesIn(program)) return AppPaths(program, program);
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return AppPaths(program, perUser);
}

QString AppPaths::iniFile(const QString& baseName, const QString& extension) const {
    return iniFolder() + QDir::separator() + baseName + extension;
}

bool PathExists(const QString& path) {
    if (path.isEmpty()) return false;
    QString target = path;
    if (target.startsWith(QLatin1Char('"'))) target = target.mid(1, target.size() - 2);
    return !target.isEmpty() && QFileInfo::exists(target);
}

bool FolderExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

namespace {
QByteArray resourceBytes(const QString& path) {
    QFile resource(path);
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}
} // namespace

QByteArray DefaultFileBytes(int resourceId) {
    return resourceBytes(QStringLiteral(":/defaults/%1").arg(resourceId));
}

QByteArray EmbeddedIconBytes(int iconId) { return resourceBytes(QStringLiteral(":/icons/%1").arg(iconId)); }

// Missing or empty files are always written; a non-empty one only with `overwrite`. Read-only
// means no write permission for anyone (0444). Failures are passed over.
void WriteDefaultFile(int resourceId, const QString& path, bool readOnly, bool overwrite) {
    const QFileInfo info(path);
    const bool write = !info.exists() || info.size() == 0 || overwrite;
    if (write) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
        AtomicFile::write(path, DefaultFileBytes(resourceId));
    }
    if (readOnly)
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ReadOther);
}
