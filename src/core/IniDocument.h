#pragma once
// One INI file held in memory, read as profile files are read elsewhere: CR LF, LF and a lone CR
// each end a line; sections and keys matched without regard to letter case, blanks and tabs around
// them ignored; the first of two equal keys winning; and every line that is not touched kept byte
// for byte, line end included, on rewrite.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

class IniDocument {
public:
    static IniDocument parse(const QByteArray& gbkBytes);
    QByteArray serialize() const;

    // Blanks and tabs at both ends are all that is trimmed around names and values; other white
    // space, such as the full-width space, is text.
    static QStringView trimBlanks(QStringView text);

    // The value after the first "=", blanks trimmed and one pair of enclosing quotes removed.
    // Section and key names are looked up without their blanks at either end.
    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    bool removeKey(const QString& section, const QString& key);
    bool removeSection(const QString& section);

private:
    enum class Kind { Other, Blank, Section, Entry };
    struct Line {
        QByteArray raw; // without its line end
        QByteArray end; // CR LF, LF, CR, or nothing on a last line without one
        Kind kind = Kind::Other;
        QString name;  // section name or key
        QString value; // entry value
    };

    static Line parseLine(const QByteArray& raw);
    static Line entryLine(const QString& key, const QString& value, const QByteArray& end);
    qsizetype findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype header) const;
    void reindex();

    QList<Line> lines_;
    // What ends the lines this document adds: the file's first line end, CR LF in a new file.
    QByteArray lineEnd_ = QByteArrayLiteral("\r\n");
    // lower-case section name -> index of its first header line
    QHash<QString, qsizetype> sections_;
    // lower-case "section\nkey" -> index of the first entry line of that key in that section
    QHash<QString, qsizetype> entries_;
};
