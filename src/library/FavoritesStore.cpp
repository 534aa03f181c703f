#include "library/FavoritesStore.h"

#include "core/AppPaths.h"
#include "core/CIni.h"
#include "library/IniListCount.h"
#include "library/ListPair.h"

#include <QFile>

namespace {
const QString kEntries = QStringLiteral("完整路径");
const QString kNames = QStringLiteral("名称");
const QString kCount = QStringLiteral("个数");
} // namespace

namespace FavoritesStore {

QString path(const AppPaths& paths) {
    return paths.iniFile(QStringLiteral("收藏夹"), QStringLiteral(".Long"));
}

QList<Favorite> load(const QString& path) {
    const CIni ini;
    // One look at the file for the whole list, however young it is.
    const CIni::Batch batch(path);
    const qint32 n = IniListCount::read(ini, kEntries, kCount, path);
    QList<Favorite> favorites;
    for (qint32 k = 0; k < n; ++k) {
        const QString key = QString::number(k);
        Favorite favorite{ini.ReadIniString_(kEntries, key, path),
                          ini.ReadIniString_(kNames, key, path)};
        if (!favorite.entry.isEmpty()) favorites.append(favorite);
    }
    return favorites;
}

int appendTo(const QString& path, ListPair& favorites) {
    const int before = favorites.count();
    for (const Favorite& f : load(path))
        favorites.AddListEntry(f.entry, f.name, ListPair::DuplicateTest::OnDisplayNames);
    return favorites.count() - before;
}

bool save(const QString& path, const ListPair& favorites) {
    const CIni ini;
    CIni::Batch batch(path);
    const bool ok = ini.WriteIniString_(kEntries, kCount, QString::number(favorites.count()), path);
    // The entries go before the names: in a new file each section then only ever grows at the
    // end of the file, which keeps a long list linear to write. The file that results is the
    // same as writing the names first.
    for (int k = 0; k < favorites.count(); ++k)
        ini.WriteIniString_(kEntries, QString::number(k), favorites.entry(k), path);
    for (int k = 0; k < favorites.count(); ++k)
        ini.WriteIniString_(kNames, QString::number(k), favorites.displayText(k), path);
    return batch.commit() && ok;
}

void remove(const QString& path) {
    QFile::remove(path);
}

} // namespace FavoritesStore
