#pragma once
// A list entry: a full file path, optionally followed by a position suffix (a blank, "*" and a
// row number) that makes a score start after that row. Entries are stored and compared whole;
// only the places that touch the file split them.
#include <QString>

struct ListEntry {
    QString path;
    bool hasRow = false;
    // Never negative: a play position before the first row does not exist.
    qint32 row = 0;
    // The suffix as written, from the "*" to the end ("*57"); empty without a suffix.
    QString suffix;

    // The suffix is recognised only at the end of the entry, as " *" and a decimal number, so a
    // file name that itself contains "*" (possible on this platform) stays part of the path.
    static ListEntry split(const QString& entry);

    // The text between the last separator and the last "." of the path; the whole file name when
    // it has no ".".
    QString baseName() const;
    // The file name with extension: the text after the last separator.
    QString fileName() const;
};

// Base name of a path, as ListEntry::baseName.
QString fileBaseName(const QString& path);
