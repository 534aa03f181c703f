#include "library/PlaylistFile.h"

#include "core/AppPaths.h"
#include "core/CIni.h"
#include "library/IniListCount.h"
#include "library/ListPair.h"

namespace {
const QString kSection = QStringLiteral("播放列表");
const QString kCount = QStringLiteral("个数");
} // namespace

namespace PlaylistFile {

QString playingListPath(const AppPaths& paths) {
    return paths.iniFile(QStringLiteral("播放列表"), QStringLiteral(".Qor"));
}

QStringList load(const QString& path) {
    const CIni ini;
    // One look at the file for the whole list, however young it is.
    const CIni::Batch batch(path);
    const qint32 n = IniListCount::read(ini, kSection, kCount, path);
    QStringList entries;
    for (qint32 k = 0; k < n; ++k) {
        const QString entry = ini.ReadIniString_(kSection, QString::number(k), path);
        if (!entry.isEmpty()) entries.append(entry);
    }
    return entries;
}

int appendTo(const QString& path, ListPair& list) {
    const int before = list.count();
    for (const QString& entry : load(path))
        list.AddListEntry(entry, QString(), ListPair::DuplicateTest::OnEntries);
    return list.count() - before;
}

bool save(const QString& path, const QStringList& entries) {
    const CIni ini;
    CIni::Batch batch(path);
    bool ok = ini.WriteIniString_(kSection, kCount, QString::number(entries.size()), path);
    for (qsizetype k = 0; k < entries.size(); ++k)
        ini.WriteIniString_(kSection, QString::number(k), entries[k], path);
    return batch.commit() && ok;
}

} // namespace PlaylistFile
