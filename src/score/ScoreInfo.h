#pragma once
// The description of a score shown as the tooltip of a playing-list entry, read from the
// header rows among its first 24 rows. It runs on every pointer move over the list, so it reads
// no more of the file than those rows need.
#include <QString>
#include <QStringList>

namespace ScoreInfo {
constexpr int kRowsLooked = 24;
// A header row longer than this is cut; it only shortens a displayed value.
constexpr qint64 kMaxBytesRead = 64 * 1024;
// The path of an entry: an entry holding "*" ("path *row") is the text before it, less the one
// character before the "*".
QString entryPath(const QString& entry);
} // namespace ScoreInfo

// Lines for the instrument ("乐 器："), key ("音 调："), metre ("节 拍：") and tempo ("速 度：")
// rows; `title` is the file name without folder and extension. A missing or unreadable file
// gives the text built so far, usually empty. An instrument number outside `instrumentNames`
// gives an empty name.
QString GetScoreInfo(const QString& entry, const QStringList& instrumentNames, QString& title);
