#pragma once
// Playlist files (.plist) and the playing-list file of the data folder share one format: section
// 播放列表 with the count "个数" and the entries under the keys "0" to n − 1.
#include <QString>
#include <QStringList>

class AppPaths;
class ListPair;

namespace PlaylistFile {
// The playing-list file that carries the playing list from one run to the next.
QString playingListPath(const AppPaths& paths);

// The entries the file holds, in key order; missing or empty keys are left out. A count larger
// than the file can hold is read only as far as keys can exist.
QStringList load(const QString& path);
// Appends the file's entries to `list` with the duplicate test on entries (playlists and other
// non-scores are skipped there); returns how many were added.
int appendTo(const QString& path, ListPair& list);
// Writes the count and the entries in one atomic rewrite. Keys beyond the new count that an
// earlier, longer list left stay in the file; the count bounds every reading. False when the file
// could not be written.
bool save(const QString& path, const QStringList& entries);
} // namespace PlaylistFile
