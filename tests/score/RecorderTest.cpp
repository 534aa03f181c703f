#include "RecorderFixture.h"
#include "support/QuotedText.h"

#include <QSignalSpy>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct CodeCase {
    double heldMs;
    int tempo;
    int rhythm;
    const char* text;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.heldMs << " ms tempo " << c.tempo << " rhythm " << c.rhythm;
}

class RecorderCode : public testing::TestWithParam<CodeCase> {};

TEST_P(RecorderCode, HeldTimeGivesTheFormattedCode) {
    const CodeCase c = GetParam();
    const float code =
        Recorder::durationCode(static_cast<qint64>(c.heldMs * 1'000'000), c.tempo, c.rhythm);
    EXPECT_TRUE(std::isfinite(code));
    EXPECT_EQ(Recorder::formatCode(code), QString(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RecorderCode,
    testing::Values(CodeCase{1000, 60, 4, "4.0"}, CodeCase{500, 60, 4, "8.0"},
                    CodeCase{2000, 60, 4, "2.0"}, CodeCase{750, 60, 4, "5.333"},
                    CodeCase{1500, 60, 4, "2.667"}, CodeCase{30, 60, 4, "128.0"},
                    CodeCase{31.25, 60, 4, "128.0"}, CodeCase{32, 60, 4, "125.0"},
                    CodeCase{1000, 120, 4, "2.0"}, CodeCase{1000, 60, 8, "8.0"},
                    CodeCase{4000, 60, 4, "1.0"}, CodeCase{48000, 60, 4, "0.083"},
                    CodeCase{3'600'000, 60, 4, "0.001"}, CodeCase{36'000'000, 60, 4, "0.0"},
                    CodeCase{1000, 60, 0, "0.0"}, CodeCase{1000, 72, 4, "3.333"}));

INSTANTIATE_TEST_SUITE_P(NothingToDivideBy, RecorderCode,
                         testing::Values(CodeCase{0, 60, 4, "128.0"}, CodeCase{1000, 0, 4, "128.0"},
                                         CodeCase{0, 0, 0, "128.0"}, CodeCase{-5, 60, 4, "128.0"},
                                         CodeCase{1000, -60, 4, "128.0"}));

TEST(RecorderFormat, OneToThreeDecimalsAndNoSeparators) {
    const std::pair<float, const char*> rows[] = {
        {4.0f, "4.0"},         {2.6666f, "2.667"}, {128.0f, "128.0"},
        {0.5f, "0.5"},         {0.25f, "0.25"},    {0.125f, "0.125"},
        {12345.0f, "12345.0"}, {-4.0f, "-4.0"},    {-0.0001f, "0.0"}};
    for (const auto& [code, text] : rows)
        EXPECT_EQ(Recorder::formatCode(code), QString(text)) << code;
}

using RecorderState = RecorderFixture;

TEST_F(RecorderState, IdleUntilTheDialogsOk) {
    QSignalSpy changed(&recorder, &Recorder::recordingChanged);
    QSignalSpy pause(&recorder, &Recorder::pauseRequested);
    recorder.StartRecording();
    EXPECT_EQ(pause.count(), 1);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_EQ(recorder.intRecordVelocity(), 60);
    EXPECT_EQ(recorder.intRecordRhythm(), 4);
    play(39, 1000);
    EXPECT_TRUE(recorder.strRecordBody().isEmpty());

    recorder.BeginRecording({2, QStringLiteral("B"), QStringLiteral("4/4"), QStringLiteral("100")});
    EXPECT_TRUE(recorder.IsRecording());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).at(0).toBool());
    EXPECT_EQ(recorder.strRecordHead(), "%2\r\n!B\r\n?4/4\r\n$100\r\n");
    EXPECT_EQ(recorder.intRecordVelocity(), 100);
    EXPECT_EQ(recorder.intRecordRhythm(), 4);
}

struct FieldCase {
    const char* rhythm;
    const char* velocity;
    int beatUnit;
    int tempo;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << quoted(c.rhythm) << ' ' << quoted(c.velocity);
}

class RecorderFields : public RecorderFixture, public testing::WithParamInterface<FieldCase> {};

