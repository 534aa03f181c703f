// Scores rendered by the built-in synthesizer into audio files, read back as a player reads them.
#include "exchange/AudioExport.h"
#include "SoundFile.h"
#include "exchange/MidiConversion.h"
#include "platform/midi/FluidSynthAudioRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

// Sixteen notes an eighth apart at tempo 120 (250 ms), each after an eighth's rest, so that
// every onset rises out of the dying tail of the note before.
QString steadyScore() {
    QString text = QStringLiteral("%0\r\n!C\r\n?4/4\r\n$120\r\n");
    for (int i = 0; i < 16; ++i)
        text += QStringLiteral("5+8\r\n0+8\r\n");
    return text;
}

NoteTable embeddedNotes() {
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    return notes;
}

std::vector<double> noteOnTimes(const QList<AudioRenderer::Event>& events) {
    std::vector<double> times;
    for (const AudioRenderer::Event& e : events)
        if ((e.message & 0xF0) == 0x90 && (e.message >> 16) > 0) times.push_back(e.milliseconds);
    return times;
}

float peak(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    float level = 0.0f;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
        level = std::max(level, std::abs(samples[i]));
    return level;
}

class AudioExportTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList filesInDir() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
    const NoteTable notes = embeddedNotes();
    FluidSynthAudioRenderer renderer{FluidSynthOutput::systemConfig()};
    const QList<AudioRenderer::Event> steadyEvents =
        AudioExport::events(MidiConversion::scoreMidi(steadyScore(), notes));
};

TEST_F(AudioExportTest, EveryNoteSoundsWithinTwoMillisecondsOfItsTimeInTheMidiExport) {
    const QString out = path(QStringLiteral("steady.wav"));
    ASSERT_EQ(AudioExport::exportScoreText(steadyScore(), out, notes, renderer), QString());
    const std::vector<double> expected = noteOnTimes(steadyEvents);
    ASSERT_EQ(expected.size(), 16u);
    const std::vector<double> onsets = SoundFile::read(out).onsetsNear(expected, 20.0);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(onsets[i], expected[i], 2.0) << "note " << i;
}

struct FormatCase {
    const char* file;
    int type;
    int subtype;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.file;
}

class AudioExportFormatTest : public AudioExportTest,
                              public testing::WithParamInterface<FormatCase> {};

TEST_P(AudioExportFormatTest, HoldsTheWholeScoreAndTheTailUntilTheSoundHasDiedAway) {
    const QString out = path(QString::fromLatin1(GetParam().file));
    ASSERT_EQ(AudioExport::exportScoreText(steadyScore(), out, notes, renderer), QString());
    EXPECT_EQ(filesInDir(), QStringList{QString::fromLatin1(GetParam().file)}); // no temporary left

    const SoundFile sound = SoundFile::read(out);
    ASSERT_FALSE(sound.left.empty());
    EXPECT_EQ(sound.format & SF_FORMAT_TYPEMASK, GetParam().type);
    EXPECT_EQ(sound.format & SF_FORMAT_SUBMASK, GetParam().subtype);
    EXPECT_EQ(sound.sampleRate, 48000);
    EXPECT_EQ(sound.channels, 2);
    const double lastSeconds = steadyEvents.last().milliseconds / 1000.0;
    EXPECT_GT(sound.seconds(), lastSeconds + FluidSynthEngine::kQuietSecondsBeforeRest);
    EXPECT_LT(sound.seconds(), lastSeconds + FluidSynthAudioRenderer::kMaxTailSeconds);
    EXPECT_GT(peak(sound.left, 0, sound.left.size()), 0.1f);
    const std::size_t end = sound.left.size();
    EXPECT_LT(peak(sound.left, end - 4800, end), 1e-3f) << "the last 0.1 s is silent";
}

INSTANTIATE_TEST_SUITE_P(
    Formats, AudioExportFormatTest,
    testing::Values(FormatCase{"a.wav", SF_FORMAT_WAV, SF_FORMAT_PCM_16},
                    FormatCase{"a.flac", SF_FORMAT_FLAC, SF_FORMAT_PCM_16},
                    FormatCase{"a.ogg", SF_FORMAT_OGG, SF_FORMAT_VORBIS}),
    [](const testing::TestParamInfo<FormatCase>& info) {
        return QString::fromLatin1(info.param.file).section('.', 1).toStdString();
    });

struct RefusalCase {
    const char* name;
    QString score;
    const char* file;
    const char* reason;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class AudioExportRefusalTest : public AudioExportTest,
                               public testing::WithParamInterface<RefusalCase> {};

TEST_P(AudioExportRefusalTest, WritesNothing) {
    const QString error = AudioExport::exportScoreText(
        GetParam().score, path(QString::fromLatin1(GetParam().file)), notes, renderer);
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().reason))) << error.toStdString();
    EXPECT_TRUE(filesInDir().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, AudioExportRefusalTest,
    testing::Values(RefusalCase{"EmptyScore", QString(), "a.wav", "没有发声的音符"},
                    RefusalCase{"OnlyHeadersAndRests",
                                QStringLiteral("%0\r\n!C\r\n?4/4\r\n$100\r\n0+4\r\n'1+4"), "a.flac",
                                "没有发声的音符"},
                    RefusalCase{"UnknownType", steadyScore(), "a.mp3", ".wav、.flac 或 .ogg"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(FluidSynthAudioRenderer, RefusesASoundTooLongForWavBeforeRenderingIt) {
    constexpr double kSevenHours = 7 * 3600 * 1000.0;
    FluidSynthAudioRenderer renderer(FluidSynthOutput::systemConfig());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const QString error =
        renderer.render({{0.0, 0x7F3C90}, {kSevenHours, 0x3C80}}, AudioFileFormat::Wav, out);
    EXPECT_TRUE(error.contains(QStringLiteral("FLAC"))) << error.toStdString();
    EXPECT_EQ(out.size(), 0);
}

} // namespace
