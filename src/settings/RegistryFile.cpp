#include "settings/RegistryFile.h"

#include <QStringList>

namespace RegistryFile {

namespace {

const QLatin1Char kSeparator('\\');

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == kSeparator) out += kSeparator;
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted text starting at `at` (the opening quote); on success `at` ends after the
// closing quote.
bool unescaped(const QString& line, qsizetype& at, QString& text) {
    if (at >= line.size() || line[at] != QLatin1Char('"')) return false;
    text.clear();
    for (qsizetype i = at + 1; i < line.size(); ++i) {
        QChar c = line[i];
        if (c == QLatin1Char('"')) {
            at = i + 1;
            return true;
        }
        if (c == kSeparator && i + 1 < line.size()) {
            c = line[++i];
            if (c == QLatin1Char('n'))
                c = QLatin1Char('\n');
            else if (c == QLatin1Char('r'))
                c = QLatin1Char('\r');
        }
        text += c;
    }
    return false;
}

// `@="text"` or `"name"="text"`; false for anything else.
bool parseValue(const QString& line, Value& value) {
    qsizetype at = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        value.name.clear();
        at = 1;
    } else if (!unescaped(line, at, value.name) || value.name.isEmpty()) {
        return false;
    }
    if (at >= line.size() || line[at] != QLatin1Char('=')) return false;
    ++at;
    return unescaped(line, at, value.text) && line.mid(at).trimmed().isEmpty();
}

} // namespace

QString fold(const QString& text) {
    return text.toCaseFolded();
}

QString normalizePath(const QString& path) {
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) return {};
    return path.split(kSeparator, Qt::SkipEmptyParts).join(kSeparator);
}

QString addKey(Keys& keys, const QString& path) {
    const QStringList segments = normalizePath(path).split(kSeparator, Qt::SkipEmptyParts);
    QString spelled;
    for (const QString& segment : segments) {
        if (!spelled.isEmpty()) spelled += kSeparator;
        spelled += segment;
        const QString folded = fold(spelled);
        if (!keys.contains(folded)) keys.insert(folded, Key{spelled, {}});
    }
    return fold(spelled);
}

Keys parse(const QByteArray& bytes) {
    Keys keys;
    QString current;
    const QStringList lines = QString::fromUtf8(bytes.left(kMaxFileSize)).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = addKey(keys, line.mid(1, line.size() - 2));
            continue;
        }
        Value value;
        if (!current.isEmpty() && parseValue(line, value))
            keys[current].values.insert(fold(value.name), value);
    }
    return keys;
}

QByteArray serialize(const Keys& keys) {
    QString out = QStringLiteral("; Tonvale file associations\n");
    for (const Key& key : keys) {
        out += QStringLiteral("\n[") + key.path + QStringLiteral("]\n");
        for (const Value& value : key.values) {
            out += value.name.isEmpty() ? QStringLiteral("@") : escaped(value.name);
            out += QLatin1Char('=') + escaped(value.text) + QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

} // namespace RegistryFile
