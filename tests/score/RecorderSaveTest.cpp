#include "RecorderFixture.h"
#include "exchange/MidiRecordingWriter.h"
#include "midi/ChannelNotes.h"
#include "midi/SmfReader.h"
#include "platform/GbkCodec.h"
#include "score/AppendTextToFile.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>

namespace {

const QByteArray kLegalRow = GbkCodec::encode(QStringLiteral("#版权所有 (C) 2026 Quillon\r\n"));

class RecorderSave : public RecorderFixture {
protected:
    // Records the two example notes with the metre and tempo of a typical header.
    void recordTwoNotes() {
        recorder.StartRecording();
        recorder.BeginRecording(
            {2, QStringLiteral("B"), QStringLiteral("3/4"), QStringLiteral("72.5")});
        play(39, 1000 * 60 / 72.0);
        play(52, 750 * 60 / 72.0);
    }
    static QByteArray expectedTwoNotes() {
        return QByteArray("%2\r\n!B\r\n?3/4\r\n$72.5\r\n") + kLegalRow +
               "1+4.0\r\nb2. / #1.+5.333\r\n";
    }
    void makeReadOnly(const QString& path) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
};

TEST_F(RecorderSave, AMidiNameWritesTheRecordingAsAMidiFileOfItsNotes) {
    MidiRecordingWriter midi(notes);
    recorder.setOtherFormat(&midi);
    recordTwoNotes();
    dialogs.answers << folder.file("song.mid");
    recorder.SaveFromStatusClick();
    const SmfReader::Result read = SmfReader::read(folder.read("song.mid"));
    ASSERT_EQ(read.error, SmfReader::Error::None);
    EXPECT_EQ(ChannelNotes::counts(read.file.tracks.value(0))[0], 2);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RecorderSave, TheFileHoldsHeaderCaptionAndNotesInGbkWithCrLf) {
    recordTwoNotes();
    dialogs.answers << folder.file("song.piano");
    QSignalSpy changed(&recorder, &Recorder::recordingChanged);
    recorder.SaveFromStatusClick();

    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("保存录制文件..."));
    EXPECT_EQ(dialogs.asked[0].filter,
              QStringLiteral(
                  "Qor_Tonvale乐谱文件(*.piano)|*.piano|MIDI 文件(*.mid)|*.mid|所有文件(*.*)|*.*"));
    EXPECT_EQ(dialogs.asked[0].defaultSuffix, QStringLiteral("piano"));
    const QByteArray bytes = folder.read("song.piano");
    EXPECT_EQ(bytes, expectedTwoNotes());
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RecorderSave, ARecordingReadsBackAsTheSameNotes) {
    begin();
    const int keys[] = {0, 1, 30, 39, 40, 54, 86, 87};
    for (int key : keys)
        play(key, 500);
    dialogs.answers << folder.file("back.piano");
    recorder.SaveFromStatusClick();

    const QStringList rows =
        GbkCodec::decode(folder.read("back.piano")).split(QStringLiteral("\r\n"));
    ASSERT_EQ(rows.size(), 5 + int(std::size(keys)) + 1);
    EXPECT_TRUE(rows.last().isEmpty());
    for (int i = 0; i < int(std::size(keys)); ++i) {
        const QStringList parts = rows[5 + i].split(QLatin1Char('+'));
        ASSERT_EQ(parts.size(), 2) << rows[5 + i].toStdString();
        EXPECT_EQ(notes.keyIndexOfName(parts[0]), keys[i]) << rows[5 + i].toStdString();
        EXPECT_EQ(parts[1], QStringLiteral("8.0"));
    }
}

TEST_F(RecorderSave, CancellingTheDialogKeepsRecording) {
    recordTwoNotes();
    dialogs.answers << QString();
    recorder.SaveFromStatusClick();
    EXPECT_TRUE(recorder.IsRecording());
    EXPECT_TRUE(messages.shown.isEmpty());
    play(39, 1000 * 60 / 72.0);
    dialogs.answers << folder.file("later.piano");
    recorder.SaveFromStatusClick();
    EXPECT_EQ(folder.read("later.piano"), expectedTwoNotes() + "1+4.0\r\n");
}

