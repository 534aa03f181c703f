#include "core/IniDocument.h"

#include "platform/GbkCodec.h"

namespace {
const QByteArray kCrLf = QByteArrayLiteral("\r\n");
const QByteArray kLf = QByteArrayLiteral("\n");
const QByteArray kCr = QByteArrayLiteral("\r");

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString lowerTrimmed(const QString& name) {
    return IniDocument::trimBlanks(name).toString().toLower();
}

QString entryIndexKey(const QString& section, const QString& key) {
    return lowerTrimmed(section) + QLatin1Char('\n') + lowerTrimmed(key);
}

QStringView stripQuotes(QStringView value) {
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.sliced(1, value.size() - 2);
    return value;
}
} // namespace

QStringView IniDocument::trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

IniDocument IniDocument::parse(const QByteArray& gbkBytes) {
    IniDocument doc;
    const char* const data = gbkBytes.constData();
    const qsizetype size = gbkBytes.size();
    bool sawLineEnd = false;
    for (qsizetype start = 0; start < size;) {
        qsizetype stop = start;
        while (stop < size && data[stop] != '\r' && data[stop] != '\n')
            ++stop;
        Line line = parseLine(gbkBytes.sliced(start, stop - start));
        start = stop;
        if (stop < size) {
            const bool crLf = data[stop] == '\r' && stop + 1 < size && data[stop + 1] == '\n';
            line.end = crLf ? kCrLf : (data[stop] == '\r' ? kCr : kLf);
            start += line.end.size();
            if (!sawLineEnd) doc.lineEnd_ = line.end;
            sawLineEnd = true;
        }
        doc.lines_.append(std::move(line));
    }
    doc.reindex();
    return doc;
}

QByteArray IniDocument::serialize() const {
    QByteArray out;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        out += lines_[i].raw;
        // A last line without a line end keeps it so, unless a line has come after it.
        out += lines_[i].end.isEmpty() && i + 1 < lines_.size() ? lineEnd_ : lines_[i].end;
    }
    return out;
}

IniDocument::Line IniDocument::parseLine(const QByteArray& raw) {
    Line line;
    line.raw = raw;
    const QString decoded = GbkCodec::decode(raw);
    const QStringView text = trimBlanks(decoded);
    if (text.isEmpty()) {
        line.kind = Kind::Blank;
        return line;
    }
    if (text.startsWith(u';')) return line;
    // Without its closing bracket a line is no section header; it may still be an entry.
    if (const qsizetype close = text.indexOf(u']'); text.startsWith(u'[') && close > 0) {
        line.kind = Kind::Section;
        line.name = trimBlanks(text.sliced(1, close - 1)).toString();
        return line;
    }
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0) return line;
    line.kind = Kind::Entry;
    line.name = trimBlanks(text.first(eq)).toString();
    line.value = stripQuotes(trimBlanks(text.sliced(eq + 1))).toString();
    return line;
}

IniDocument::Line IniDocument::entryLine(const QString& key, const QString& value,
                                         const QByteArray& end) {
    Line line = parseLine(GbkCodec::encode(key + QLatin1Char('=') + value));
    line.end = end;
    return line;
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
    return sections_.value(lowerTrimmed(section), -1);
}

qsizetype IniDocument::sectionEnd(qsizetype header) const {
    qsizetype end = header + 1;
    while (end < lines_.size() && lines_[end].kind != Kind::Section)
        ++end;
    return end;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const auto existing = entries_.constFind(entryIndexKey(section, key));
    if (existing != entries_.constEnd()) {
        Line& line = lines_[*existing];
        line = entryLine(line.name, value, line.end);
        return;
    }
    const QString name = trimBlanks(key).toString();
    const qsizetype header = findSection(section);
    if (header < 0) {
        const QString sectionName = trimBlanks(section).toString();
        Line headerLine =
            parseLine(GbkCodec::encode(QLatin1Char('[') + sectionName + QLatin1Char(']')));
        headerLine.end = lineEnd_;
        lines_.append(std::move(headerLine));
        lines_.append(entryLine(name, value, lineEnd_));
    } else {
        // A new key goes after the last non-blank line of its section, before any blank lines
        // that separate it from the next section.
        qsizetype at = sectionEnd(header);
        while (at > header + 1 && lines_[at - 1].kind == Kind::Blank)
            --at;
        if (at == lines_.size()) {
            // Appending to the last section moves no other line: index just the new one, so
            // that writing a long list stays linear.
            lines_.append(entryLine(name, value, lineEnd_));
            entries_.insert(entryIndexKey(section, key), at);
            return;
        }
        lines_.insert(at, entryLine(name, value, lineEnd_));
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
