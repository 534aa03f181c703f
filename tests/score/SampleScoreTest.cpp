// The embedded sample score, played on a first start: its figures as the loader finds them.
#include "EngineRig.h"
#include "core/AppPaths.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSampleScore = 104;

TEST(SampleScore, IsGbkTextWithCrLfRowsThatOpensWithItsHeader) {
    const QByteArray bytes = DefaultFileBytes(kSampleScore);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes.count("\r\n"), 265);
    EXPECT_EQ(bytes.count('\n'), 265); // no bare line feeds
    EXPECT_EQ(bytes.count('\r'), 265);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(bytes.startsWith("%0\r\n!C\r\n?4/4\r\n$100\r\n"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(GbkCodec::decode(bytes).contains(QChar::ReplacementCharacter));
}

TEST(SampleScore, HasTheFiguresOfTheSample) {
    EngineRig rig;
    const QString path = rig.folder.file("Vellmor《虞美人》.piano");
    WriteDefaultFile(kSampleScore, path, false, true);
    ASSERT_EQ(rig.engine.LoadScore(path, true), 266);
    const Score& score = rig.engine.score();
    EXPECT_TRUE(score.rows.last().NoteText.isEmpty());
    EXPECT_EQ(score.rows.last().KeyIndex, ScoreRow::kSilent);
    EXPECT_EQ(rig.engine.TempoBpm(), 100);
    EXPECT_EQ(rig.engine.BeatUnit(), 4);
    EXPECT_EQ(score.MaxDurationCode, 16);
    EXPECT_EQ(score.tickLength, 150);
    EXPECT_EQ(score.interval, 150);
    EXPECT_EQ(score.RowEndTimes.last(), 124100);
    EXPECT_EQ(score.TotalTimeText, QString("02:04.10"));
    EXPECT_EQ(score.strPlayingFile, path);
    EXPECT_GE(score.CaptionChanges.size(), 3);
    EXPECT_EQ(score.InstrumentChanges.size(), 1);
    EXPECT_EQ(score.KeyChanges.size(), 1);

    int notes = 0, rests = 0;
    for (qsizetype i = 0; i < score.rows.size(); ++i) {
        const ScoreRow& row = score.rows[i];
        notes += row.isNote();
        rests += row.KeyIndex == ScoreRow::kRest;
        // Every row that is not a header, caption, comment or blank names a key.
        const bool header = row.NoteText.isEmpty() || QString("'%!?$#").contains(row.NoteText[0]);
        EXPECT_TRUE(header || row.KeyIndex != ScoreRow::kSilent)
            << i << " " << row.NoteText.toStdString();
    }
    EXPECT_GE(notes, 200);
    EXPECT_GE(rests, 5);
}

TEST(SampleScore, PlaysToItsEndInTwoMinutes) {
    EngineRig rig;
    rig.engine.setListMode(EndOfScore::ListMode::Single);
    const QString path = rig.folder.file("sample.piano");
    WriteDefaultFile(kSampleScore, path, false, true);
    rig.engine.LoadScore(path, true);
    rig.time.advanceToMs(200'000);
    // Every note row struck once; the last one, held like a fermata, stops with the rest after
    // it. The end comes 826 ticks after the start (the estimate rounds the fermata differently).
    const QList<EngineRig::Sound> sounds = rig.sounds();
    EXPECT_EQ(sounds.size(), 237);
    for (const EngineRig::Sound& s : sounds)
        EXPECT_GT(s.off, s.on);
    EXPECT_EQ(rig.stopRequests, 1);
    EXPECT_EQ(rig.keyboard.callsOf("reset").last().ms, 827 * 150);
    EXPECT_EQ(rig.sound.instrumentIndex(), 0);
    EXPECT_EQ(rig.sound.intYindiao(), 36);
}

} // namespace
