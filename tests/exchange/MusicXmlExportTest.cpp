// Scores exported as MusicXML: valid against the schema where it is installed (else the order of
// the elements the schema prescribes is checked here), and read back with the same notes.
#include "exchange/MusicXmlExport.h"
#include "LoadedNoteTable.h"
#include "MelodyText.h"
#include "exchange/MusicXmlConversion.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QByteArray exported(const QString& text, const QString& title = QStringLiteral("t"),
                    const MusicXmlExport::Sound& sound = {}) {
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, loadedNoteTable(), wide, score);
    return MusicXmlExport::write(score, wide, sound, title);
}

// The children of each element the export writes, in the order the schema requires.
const QHash<QString, QStringList>& childOrder() {
    static const QHash<QString, QStringList> order{
        {QStringLiteral("score-partwise"), {"work", "identification", "part-list", "part"}},
        {QStringLiteral("score-part"), {"part-name", "score-instrument", "midi-instrument"}},
        {QStringLiteral("midi-instrument"), {"midi-channel", "midi-program"}},
        {QStringLiteral("attributes"), {"divisions", "key", "time", "clef"}},
        {QStringLiteral("key"), {"fifths", "mode"}},
        {QStringLiteral("time"), {"beats", "beat-type"}},
        {QStringLiteral("clef"), {"sign", "line"}},
        {QStringLiteral("direction"), {"direction-type", "sound"}},
        {QStringLiteral("metronome"), {"beat-unit", "per-minute"}},
        {QStringLiteral("pitch"), {"step", "alter", "octave"}},
        {QStringLiteral("note"),
         {"pitch|rest", "duration", "tie", "voice", "type", "dot", "time-modification",
          "notations", "lyric"}},
        {QStringLiteral("time-modification"), {"actual-notes", "normal-notes"}},
        {QStringLiteral("lyric"), {"syllabic", "text"}},
    };
    return order;
}

// Walks the export: every listed element holds only its schema's children in its schema's
// order, every note has a duration and a type, and every measure is as long as its time
// signature.
class StructureCheck {
public:
    explicit StructureCheck(const QByteArray& xml) : reader_(xml) {}

    QString fault() {
        if (reader_.readNextStartElement()) element(reader_.name().toString());
        if (fault_.isEmpty() && reader_.hasError()) fault_ = reader_.errorString();
        return fault_;
    }

private:
    // The units the element adds to its measure (a note's duration).
    qint64 element(const QString& name) {
        const QStringList order = childOrder().value(name);
        qsizetype at = 0;
        QStringList children;
        qint64 units = 0;
        while (reader_.readNextStartElement()) {
            const QString child = reader_.name().toString();
            children << child;
            while (!order.isEmpty() && at < order.size() && !order[at].split(u'|').contains(child))
                ++at;
            if (!order.isEmpty() && at == order.size())
                fault_ = QStringLiteral("<%1> out of order in <%2>").arg(child, name);
            if (child == u"duration")
                units += reader_.readElementText().toLongLong();
            else if (child == u"beats")
                beats_ = reader_.readElementText().toLongLong();
            else if (child == u"beat-type")
                measureUnits_ = beats_ * 4 * 192 / reader_.readElementText().toLongLong();
            else
                units += element(child);
        }
        if (name == u"note" && !(children.contains(u"duration") && children.contains(u"type")))
            fault_ = QStringLiteral("a note without duration or type");
        if (name == u"measure" && units != measureUnits_)
            fault_ = QStringLiteral("a measure of %1 units, not %2").arg(units).arg(measureUnits_);
        return name == u"measure" ? 0 : units;
    }

    QXmlStreamReader reader_;
    QString fault_;
    qint64 beats_ = 0;
    qint64 measureUnits_ = 0;
};

