#include "library/ListEntry.h"

#include "core/NumberText.h"

#include <QDir>

namespace {

qsizetype afterLastSeparator(const QString& path) {
    return path.lastIndexOf(QDir::separator()) + 1;
}

// Start of the number of a position suffix at the end of `entry`, or -1 when there is none.
qsizetype suffixNumberStart(const QString& entry) {
    qsizetype digitsStart = entry.size();
    while (digitsStart > 0 && entry[digitsStart - 1].isDigit() &&
           entry[digitsStart - 1] <= QLatin1Char('9'))
        --digitsStart;
    if (digitsStart == entry.size()) return -1;
    qsizetype numberStart = digitsStart;
    if (numberStart > 0 && entry[numberStart - 1] == QLatin1Char('-')) --numberStart;
    if (numberStart < 2 || entry[numberStart - 1] != QLatin1Char('*') ||
        entry[numberStart - 2] != QLatin1Char(' '))
        return -1;
    return numberStart;
}

} // namespace

ListEntry ListEntry::split(const QString& entry) {
    ListEntry parts;
    const qsizetype number = suffixNumberStart(entry);
    if (number < 0) {
        parts.path = entry;
        return parts;
    }
    parts.path = entry.left(number - 2);
    parts.hasRow = true;
    parts.suffix = entry.mid(number - 1);
    parts.row = qMax<qint32>(0, NumberText::leadingInt32(QStringView(entry).mid(number)));
    return parts;
}

QString ListEntry::baseName() const {
    return fileBaseName(path);
}

QString ListEntry::fileName() const {
    return path.mid(afterLastSeparator(path));
}

QString fileBaseName(const QString& path) {
    const qsizetype start = afterLastSeparator(path);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < start) return path.mid(start);
    return path.mid(start, dot - start);
}
