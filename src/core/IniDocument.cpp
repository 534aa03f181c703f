#include "core/IniDocument.h"

#include "platform/GbkCodec.h"

namespace {
const QByteArray kLineEnd = "\r\n";

QString entryIndexKey(const QString& section, const QString& key) {
    return section.toLower() + QLatin1Char('\n') + key.toLower();
}

QString stripQuotes(const QString& value) {
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}
} // namespace

IniDocument IniDocument::parse(const QByteArray& gbkBytes) {
    IniDocument doc;
    const QList<QByteArray> rows = gbkBytes.split('\n');
    doc.lines_.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QByteArray raw = rows[i];
        if (raw.endsWith('\r')) raw.chop(1);
        // A trailing line end leaves one empty piece behind that is no line of the file.
        if (i == rows.size() - 1 && raw.isEmpty()) break;
        doc.lines_.append(parseLine(raw));
    }
    doc.reindex();
    return doc;
}

QByteArray IniDocument::serialize() const {
    QByteArray out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += kLineEnd;
    }
    return out;
}

IniDocument::Line IniDocument::parseLine(const QByteArray& raw) {
    Line line;
    line.raw = raw;
    const QString text = GbkCodec::decode(raw).trimmed();
    if (text.isEmpty() || text.startsWith(QLatin1Char(';'))) return line;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        line.kind = Kind::Section;
        line.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return line;
    }
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0) return line;
    line.kind = Kind::Entry;
    line.name = text.left(eq).trimmed();
    line.value = stripQuotes(text.mid(eq + 1).trimmed());
    return line;
}

IniDocument::Line IniDocument::entryLine(const QString& key, const QString& value) {
    return parseLine(GbkCodec::encode(key + QLatin1Char('=') + value));
}

void IniDocument::reindex() {
    sections_.clear();
    entries_.clear();
    QString current;
    bool inFirstOccurrence = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            current = line.name;
            // Only the first section of a name counts, as with the platform's own reader.
            inFirstOccurrence = !sections_.contains(current.toLower());
            if (inFirstOccurrence) sections_.insert(current.toLower(), i);
        } else if (line.kind == Kind::Entry && inFirstOccurrence) {
            const QString k = entryIndexKey(current, line.name);
            if (!entries_.contains(k)) entries_.insert(k, i);
        }
    }
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const auto it = entries_.constFind(entryIndexKey(section, key));
    if (it == entries_.constEnd()) return std::nullopt;
    return lines_[*it].value;
}

qsizetype IniDocument::findSection(const QString& section) const {
    return sections_.value(section.toLower(), -1);
}

qsizetype IniDocument::sectionEnd(qsizetype header) const {
    qsizetype end = header + 1;
    while (end < lines_.size() && lines_[end].kind != Kind::Section) ++end;
    return end;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const auto existing = entries_.constFind(entryIndexKey(section, key));
    if (existing != entries_.constEnd()) {
        Line& line = lines_[*existing];
        line = entryLine(line.name, value);
        return;
    }
    const qsizetype header = findSection(section);
    if (header < 0) {
        lines_.append(parseLine(GbkCodec::encode(QLatin1Char('[') + section + QLatin1Char(']'))));
        lines_.append(entryLine(key, value));
    } else {
        // A new key goes after the last non-blank line of its section, before any blank lines
        // that separate it from the next section.
        qsizetype at = sectionEnd(header);
        while (at > header + 1 && GbkCodec::decode(lines_[at - 1].raw).trimmed().isEmpty()) --at;
        if (at == lines_.size()) {
            // Appending to the last section moves no other line: index just the new one, so
            // that writing a long list stays linear.
            lines_.append(entryLine(key, value));
            entries_.insert(entryIndexKey(section, key), at);
            return;
        }
        lines_.insert(at, entryLine(key, value));
    }
    reindex();
}

bool IniDocument::removeKey(const QString& section, const QString& key) {
    const auto existing = entries_.constFind(entryIndexKey(section, key));
    if (existing == entries_.constEnd()) return false;
    lines_.removeAt(*existing);
    reindex();
    return true;
}

bool IniDocument::removeSection(const QString& section) {
    const qsizetype header = findSection(section);
    if (header < 0) return false;
    lines_.remove(header, sectionEnd(header) - header);
    reindex();
    return true;
}
