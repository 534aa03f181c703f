#pragma once
// What the properties dialog shows of a list entry: the file's full path, size and modification
// time and, for a score, its instrument, key, metre and tempo rows, its row count, its
// estimated playing time, what the score check found and its best and last practice run.
#include "score/PracticeRun.h"
#include "score/ScoreFinding.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class NoteTable;

struct FileProperties {
    QString path;
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    bool isScore = false;
    // The header lines of the score's tooltip ("乐 器：..." and so on), CR LF between them.
    QString scoreInfo;
    // -1 when the score could not be read (too large, not text, unreadable).
    qint32 rowCount = -1;
    QString estimatedTime;
    // What the score check found, in row order.
    QList<ScoreFinding> findings;
    // From the practice record, set by the caller; none when the score was never practised.
    std::optional<PracticeRun> bestPractice;
    std::optional<PracticeRun> lastPractice;

    // The entry's position suffix is dropped. A score is read whole once, within the limit the
    // player itself keeps, to count its rows and estimate its time.
    static FileProperties read(const QString& entry, const NoteTable& notes,
                               const QStringList& instrumentNames);
    // One line per finding ("第 7 行：..."), the first `maxLines` of them and then how many there
    // are in all; "没有发现问题" when there is none.
    static QString findingsText(const QList<ScoreFinding>& findings, int maxLines);
    // "1,234,567 字节 (1.2 MB)"
    static QString sizeText(qint64 bytes);
};
