// What an import carries over from MusicXML files written by hand, each showing one element.
#include "exchange/MusicXmlImport.h"
#include "MelodyText.h"
#include "MusicXmlText.h"
#include "ZipArchive.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace MusicXmlText;

QString voice(int number) {
    return QStringLiteral("<voice>%1</voice>").arg(number);
}

QString lyric(const QString& text) {
    return QStringLiteral("<lyric number=\"1\"><syllabic>single</syllabic><text>%1</text></lyric>").arg(text);
}

// Ties joined, a grace note dropped, a chord reduced to its top note (carrying its lyric), a
// second voice above the first left out, rests, and a tempo change that moves every later note.
TEST(MusicXmlImport, TiesGraceChordsVoicesRestsAndTempoChange) {
    const QByteArray file = onePart({
        attributes(2) + soundTempo(120) + note("C", 4, 2, voice(1) + lyric(QStringLiteral("一"))) +
            QStringLiteral("<note><grace/><pitch><step>D</step><octave>4</octave></pitch></note>") +
            note("E", 4, 2, voice(1)) + note("C", 4, 4, voice(1) + lyric(QStringLiteral("二"))) +
            note("E", 4, 4, QStringLiteral("<chord/>") + voice(1)) +
            note("G", 4, 4, QStringLiteral("<chord/>") + voice(1)) +
            QStringLiteral("<backup><duration>8</duration></backup>") + note("A", 5, 8, voice(2)),
        soundTempo(60) + rest(2) + note("F", 4, 6, QStringLiteral("<tie type=\"start\"/>") + voice(1)),
        note("F", 4, 2, QStringLiteral("<tie type=\"stop\"/>") + voice(1)) + rest(6),
    });
    const ImportedMelody melody = melodyOf(file);
    EXPECT_EQ(notesOf(melody), "0-500:60\"一\" 500-1000:64 1000-2000:67\"二\" 3000-7000:65");
    EXPECT_DOUBLE_EQ(melody.endMs, 10000);
    EXPECT_DOUBLE_EQ(melody.tempo, 120);
}

struct KeyCase {
    int fifths;
    int chromatic; // transposing instrument: written to sounding
    int pitchShift;
    int firstPitch; // a written C5 as it sounds
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "Fifths" << (c.fifths < 0 ? "Minus" : "") << std::abs(c.fifths);
    if (c.chromatic != 0) *os << "Sounding" << (c.chromatic < 0 ? "Down" : "Up") << std::abs(c.chromatic);
}

struct KeyOfPart : testing::TestWithParam<KeyCase> {};

// The score's key is the key that sounds; the notes keep their sounding pitch.
TEST_P(KeyOfPart, BecomesThePitchShift) {
    const KeyCase& c = GetParam();
    const QString transpose =
        QStringLiteral("<attributes><transpose><diatonic>0</diatonic><chromatic>%1</chromatic>"
                       "</transpose></attributes>")
            .arg(c.chromatic);
    const ImportedMelody melody =
        melodyOf(onePart({attributes(1, c.fifths) + transpose + note("C", 5, 1)}));
    EXPECT_EQ(melody.pitchShift, c.pitchShift);
    ASSERT_EQ(melody.notes.size(), 1);
    EXPECT_EQ(melody.notes[0].midiNote, c.firstPitch);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyOfPart,
                         testing::Values(KeyCase{0, 0, 36, 72}, KeyCase{1, 0, 31, 72},
                                         KeyCase{-1, 0, 29, 72}, KeyCase{-3, 0, 39, 72},
                                         KeyCase{6, 0, 30, 72}, KeyCase{-5, 0, 37, 72},
                                         // a B-flat clarinet in D sounds C
                                         KeyCase{2, -2, 36, 70}),
                         testing::PrintToStringParamName());

