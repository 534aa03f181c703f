#pragma once
// The text form of the association store: one "[key path]" line per key, then its values as
// @="text" (the default value) or "name"="text", in UTF-8 because file paths may hold any
// character. Key paths and value names compare without regard to letter case, as registry
// keys do.
#include <QByteArray>
#include <QMap>
#include <QString>

namespace RegistryFile {

struct Value {
    QString name; // empty: the key's default value
    QString text;
    bool operator==(const Value&) const = default;
};

struct Key {
    QString path;                // segments joined by "\", as first spelled
    QMap<QString, Value> values; // by folded name
    bool operator==(const Key&) const = default;
};

// Keys by folded path; a key's parents are always present too.
using Keys = QMap<QString, Key>;

// The form in which paths and names are compared.
QString fold(const QString& text);
// Segments separated by "\", empty segments dropped; "" for a path without any segment or with a
// line break, which the file could not hold.
QString normalizePath(const QString& path);

// Anything beyond this many bytes is not read: the store never grows that large.
constexpr qsizetype kMaxFileSize = 1 << 20;

Keys parse(const QByteArray& bytes);
QByteArray serialize(const Keys& keys);
// Adds the key and every missing parent; returns the folded path ("" for an empty path).
QString addKey(Keys& keys, const QString& path);

} // namespace RegistryFile