TEST_F(RecorderSave, AnExistingFileIsReplaced) {
    folder.write("old.piano", QByteArray(5000, 'x'));
    recordTwoNotes();
    dialogs.answers << folder.file("old.piano");
    recorder.SaveFromStatusClick();
    EXPECT_EQ(folder.read("old.piano"), expectedTwoNotes());
}

TEST_F(RecorderSave, AFailedWriteIsReportedAndTheRecordingGoesOn) {
    recordTwoNotes();
    const QString missing = folder.file("no such folder/song.piano");
    dialogs.answers << missing;
    QSignalSpy changed(&recorder, &Recorder::recordingChanged);
    recorder.SaveFromStatusClick();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(missing));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(recorder.IsRecording());
    EXPECT_EQ(changed.count(), 0);

    dialogs.answers << folder.file("song.piano");
    recorder.SaveFromStatusClick();
    EXPECT_EQ(folder.read("song.piano"), expectedTwoNotes());
    EXPECT_FALSE(recorder.IsRecording());
}

TEST_F(RecorderSave, AFolderChosenAsTheFileIsReported) {
    recordTwoNotes();
    QDir(folder.path()).mkdir("taken.piano");
    dialogs.answers << folder.file("taken.piano");
    recorder.SaveFromStatusClick();
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(recorder.IsRecording());
}

TEST_F(RecorderSave, AReadOnlyOldFileIsLeftAloneAndReported) {
    folder.write("locked.piano", "old\r\n");
    const QString path = folder.file("locked.piano");
    makeReadOnly(path);
    recordTwoNotes();
    dialogs.answers << path;
    recorder.SaveFromStatusClick();
    EXPECT_EQ(folder.read("locked.piano"), QByteArray("old\r\n"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(path));
    EXPECT_TRUE(recorder.IsRecording());
}

TEST_F(RecorderSave, AnOldFileThatCannotBeDeletedGetsTheRecordingAtItsEnd) {
    folder.write("keep.piano", "old\r\n");
    const QString path = folder.file("keep.piano");
    // An append-only file can be written at its end but never deleted, whoever runs the test.
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+a"), path}) != 0)
        GTEST_SKIP() << "append-only files are not available here";
    recordTwoNotes();
    dialogs.answers << path;
    recorder.SaveFromStatusClick();
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-a"), path});
    EXPECT_EQ(folder.read("keep.piano"), "old\r\n" + expectedTwoNotes());
    EXPECT_FALSE(recorder.IsRecording());
}

TEST_F(RecorderSave, WithoutOverwriteTheRecordingIsAppended) {
    folder.write("more.piano", "old\r\n");
    recordTwoNotes();
    EXPECT_TRUE(recorder.SaveRecording(folder.file("more.piano"), false));
    EXPECT_EQ(folder.read("more.piano"), "old\r\n" + expectedTwoNotes());
}

TEST_F(RecorderSave, TwoRecordingsInARowWriteTheirOwnFiles) {
    recordTwoNotes();
    dialogs.answers << folder.file("first.piano") << folder.file("second.piano");
    recorder.SaveFromStatusClick();
    recorder.StartRecording();
    recorder.BeginRecording({0, QStringLiteral("C"), QStringLiteral("4/4"), QStringLiteral("60")});
    play(41, 1000);
    recorder.SaveFromStatusClick();
    EXPECT_EQ(folder.read("first.piano"), expectedTwoNotes());
    EXPECT_EQ(folder.read("second.piano"),
              QByteArray("%0\r\n!C\r\n?4/4\r\n$60\r\n") + kLegalRow + "2+4.0\r\n");
}

TEST_F(RecorderSave, AppendingCreatesAMissingFileAndEncodesGbk) {
    const QString path = folder.file("new.txt");
    EXPECT_TRUE(AppendTextToFile(path, QStringLiteral("乐谱\r\n")));
    EXPECT_TRUE(AppendTextToFile(path, QStringLiteral("1+4.0\r\n")));
    EXPECT_EQ(folder.read("new.txt"), QByteArray("\xC0\xD6\xC6\xD7\r\n1+4.0\r\n"));
}

TEST_F(RecorderSave, AppendingNothingIsAFailureAndCreatesNothing) {
    EXPECT_FALSE(AppendTextToFile(folder.file("empty.txt"), QString()));
    EXPECT_FALSE(QFile::exists(folder.file("empty.txt")));
}

} // namespace
