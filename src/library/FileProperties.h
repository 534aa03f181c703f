#pragma once
// What the properties dialog shows of a list entry: the file's full path, size and modification
// time and, for a score, its instrument, key, metre and tempo rows, its row count and its
// estimated playing time.
#include <QDateTime>
#include <QString>
#include <QStringList>

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

    // The entry's position suffix is dropped. A score is read whole once, within the limit the
    // player itself keeps, to count its rows and estimate its time.
    static FileProperties read(const QString& entry, const NoteTable& notes,
                               const QStringList& instrumentNames);
    // "1,234,567 字节 (1.2 MB)"
    static QString sizeText(qint64 bytes);
};
