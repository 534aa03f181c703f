#pragma once
// One INI file held in memory: sections and keys matched without regard to letter case, the first
// of two equal keys winning, and every line that is not touched kept byte for byte on rewrite.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class IniDocument {
public:
    static IniDocument parse(const QByteArray& gbkBytes);
    QByteArray serialize() const;

    // The value after the first "=", blanks trimmed and one pair of enclosing quotes removed.
    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    bool removeKey(const QString& section, const QString& key);
    bool removeSection(const QString& section);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        QByteArray raw; // without its line ending
        Kind kind = Kind::Other;
        QString name;   // section name or key
        QString value;  // entry value
    };

    static Line parseLine(const QByteArray& raw);
    static Line entryLine(const QString& key, const QString& value);
    qsizetype findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype header) const;
    void reindex();

    QList<Line> lines_;
    // lower-case section name -> index of its first header line
    QHash<QString, qsizetype> sections_;
    // lower-case "section\nkey" -> index of the first entry line of that key in that section
    QHash<QString, qsizetype> entries_;
};
