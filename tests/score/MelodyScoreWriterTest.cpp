#include "score/MelodyScoreWriter.h"
#include "LoadedNoteTable.h"

#include <gtest/gtest.h>

namespace {

struct WriterCase {
    const char* name;
    const char* what;
    ImportedMelody melody;
    QString score;
    friend void PrintTo(const WriterCase& c, std::ostream* out) { *out << c.name; }
};

// Notes one after another from `startMs`, (pitch, milliseconds) pairs; a pitch of -1 is a rest.
QList<ImportedMelody::Note> sequence(double startMs, const QList<std::pair<int, double>>& notes) {
    QList<ImportedMelody::Note> out;
    for (const auto& [pitch, ms] : notes) {
        if (pitch >= 0) out.append({startMs, startMs + ms, pitch, {}});
        startMs += ms;
    }
    return out;
}

ImportedMelody inC() {
    ImportedMelody melody;
    // At 100 quarters a minute a quarter is 600 ms: the usual codes, a dotted quarter, a 64th,
    // triplets, rests of one and of five quarters, a note of 7.3 s.
    melody.notes = sequence(0, {{60, 600},
                                {62, 300},
                                {64, 900},
                                {-1, 600},
                                {67, 1200},
                                {72, 150},
                                {71, 37.5},
                                {-1, 3000},
                                {65, 200},
                                {67, 200},
                                {69, 200},
                                {60, 7300}});
    melody.notes[4].caption = QStringLiteral("啦+\r\n");
    melody.endMs = melody.notes.last().endMs;
    melody.instrument = 5;
    melody.tempo = 100;
    melody.title = QStringLiteral("旋律");
    return melody;
}

ImportedMelody inD() {
    ImportedMelody melody;
    // D an octave down is still the key D; 132.5 a minute is no whole tempo.
    melody.pitchShift = 26;
    melody.tempo = 132.5;
    const double quarter = 60000 / 132.5;
    melody.notes =
        sequence(1000, {{62, quarter}, {66, quarter / 2}, {69, quarter / 2}, {74, 2 * quarter}});
    melody.endMs = melody.notes.last().endMs;
    return melody;
}

class MelodyScoreWriterCase : public testing::TestWithParam<WriterCase> {};

TEST_P(MelodyScoreWriterCase, WritesItsRows) {
    EXPECT_EQ(MelodyScoreWriter::scoreText(GetParam().melody, loadedNoteTable()).toStdString(),
              GetParam().score.toStdString())
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Melodies, MelodyScoreWriterCase,
    testing::Values(
        WriterCase{
            "InC",
            "usual codes where they fit, the tick of a millisecond in the tempo row, a caption "
            "row before its note, rests of plain codes, a long note in one row",
            inC(),
            "%5\r\n!C\r\n?4/4\r\n$100+2400.0\r\n#旋律\r\n.1+4.0\r\n.2+8.0\r\n.3+2.667\r\n"
            "0+4.0\r\n.5+2.0\r\n#啦\r\n1+16.0\r\n.7+64.0\r\n0+1.0\r\n0+4.0\r\n.4+12.0\r\n"
            ".5+12.0\r\n.6+12.0\r\n.1+0.32877"},
        WriterCase{"InD", "the names of the key the notes are written in, from the first note on",
                   inD(),
                   "%0\r\n!D\r\n?4/4\r\n$132+1811.3208\r\n.1+4.0\r\n.3+8.0\r\n.5+8.0\r\n1+2.0"},
        WriterCase{"NoNotes", "nothing without notes", ImportedMelody{}, QString()}),
    [](const testing::TestParamInfo<WriterCase>& info) { return info.param.name; });

} // namespace
