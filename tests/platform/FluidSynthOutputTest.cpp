// Opening the built-in synthesizer: how it fails, and that it fails quietly.
#include "platform/midi/FluidSynthOutput.h"
#include "StderrCapture.h"
#include "core/MMidiOut.h"
#include "platform/SystemMidiBackend.h"
#include "support/RecordingMessageSink.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

TEST(FluidSynthOutput, WithoutASoundFontItSaysWhatIsMissing) {
    FluidSynthOutput::Config config;
    config.soundFonts = {"/nonexistent/FluidR3_GM.sf2"};
    config.audioDrivers.clear();
    FluidSynthOutput synth(config);
    QString error;
    EXPECT_FALSE(synth.open(error));
    EXPECT_TRUE(error.contains("SoundFont")) << error.toStdString();
    EXPECT_TRUE(error.contains("fluid-soundfont-gm")) << error.toStdString();
    EXPECT_EQ(synth.engine(), nullptr);
}

TEST(FluidSynthOutput, AnUnreadableSoundFontGivesFluidSynthsText) {
    QTemporaryFile notAFont;
    ASSERT_TRUE(notAFont.open());
    notAFont.write("RIFF but not a SoundFont");
    notAFont.flush();
    FluidSynthOutput::Config config;
    config.soundFonts = {notAFont.fileName()};
    config.audioDrivers.clear();
    FluidSynthOutput synth(config);
    StderrCapture stderrText;
    QString error;
    EXPECT_FALSE(synth.open(error));
    EXPECT_TRUE(error.contains("音色库")) << error.toStdString();
    EXPECT_EQ(stderrText.finish(), QByteArray());
}

TEST(FluidSynthOutput, NoAudioOutputMeansTheOpenFailsQuietlyWithTheDriversText) {
    FluidSynthOutput::Config config = FluidSynthOutput::systemConfig();
    config.audioDrivers = {"no-such-driver"};
    FluidSynthOutput synth(config);
    StderrCapture stderrText;
    QString error;
    EXPECT_FALSE(synth.open(error));
    EXPECT_EQ(stderrText.finish(), QByteArray());
    EXPECT_TRUE(error.contains("声音输出")) << error.toStdString();
    EXPECT_TRUE(error.contains("no-such-driver")) << error.toStdString();
}

TEST(FluidSynthOutput, TheSystemDriversEitherPlayOrSayWhyWithoutConsoleNoise) {
    FluidSynthOutput synth(FluidSynthOutput::systemConfig());
    StderrCapture stderrText;
    QString error;
    const bool opened = synth.open(error);
    EXPECT_EQ(stderrText.finish(), QByteArray());
    if (opened) {
        ASSERT_NE(synth.engine(), nullptr);
        EXPECT_GT(synth.engine()->configuredLatencyMs(), 0.0);
        EXPECT_LE(synth.engine()->configuredLatencyMs(), 10.0);
    } else {
        EXPECT_TRUE(error.contains("pulseaudio") && error.contains("alsa")) << error.toStdString();
    }
}

TEST(FluidSynthOutput, TheErrorBoxOfAFailedOpenShowsTheSynthesizersText) {
    SystemMidiBackend::Sources sources = SystemMidiBackend::systemSources();
    sources.synthesizer = [] {
        FluidSynthOutput::Config config = FluidSynthOutput::systemConfig();
        config.audioDrivers = {"no-such-driver"};
        return std::make_unique<FluidSynthOutput>(config);
    };
    sources.portNames = [] { return QStringList(); };
    SystemMidiBackend backend(sources);
    RecordingMessageSink messages;
    MMidiOut midi(backend, messages);
    ASSERT_EQ(midi.FillMidiDevices().value(0).id, -1);
    EXPECT_FALSE(midi.OpenMidiOut(-1));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith("内置合成器"))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
}

} // namespace