// 6/8 with a dotted quarter at 60: the score counts eighths, 180 a minute.
TEST(MusicXmlImport, MetreAndMetronomeMark) {
    const QString metronome = QStringLiteral(
        "<direction><direction-type><metronome><beat-unit>quarter</beat-unit><beat-unit-dot/>"
        "<per-minute>60</per-minute></metronome></direction-type></direction>");
    const ImportedMelody melody =
        melodyOf(onePart({attributes(2, 0, QStringLiteral("6/8")) + metronome + note("C", 4, 3) +
                          note("D", 4, 3)}));
    EXPECT_EQ(melody.metreNumerator, 6);
    EXPECT_EQ(melody.metreUnit, 8);
    EXPECT_DOUBLE_EQ(melody.tempo, 180);
    EXPECT_EQ(notesOf(melody), "0-1000:60 1000-2000:62");
}

TEST(MusicXmlImport, ThePartWithTheMostNotesIsOfferedFirst) {
    const MusicXmlFile file = readMusicXml(partwise({
        {QStringLiteral("Flute"), {attributes(1) + note("C", 5, 1) + note("D", 5, 1)}},
        {QStringLiteral("Drums"), {attributes(1) + rest(4)}},
        {QStringLiteral("Violin"), {attributes(1) + note("C", 4, 1) + note("D", 4, 1) + note("E", 4, 1)}},
    }));
    const QList<MusicXmlImport::PartChoice> choices = MusicXmlImport::partsWithNotes(file);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].name, QStringLiteral("Flute"));
    EXPECT_EQ(choices[1].part, 2);
    EXPECT_EQ(choices[1].notes, 3);
    EXPECT_EQ(MusicXmlImport::preferredChoice(choices), 1);
}

// A part whose notes are all in another voice gives that voice; the title comes from the file
// and the instrument from its MIDI program (1-based in the file).
TEST(MusicXmlImport, TitleInstrumentAndAPartWithoutVoiceOne) {
    QByteArray file = onePart({attributes(1) + note("E", 4, 1, voice(2)) + note("F", 4, 1, voice(2))},
                              QStringLiteral("<work><work-title>小星星</work-title></work>"));
    file.replace("<part-name>Melody</part-name>",
                 "<part-name>Melody</part-name><midi-instrument id=\"I1\"><midi-program>41"
                 "</midi-program></midi-instrument>");
    const ImportedMelody melody = melodyOf(file);
    EXPECT_EQ(melody.title, QStringLiteral("小星星"));
    EXPECT_EQ(melody.instrument, 40);
    EXPECT_EQ(notesOf(melody), "0-500:64 500-1000:65");
    EXPECT_EQ(melodyOf(onePart({attributes(1) + note("C", 4, 1)})).title, QStringLiteral("file"));
}

// The same melody as a plain file, compressed (with and without a container naming the root
// file) and written time-wise reads the same.
TEST(MusicXmlImport, CompressedAndTimewiseFilesReadTheSame) {
    const QStringList bars = {attributes(2) + note("G", 4, 2, lyric(QStringLiteral("la"))) + note("A", 4, 6),
                              note("B", 4, 8)};
    const QByteArray plain = onePart(bars);
    const std::string expected = notesOf(melodyOf(plain));
    EXPECT_EQ(expected, "0-500:67\"la\" 500-2000:69 2000-4000:71");

    const QByteArray container =
        "<?xml version=\"1.0\"?><container><rootfiles><rootfile full-path=\"music/song.musicxml\" "
        "media-type=\"application/vnd.recordare.musicxml+xml\"/></rootfiles></container>";
    EXPECT_EQ(notesOf(melodyOf(zipArchive({{QStringLiteral("mimetype"), "application/vnd.recordare.musicxml"},
                                           {QStringLiteral("META-INF/container.xml"), container},
                                           {QStringLiteral("music/song.musicxml"), plain}}))),
              expected);
    EXPECT_EQ(notesOf(melodyOf(zipArchive({{QStringLiteral("song.xml"), plain}}))), expected);

    const QByteArray timewise =
        QStringLiteral("<?xml version=\"1.0\"?><score-timewise><part-list><score-part id=\"P1\">"
                       "<part-name>M</part-name></score-part></part-list>"
                       "<measure number=\"1\"><part id=\"P1\">%1</part></measure>"
                       "<measure number=\"2\"><part id=\"P1\">%2</part></measure></score-timewise>")
            .arg(bars[0], bars[1])
            .toUtf8();
    EXPECT_EQ(notesOf(melodyOf(timewise)), expected);
}

} // namespace