// "" when xmllint validates the file against the MusicXML 4.0 schema, or when either is missing.
QString schemaFault(const QByteArray& xml) {
    const QString schema = QStringLiteral(MUSICXML_SCHEMA);
    const QString xmllint = QStringLiteral(XMLLINT);
    if (schema.isEmpty() || !QFile::exists(schema) || !QFile::exists(xmllint)) return {};
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("export.musicxml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size()) return QStringLiteral("cannot write");
    file.close();
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--schema"), schema, file.fileName()});
    lint.waitForFinished(120000);
    return lint.exitCode() == 0 ? QString() : QString::fromLocal8Bit(lint.readAllStandardError());
}

struct ExportCase {
    const char* name;
    const char* score;
    const char* notes; // as they are read back
};

void PrintTo(const ExportCase& c, std::ostream* os) {
    *os << c.name;
}

struct ExportedScore : testing::TestWithParam<ExportCase> {};

TEST_P(ExportedScore, IsValidAndReadsBackWithTheSameNotes) {
    const QByteArray xml = exported(QString::fromUtf8(GetParam().score));
    ASSERT_FALSE(xml.isEmpty());
    EXPECT_EQ(StructureCheck(xml).fault(), QString());
    EXPECT_EQ(schemaFault(xml), QString());
    EXPECT_EQ(notesOf(melodyOf(xml)), GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ExportedScore,
    testing::Values(
        // a quarter is 500 ms
        ExportCase{"DottedTripletsAndRests",
                   "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+8\r\n3+8\r\n4+2.667\r\n5+8\r\n0+4\r\n"
                   "6+12\r\n6+12\r\n6+12\r\n7+2\r\n1.+1",
                   "0-500:72 500-750:74 750-1000:76 1000-1750:77 1750-2000:79 2500-2667:81 "
                   "2667-2833:81 2833-3000:81 3000-4000:83 4000-6000:84"},
        // a quarter is 1000 ms; the second and the last note cross bar lines
        ExportCase{"TiesAcrossBarLinesInG", "%0\r\n!G\r\n?3/4\r\n$60\r\n1+2\r\n2+2\r\n3+2.666\r\n4+8\r\n5+1",
                   "0-2000:67 2000-4000:69 4000-5500:71 5500-6000:72 6000-10000:74"},
        // rows that never sound are left out; a row without a code lasts the largest code
        ExportCase{"CaptionsAndSilentRows",
                   "%0\r\n!C\r\n?4/4\r\n$120\r\n#一\r\n'comment\r\n\r\n1+4\r\nb2+4\r\n#二\r\n2+4\r\n3\r\n"
                   "0+4\r\n#三\r\n5+2",
                   "0-500:72\"一\" 500-1000:74\"二\" 1000-1500:76 2000-3000:79\"三\""},
        // C sharp is written as D flat; the key changes to F in the middle
        ExportCase{"KeyChange", "%0\r\n!C#\r\n?4/4\r\n$120\r\n1+4\r\n!F\r\n1+4\r\n3+2",
                   "0-500:73 500-1000:65 1000-2000:69"},
        // six eighths a bar, counted in eighths at 120: a quarter is 1000 ms
        ExportCase{"EighthBeats", "%0\r\n!C\r\n?6/8\r\n$120\r\n..1+2.667\r\n..5+8\r\n..3+4\r\n..1+1",
                   "0-1500:48 1500-2000:55 2000-3000:52 3000-7000:48"},
        // a fifth of a whole note is no note value: rounded to 26 128ths (406.25 ms)
        ExportCase{"NonStandardCode", "%0\r\n!C\r\n?4/4\r\n$120\r\n1+5\r\n2+4",
                   "0-406:72 406-906:74"}),
    testing::PrintToStringParamName());

TEST(MusicXmlExport, KeysNotationAndTies) {
    const QString xml = QString::fromUtf8(
        exported(QStringLiteral("%5\r\n!C#\r\n?3/4\r\n$90\r\n#歌\r\n1+2\r\n2+2\r\n!F\r\n4+5"),
                 QStringLiteral("小曲"), {37, 5}));
    EXPECT_TRUE(xml.contains(QStringLiteral("<work-title>小曲</work-title>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<midi-program>6</midi-program>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<fifths>-5</fifths>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<fifths>-1</fifths>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<step>D</step>\n                    <alter>-1</alter>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<text>歌</text>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<per-minute>90</per-minute>")));
    // the second note crosses the bar line; the last one's code 5 is no note value: a dotted
    // eighth tied to a 64th
    EXPECT_EQ(xml.count(QStringLiteral("<tie type=\"start\"/>")), 2);
    EXPECT_EQ(xml.count(QStringLiteral("<tied type=\"stop\"/>")), 2);
}

TEST(MusicXmlExport, ALowMelodyIsWrittenInTheBassClef) {
    EXPECT_TRUE(exported(QStringLiteral("!C\r\n?4/4\r\n$120\r\n...1+4\r\n..5+4")).contains("<sign>F</sign>"));
    EXPECT_TRUE(exported(QStringLiteral("!C\r\n?4/4\r\n$120\r\n.1+4\r\n5+4")).contains("<sign>G</sign>"));
}

// A score without a sounding note is refused and an existing output stays as it was.
TEST(MusicXmlExport, AScoreWithoutNotesWritesNothing) {
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("rests.piano"));
    const QString out = folder.filePath(QStringLiteral("out.musicxml"));
    for (const auto& [path, bytes] : {std::pair{in, QByteArray("%0\r\n!C\r\n?4/4\r\n$120\r\n0+4\r\n'x")},
                                      std::pair{out, QByteArray("kept")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    EXPECT_EQ(MusicXmlConversion::exportScoreFile(in, out, loadedNoteTable()), MusicXmlExport::noNotesText());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
}

} // namespace
