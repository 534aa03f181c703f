#include "exchange/MidiImport.h"
#include "LoadedNoteTable.h"
#include "OnsetFigures.h"
#include "exchange/MidiExport.h"
#include "midi/SmfReader.h"
#include "score/MelodyScoreWriter.h"
#include "score/ScoreParser.h"
#include "score/ScoreTiming.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

SmfFile readBack(const QByteArray& bytes) {
    const SmfReader::Result read = SmfReader::read(bytes);
    EXPECT_EQ(read.error, SmfReader::Error::None);
    return read.file;
}

// A MIDI file imported as the program imports it (the voice with the most notes), then exported
// as the program exports it: the notes at the milliseconds the playback engine plays them.
QList<MidiNote> importedThenExported(const QByteArray& midi) {
    const SmfFile file = readBack(midi);
    const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(file);
    const QString text = MelodyScoreWriter::scoreText(
        MidiImport::melody(file, choices.value(MidiImport::preferredChoice(choices)), "t"),
        loadedNoteTable());
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, loadedNoteTable(), wide, score);
    ScoreTiming::analyse(score, wide);
    return notesOf(readBack(MidiExport::write(score, wide, {0, 100, 36, 0})).tracks.value(0));
}

class MidiImportRoundTrip : public testing::TestWithParam<TestPiece> {};

TEST_P(MidiImportRoundTrip, KeepsEveryNoteOfTheMelodyWithinThirtyMilliseconds) {
    const TestPiece& piece = GetParam();
    const QList<MidiNote> back = importedThenExported(piece.bytes);
    const OnsetFigures figures = onsetFigures(piece.melody, back);
    EXPECT_EQ(back.size(), piece.melody.size());
    EXPECT_EQ(figures.kept, piece.melody.size());
    EXPECT_LE(figures.p95Ms, 30);
    EXPECT_LE(figures.endDrift, 0.002);
    RecordProperty("median_ms", QString::number(figures.medianMs).toStdString());
    RecordProperty("p95_ms", QString::number(figures.p95Ms).toStdString());
    RecordProperty("end_drift_percent", QString::number(100 * figures.endDrift).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pieces, MidiImportRoundTrip, testing::ValuesIn(TestPieces::all()),
                         [](const testing::TestParamInfo<TestPiece>& info) {
                             QString name = info.param.name;
                             name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return name.toStdString();
                         });

TEST(MidiImport, OffersEveryChannelOfATrackAndPrefersTheOneWithTheMostNotes) {
    SmfBuilder builder(0);
    QList<HeardNote> heard;
    TestPieces::line(builder, heard, 0, {480, 480}, {84}, 1);
    TestPieces::line(builder, heard, 0, {240, 240, 240}, {60}, 0);
    TestPieces::line(builder, heard, 0, {120, 120, 120, 120}, {36}, 9); // drums
    const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(readBack(builder.bytes()));
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].channel, 0);
    EXPECT_EQ(choices[0].notes, 3);
    EXPECT_EQ(choices[1].channel, 1);
    EXPECT_EQ(MidiImport::preferredChoice(choices), 0);
}

} // namespace
