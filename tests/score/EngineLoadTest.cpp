// Loading a score into the engine: what it reports, what it keeps from the score before, how it
// copes with files that cannot be scores, and the position display.
#include "EngineRig.h"
#include "score/ScoreFile.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(EngineLoad, ReportsItsStepsPreparesTheProgressBarAndStartsPlaying) {
    EngineRig rig;
    QStringList steps;
    QList<int> progress;
    QObject::connect(&rig.engine, &PlaybackEngine::statusChanged,
                     [&](const QString& t) { steps << t; });
    QObject::connect(&rig.engine, &PlaybackEngine::progressValueChanged,
                     [&](int v) { progress << v; });
    QSignalSpy range(&rig.engine, &PlaybackEngine::progressRangeChanged);
    QSignalSpy loaded(&rig.engine, &PlaybackEngine::scoreLoaded);
    QSignalSpy play(&rig.engine, &PlaybackEngine::playRequested);
    EXPECT_EQ(rig.load("$100\r\n?4/4\r\n1+4\r\n"), 4);
    EXPECT_EQ(steps, QStringList({"打开文件...", "提取文件信息...", "估计播放时间..."}));
    EXPECT_EQ(range.size(), 1);
    EXPECT_EQ(range[0][0].toInt(), 4);
    EXPECT_EQ(progress, QList<int>({1}));
    EXPECT_EQ(loaded.size(), 1);
    EXPECT_EQ(play.size(), 1);
    EXPECT_EQ(rig.engine.lngTotalRow(), 4);
    EXPECT_TRUE(rig.engine.isTimerRunning());
    EXPECT_EQ(rig.keyboard.callsOf("reset").size(), 1);
    rig.time.advanceToMs(1200); // X = 600 ms
    EXPECT_EQ(progress, QList<int>({1, 1, 2}));
}

TEST(EngineLoad, KeepsThePositionWhenAskedTo) {
    EngineRig rig;
    rig.engine.setLngCurrentRow(3);
    rig.engine.LoadScore(rig.write("a.piano", "?4/4\r\n1+16\r\n2+16\r\n3+16\r\n4+16\r\n$100"),
                         false);
    EXPECT_EQ(rig.engine.lngCurrentRow(), 3);
    rig.time.advanceToMs(150);
    EXPECT_EQ(rig.keyboard.callsOf("strike").first().key, 44); // row 4 "4"
}

TEST(EngineLoad, ASecondScoreWithoutHeaderRowsKeepsTempoAndMetreButNotTheChanges) {
    EngineRig rig;
    rig.load("%3\r\n!E\r\n#x\r\n?3/4\r\n$120\r\n1+8");
    rig.load("1+8\r\n2+4\r\n");
    EXPECT_EQ(rig.engine.TempoBpm(), 120);
    EXPECT_EQ(rig.engine.BeatUnit(), 4);
    EXPECT_TRUE(rig.engine.score().InstrumentChanges.isEmpty());
    EXPECT_TRUE(rig.engine.score().KeyChanges.isEmpty());
    EXPECT_TRUE(rig.engine.score().CaptionChanges.isEmpty());
    EXPECT_EQ(rig.engine.score().interval, 250);
}

TEST(EngineLoad, AFileEndingInCrLfHasOneMoreRowAndOneMoreTick) {
    EngineRig rig;
    rig.load("$100\r\n?4/4\r\n1+16");
    EXPECT_EQ(rig.engine.lngTotalRow(), 3);
    EXPECT_EQ(rig.engine.score().RowEndTimes.last(), 450);
    rig.load("$100\r\n?4/4\r\n1+16\r\n");
    EXPECT_EQ(rig.engine.lngTotalRow(), 4);
    EXPECT_EQ(rig.engine.score().RowEndTimes.last(), 600);
    EXPECT_EQ(rig.engine.score().TotalTimeText, QString("00:00.60"));
}

TEST(EngineLoad, AUtf8ScoreWithItsMarkIsReadAsUtf8) {
    EngineRig rig;
    rig.engine.LoadScore(rig.write("u.piano", "\xEF\xBB\xBF#春天\r\n1+4\r\n"), true);
    EXPECT_EQ(rig.engine.score().CaptionChanges.at(0).value, QString("春天"));
}

class EngineLoadRefuses : public testing::TestWithParam<int> {};

