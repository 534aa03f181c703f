#pragma once
// Small MusicXML documents for the tests, written the way notation editors write them.
#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace MusicXmlText {

// One pitched note: step, octave, duration in divisions, and what else goes inside <note>.
inline QString note(const char* step, int octave, int duration, const QString& extra = {}) {
    return QStringLiteral("<note><pitch><step>%1</step><octave>%2</octave></pitch>"
                          "<duration>%3</duration>%4</note>")
        .arg(QLatin1String(step))
        .arg(octave)
        .arg(duration)
        .arg(extra);
}

inline QString rest(int duration) {
    return QStringLiteral("<note><rest/><duration>%1</duration></note>").arg(duration);
}

inline QString attributes(int divisions, int fifths = 0, const QString& time = QStringLiteral("4/4")) {
    const QStringList metre = time.split(u'/');
    return QStringLiteral("<attributes><divisions>%1</divisions><key><fifths>%2</fifths></key>"
                          "<time><beats>%3</beats><beat-type>%4</beat-type></time></attributes>")
        .arg(divisions)
        .arg(fifths)
        .arg(metre.value(0), metre.value(1));
}

inline QString soundTempo(double quarterBpm) {
    return QStringLiteral("<direction><direction-type><words>T</words></direction-type>"
                          "<sound tempo=\"%1\"/></direction>")
        .arg(quarterBpm);
}

// The measures of one part each given as their content.
inline QString measures(const QStringList& contents) {
    QString text;
    for (qsizetype i = 0; i < contents.size(); ++i)
        text += QStringLiteral("<measure number=\"%1\">%2</measure>").arg(i + 1).arg(contents[i]);
    return text;
}

// A score-partwise document; each part is a name and its measures' content.
inline QByteArray partwise(const QList<std::pair<QString, QStringList>>& parts,
                           const QString& header = {}) {
    QString list;
    QString body;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString id = QStringLiteral("P%1").arg(i + 1);
        list += QStringLiteral("<score-part id=\"%1\"><part-name>%2</part-name></score-part>")
                    .arg(id, parts[i].first);
        body += QStringLiteral("<part id=\"%1\">%2</part>").arg(id, measures(parts[i].second));
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 "
                          "Partwise//EN\" \"http://www.musicxml.org/dtds/partwise.dtd\">\n"
                          "<score-partwise version=\"4.0\">%1<part-list>%2</part-list>%3"
                          "</score-partwise>")
        .arg(header, list, body)
        .toUtf8();
}

inline QByteArray onePart(const QStringList& contents, const QString& header = {}) {
    return partwise({{QStringLiteral("Melody"), contents}}, header);
}

} // namespace MusicXmlText
