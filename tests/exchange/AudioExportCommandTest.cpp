// File ▸ 导出为音频: the save dialog, the file it writes and the refusals it reports, with a
// renderer that records what it is asked for.
#include "exchange/AudioExportCommand.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedFileDialogs.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class RecordingRenderer : public AudioRenderer {
public:
    QString render(const QList<Event>& events, AudioFileFormat format, QIODevice& out) override {
        formats.append(format);
        noteCount = std::count_if(events.begin(), events.end(),
                                  [](const Event& e) { return (e.message & 0xF0) == 0x90; });
        out.write("sound");
        return failure;
    }
    QList<AudioFileFormat> formats;
    qsizetype noteCount = 0;
    QString failure;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kScore = "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+4\r\n3+4";

class AudioExportCommandTest : public testing::Test {
protected:
    void SetUp() override {
        notes.loadEmbeddedNoteMap();
        writeFile(score, kScore);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    const QString score = dir.filePath(QStringLiteral("a.piano"));
    NoteTable notes;
    RecordingRenderer renderer;
    ScriptedFileDialogs dialogs;
    RecordingMessageSink messages;
    AudioExportCommand command{renderer, notes, dialogs, messages};
};

TEST_F(AudioExportCommandTest, OffersTheThreeTypesAndWritesTheOneChosen) {
    dialogs.answers = {path("a.flac"), path("b.ogg"), path("c.WAV")};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(command.exportScore(score));
    ASSERT_EQ(dialogs.asked.size(), 3);
    EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("WAV 音频(*.wav)|*.wav|FLAC 音频(*.flac)|"
                                                      "*.flac|Ogg Vorbis 音频(*.ogg)|*.ogg"));
    EXPECT_EQ(renderer.formats,
              (QList<AudioFileFormat>{AudioFileFormat::Flac, AudioFileFormat::OggVorbis,
                                      AudioFileFormat::Wav}));
    EXPECT_EQ(renderer.noteCount, 3);
    EXPECT_EQ(contents(path("a.flac")), "sound");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(AudioExportCommandTest, WithoutAScoreOrWhenCancelledNothingHappens) {
    EXPECT_TRUE(command.exportScore(QString()));
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(command.exportScore(score)); // the dialog is cancelled
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(renderer.formats.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

struct FailureCase {
    const char* name;
    const char* output; // "" is the score itself
    QByteArray score;
    const char* renderFailure;
    const char* reason;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AudioExportCommandFailureTest : public AudioExportCommandTest,
                                      public testing::WithParamInterface<FailureCase> {};

TEST_P(AudioExportCommandFailureTest, ShowsAnErrorAndLeavesEveryFileAsItWas) {
    const FailureCase& c = GetParam();
    writeFile(score, c.score);
    const QString out = *c.output ? path(c.output) : score;
    if (out != score) writeFile(out, "good");
    renderer.failure = QString::fromUtf8(c.renderFailure);
    dialogs.answers = {out};

    EXPECT_FALSE(command.exportScore(score));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromUtf8(c.reason)))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(contents(score), c.score);
    if (out != score) {
        EXPECT_EQ(contents(out), "good");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), out != score ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, AudioExportCommandFailureTest,
    testing::Values(FailureCase{"OutputIsTheScore", "", kScore, "", "输入文件"},
                    FailureCase{"RenderingFails", "a.wav", kScore, "磁盘已满", "磁盘已满"},
                    FailureCase{"EmptyScore", "a.wav", QByteArray(), "", "没有发声的音符"},
                    FailureCase{"UnknownType", "a.aiff", kScore, "", ".ogg"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

} // namespace
