#pragma once
// The favorites file of the data folder: section 完整路径 holds the count "个数" and the entries,
// section 名称 the display names, both under the keys "0" to n − 1.
#include <QList>
#include <QString>

class AppPaths;
class ListPair;

namespace FavoritesStore {
struct Favorite {
    QString entry;
    QString name;
};

QString path(const AppPaths& paths);
// The favorites as stored, in key order. A count larger than the file can hold is read only as
// far as keys can exist; a missing name comes back empty.
QList<Favorite> load(const QString& path);
// Appends the stored favorites to `favorites` with the duplicate test on display names; returns
// how many were added.
int appendTo(const QString& path, ListPair& favorites);
// The count, the names and the entries of `favorites`, in one atomic rewrite; keys an earlier,
// longer list left beyond the count stay and are ignored. False when the file could not be
// written.
bool save(const QString& path, const ListPair& favorites);
// Deletes the file when the favorites become empty; a missing file is no error.
void remove(const QString& path);
} // namespace FavoritesStore