TEST_P(EngineLoadRefuses, AFileThatCannotBeAScoreChangingNothing) {
    EngineRig rig;
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+4\r\n3+4");
    rig.time.advanceToMs(700);
    const qint32 position = rig.engine.lngCurrentRow();
    QString path;
    QString expected;
    switch (GetParam()) {
    case 0:
        path = rig.folder.file("folder.piano");
        QDir().mkpath(path);
        expected = "错误：无法读取乐谱文件！请确认文件可以访问！";
        break;
    case 1:
        path = rig.write("big.piano", QByteArray(ScoreFile::kMaxScoreBytes + 1, '1'));
        expected = "错误：乐谱文件太大（超过 16 MB），无法打开！";
        break;
    default:
        path = rig.write("pic.piano", QByteArray("GIF89a\0\0\x01\0", 10));
        expected = "错误：该文件不是文本格式的乐谱，无法打开！";
    }
    QSignalSpy status(&rig.engine, &PlaybackEngine::statusChanged);
    EXPECT_EQ(rig.engine.LoadScore(path, true), 5);
    ASSERT_EQ(rig.messages.shown.size(), 1);
    EXPECT_EQ(rig.messages.shown[0].text, expected);
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(status.size(), 0);
    EXPECT_EQ(rig.engine.lngTotalRow(), 5);
    EXPECT_EQ(rig.engine.lngCurrentRow(), position);
    EXPECT_TRUE(rig.engine.isTimerRunning());
    EXPECT_NE(rig.engine.score().strPlayingFile, path);
}

INSTANTIATE_TEST_SUITE_P(Files, EngineLoadRefuses, testing::Values(0, 1, 2));

TEST(EngineDisplay, ShowsRowsUntilSwitchedToTime) {
    EngineRig rig;
    EXPECT_EQ(rig.engine.playedTimeText(), QString("已用时间 / 总时间"));
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+8\r\n3+8\r\n");
    rig.time.advanceToMs(300); // X = 300 ms
    EXPECT_EQ(rig.engine.playedTimeText(), QString("(33%) 第2行 / 共6行"));
    rig.engine.switchPlayedTimeMode();
    // The estimated end of the next row: 0.3 + 0.3 + 0.6 s.
    EXPECT_EQ(rig.engine.playedTimeText(), QString("00:01.20 / 00:02.10"));
    rig.time.advanceToMs(900); // row 2 ends its hold
    EXPECT_EQ(rig.engine.playedTimeText(), QString("00:01.50 / 00:02.10"));
    rig.time.advanceToMs(1500);
    EXPECT_EQ(rig.engine.playedTimeText(), QString("00:01.80 / 00:02.10"));
    rig.engine.switchPlayedTimeMode();
    EXPECT_EQ(rig.engine.playedTimeText(), QString("(67%) 第4行 / 共6行"));
    rig.engine.switchPlayedTimeMode();
    rig.time.advanceToMs(2400); // row 5 is the last: no next row, the label stays
    EXPECT_EQ(rig.engine.playedTimeText(), QString("00:02.10 / 00:02.10"));
}

TEST(EngineDisplay, AnUntouchedPositionIsShownDuringASeek) {
    EngineRig rig;
    rig.load("$100\r\n?4/4\r\n1+4\r\n2+8\r\n3+8\r\n");
    rig.engine.Pause();
    rig.engine.setLngCurrentRow(4);
    rig.engine.refreshPlayedTime();
    EXPECT_EQ(rig.engine.playedTimeText(), QString("(83%) 第5行 / 共6行"));
}

TEST(EngineLoad, CloseForgetsTheScoreAndPlayDoesNothingWithout) {
    EngineRig rig;
    rig.load("$100\r\n?4/4\r\n1+4\r\n");
    rig.engine.CloseScore();
    EXPECT_FALSE(rig.engine.hasScore());
    EXPECT_EQ(rig.engine.lngTotalRow(), 0);
    rig.engine.Play();
    EXPECT_FALSE(rig.engine.isTimerRunning());
    rig.time.advanceToMs(5000);
    EXPECT_TRUE(rig.sounds().isEmpty());
}

} // namespace

namespace {

TEST(ScoreGuide, TheExampleOfTheGuidePlaysInTime) {
    EngineRig rig;
    rig.load(
        "%0\r\n!C\r\n?4/4+8\r\n$100\r\n' 小星星\r\n#一闪一闪亮晶晶\r\n1+4\r\n1+4\r\n5+4\r\n5+4\r\n"
        "6+4\r\n6+4\r\n5+2\r\n\r\n#满天都是小星星\r\n4+4\r\n4+4\r\n3+4\r\n3+4\r\n2+4\r\n2+4\r\n1+"
        "2\r\n0+4\r\n");
    EXPECT_EQ(rig.engine.score().interval, 300);
    rig.time.advanceToMs(30'000);
    const QList<EngineRig::Sound> sounds = rig.sounds();
    ASSERT_EQ(sounds.size(), 14);
    EXPECT_EQ(sounds[0].on, 6 * 300); // rows 1 to 5 take a tick each
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(sounds[i].off - sounds[i].on, 600) << i;
    EXPECT_EQ(sounds[6].off - sounds[6].on,
              1200 + 600);                           // the half note, the blank row, the caption
    EXPECT_EQ(sounds[13].off - sounds[13].on, 1200); // stopped by the rest
}

} // namespace