TEST_P(RecorderFields, NumbersWhereTheTextsHoldThemAndTheHeaderAsTyped) {
    const FieldCase c = GetParam();
    begin(c.rhythm, c.velocity);
    EXPECT_EQ(recorder.intRecordRhythm(), c.beatUnit);
    EXPECT_EQ(recorder.intRecordVelocity(), c.tempo);
    EXPECT_EQ(recorder.strRecordHead(), QStringLiteral("%0\r\n!C\r\n?") + c.rhythm +
                                            QStringLiteral("\r\n$") + c.velocity + kCrLf);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecorderFields,
    testing::Values(FieldCase{"3/4", "72.5", 4, 72}, FieldCase{"3/4", "73.5", 4, 74},
                    FieldCase{"6/8", "60", 8, 60}, FieldCase{"8", "90", 8, 90},
                    FieldCase{"1/2/16", "120", 16, 120}, FieldCase{"3/", "60", 4, 60},
                    FieldCase{"", "", 4, 60}, FieldCase{"3/4", "abc", 4, 60},
                    FieldCase{"3/4", "1.2.3", 4, 60}, FieldCase{"3/99999", "99999", 4, 60},
                    FieldCase{"4/4", " 88 ", 4, 88}, FieldCase{"4/4", "0", 4, 0},
                    FieldCase{"4/0", "60", 0, 60}));

TEST_F(RecorderState, EveryReleaseAddsTheKeysNameAndCode) {
    begin();
    play(39, 1000);
    play(40, 750);
    play(87, 30);
    play(0, 2000);
    EXPECT_EQ(recorder.strRecordBody(), "1+4.0\r\nb2 / #1+5.333\r\n1....+128.0\r\n....6+2.0\r\n");
}

TEST_F(RecorderState, TempoSeventyTwoPointFiveRecordsAtSeventyTwo) {
    begin(QStringLiteral("3/4"), QStringLiteral("72.5"));
    play(39, 1000);
    EXPECT_EQ(recorder.strRecordBody(), "1+3.333" + kCrLf);
}

TEST_F(RecorderState, ZeroTempoRecordsTheShortestNote) {
    begin(QStringLiteral("4/4"), QStringLiteral("0"));
    play(39, 1000);
    EXPECT_EQ(recorder.strRecordBody(), "1+128.0" + kCrLf);
}

TEST_F(RecorderState, TheTimeCountsFromTheLastStrike) {
    begin();
    // A glissando: each key reached restarts the stopwatch; only the release records.
    for (int key = 39; key < 44; ++key) {
        recorder.restartStopwatch();
        clock.advanceMs(100);
    }
    recorder.restartStopwatch();
    clock.advanceMs(500);
    recorder.RecordKeyRelease(44);
    EXPECT_EQ(recorder.strRecordBody(), "4+8.0" + kCrLf);
}

TEST_F(RecorderState, AChordTimesEachKeyFromItsOwnStrike) {
    begin();
    recorder.keyStruck(39);
    clock.advanceMs(500);
    recorder.keyStruck(44);
    clock.advanceMs(500);
    recorder.RecordHeldKeyRelease(39);
    clock.advanceMs(1500);
    recorder.RecordHeldKeyRelease(44);
    EXPECT_EQ(recorder.strRecordBody(), "1+4.0\r\n4+2.0\r\n");
}

TEST_F(RecorderState, TheSameKeyTwiceRecordsTwoRows) {
    begin();
    play(39, 1000);
    play(39, 1000);
    EXPECT_EQ(recorder.strRecordBody(), "1+4.0\r\n1+4.0\r\n");
}

TEST_F(RecorderState, KeysOutsideTheKeyboardAddNothing) {
    begin();
    play(-1, 1000);
    play(88, 1000);
    play(32767, 1000);
    EXPECT_TRUE(recorder.strRecordBody().isEmpty());
}

TEST_F(RecorderState, EscDropsTheRecording) {
    begin();
    play(39, 1000);
    QSignalSpy changed(&recorder, &Recorder::recordingChanged);
    recorder.DropRecording();
    EXPECT_FALSE(recorder.IsRecording());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FALSE(changed.at(0).at(0).toBool());
    play(41, 1000);
    EXPECT_EQ(recorder.strRecordBody(), "1+4.0" + kCrLf);
    recorder.SaveFromStatusClick();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    recorder.DropRecording();
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(RecorderState, ASecondRecordingStartsEmpty) {
    begin(QStringLiteral("6/8"), QStringLiteral("90"));
    play(39, 1000);
    recorder.DropRecording();
    recorder.StartRecording();
    EXPECT_TRUE(recorder.strRecordHead().isEmpty());
    EXPECT_TRUE(recorder.strRecordBody().isEmpty());
    EXPECT_EQ(recorder.intRecordVelocity(), 60);
    EXPECT_EQ(recorder.intRecordRhythm(), 4);
    recorder.BeginRecording({1, QStringLiteral("D"), QStringLiteral("4/4"), QStringLiteral("60")});
    EXPECT_EQ(recorder.strRecordHead(), "%1\r\n!D\r\n?4/4\r\n$60\r\n");
}

TEST_F(RecorderState, StartingAgainWhileRecordingEndsTheRunningOne) {
    begin();
    QSignalSpy changed(&recorder, &Recorder::recordingChanged);
    recorder.StartRecording();
    EXPECT_FALSE(recorder.IsRecording());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FALSE(changed.at(0).at(0).toBool());
}

} // namespace
