// File ▸ 导出为音频 on the loaded score: the save dialog, the sound the window plays (its key and
// velocity until the score's own rows), and the refusals it reports, with a renderer that records
// what it is asked for.
#include "EngineRig.h"
#include "exchange/AudioExportFormat.h"
#include "platform/MidiStatus.h"
#include "support/ScriptedFileDialogs.h"

#include <QDir>
#include <QIODevice>
#include <gtest/gtest.h>

namespace {

class RecordingRenderer : public AudioRenderer {
public:
    QString render(const QList<Event>& events, AudioFileFormat format, QIODevice& out) override {
        formats.append(format);
        notesOn.clear();
        for (const Event& e : events) {
            const int status = int(e.message & 0xFF);
            if (MidiStatus::isNoteOn(status, int(e.message >> 16 & 0x7F)))
                notesOn.append({int(e.message >> 8 & 0x7F), int(e.message >> 16 & 0x7F)});
        }
        out.write("sound");
        return failure;
    }
    QList<AudioFileFormat> formats;
    QList<std::pair<int, int>> notesOn; // note, velocity
    QString failure;
};

const QByteArray kScore = "%0\r\n?4/4\r\n$120\r\n1+4\r\n2+4\r\n!C\r\n1+4";

struct AudioExportFromWindowTest : testing::Test {
    QString path(const char* name) const { return rig.folder.file(QString::fromUtf8(name)); }

    EngineRig rig;
    RecordingRenderer renderer;
    ScriptedFileDialogs dialogs;
    ScoreExportCommand command{rig.engine, dialogs, rig.messages,
                               AudioExportFormat::of(rig.engine, rig.sound, renderer)};
};

TEST_F(AudioExportFromWindowTest, WritesTheTypeChosenAsTheWindowPlaysTheScore) {
    EXPECT_TRUE(command.exportLoaded()); // no score: nothing asked
    EXPECT_TRUE(dialogs.asked.isEmpty());
    rig.load(QString::fromLatin1(kScore));
    rig.sound.setPitchShift(38); // the window in D until the score's own key row
    rig.sound.setVelocity(90);
    dialogs.answers = {path("a.flac"), path("b.ogg"), path("c.WAV"), QString()};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(command.exportLoaded());
    ASSERT_EQ(dialogs.asked.size(), 4);
    EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("WAV 音频(*.wav)|*.wav|FLAC 音频(*.flac)|"
                                                      "*.flac|Ogg Vorbis 音频(*.ogg)|*.ogg"));
    EXPECT_EQ(renderer.formats,
              (QList<AudioFileFormat>{AudioFileFormat::Flac, AudioFileFormat::OggVorbis,
                                      AudioFileFormat::Wav})); // the last dialog was cancelled
    const int velocity = rig.sound.intVelocity();
    EXPECT_EQ(renderer.notesOn, (QList<std::pair<int, int>>{{74, velocity}, {76, velocity},
                                                            {72, velocity}}));
    EXPECT_EQ(rig.folder.read(QStringLiteral("a.flac")), "sound");
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

struct FailureCase {
    const char* name;
    const char* output; // "" is the score itself
    QByteArray score;
    const char* renderFailure;
    const char* reason;
    bool asksForAFile;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AudioExportFromWindowFailureTest : public AudioExportFromWindowTest,
                               public testing::WithParamInterface<FailureCase> {};

TEST_P(AudioExportFromWindowFailureTest, ShowsAnErrorAndLeavesEveryFileAsItWas) {
    const FailureCase& c = GetParam();
    rig.load(QString::fromLatin1(c.score));
    const QString score = rig.engine.score().strPlayingFile;
    const QString out = *c.output ? path(c.output) : score;
    if (out != score) rig.folder.write(QString::fromUtf8(c.output), "good");
    renderer.failure = QString::fromUtf8(c.renderFailure);
    dialogs.answers = {out};

    EXPECT_FALSE(command.exportLoaded());
    EXPECT_EQ(dialogs.asked.size(), c.asksForAFile ? 1 : 0);
    ASSERT_EQ(rig.messages.shown.size(), 1);
    EXPECT_EQ(rig.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(rig.messages.shown[0].text.contains(QString::fromUtf8(c.reason)))
        << rig.messages.shown[0].text.toStdString();
    EXPECT_EQ(rig.folder.read(QStringLiteral("score.piano")), c.score);
    if (out != score) {
        EXPECT_EQ(rig.folder.read(QString::fromUtf8(c.output)), "good");
    }
    EXPECT_EQ(QDir(rig.folder.path()).entryList(QDir::Files).size(), out != score ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, AudioExportFromWindowFailureTest,
    testing::Values(FailureCase{"OutputIsTheScore", "", kScore, "", "输入文件", true},
                    FailureCase{"RenderingFails", "a.wav", kScore, "磁盘已满", "磁盘已满", true},
                    FailureCase{"SilentScore", "a.wav", "%0\r\n?4/4\r\n$120\r\n0+4", "",
                                "没有发声的音符", false},
                    FailureCase{"UnknownType", "a.aiff", kScore, "", ".ogg", true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

} // namespace
