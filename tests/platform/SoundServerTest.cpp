// The whole sound path: the built-in synthesizer plays through a PulseAudio server into a null
// sink, and what reaches the sink is recorded and listened to. Skipped where the PulseAudio
// server and its recorder are not installed.
#include "Spectrum.h"
#include "core/MMidiOut.h"
#include "platform/SystemMidiBackend.h"
#include "platform/midi/FluidSynthOutput.h"
#include "support/PrivateSoundServer.h"
#include "support/RecordingMessageSink.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr double kRate = PrivateSoundServer::kRecordingRate;

class SoundServerTest : public testing::Test {
protected:
    void SetUp() override {
        if (!PrivateSoundServer::installed())
            GTEST_SKIP() << "pulseaudio and parec are not installed";
        QString error;
        ASSERT_TRUE(server.start(error)) << error.toStdString();
    }

    PrivateSoundServer server;
};

// Waits until the synthesizer's audio thread rests, as it does once everything has died away.
bool restsWithin(const FluidSynthEngine& engine, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!engine.audioResting() && !deadline.hasExpired())
        QThread::msleep(10);
    return engine.audioResting();
}

// The loudest sample of the stretch [from, from + length).
float peak(const std::vector<float>& samples, std::size_t from, std::size_t length) {
    float loudest = 0.0f;
    for (std::size_t i = from; i < std::min(samples.size(), from + length); ++i)
        loudest = std::max(loudest, std::abs(samples[i]));
    return loudest;
}

// The note is struck while the synthesizer rests, as after a pause in playing: it is heard from
// its onset, its release tail follows the note-off, and then the synthesizer rests again.
TEST_F(SoundServerTest, A4StruckOnTheRestingSynthesizerReachesTheSoundServer) {
    FluidSynthOutput* synth = nullptr;
    SystemMidiBackend::Sources sources = SystemMidiBackend::systemSources();
    sources.synthesizer = [&synth] {
        FluidSynthOutput::Config config = FluidSynthOutput::systemConfig();
        config.audioDrivers = {"pulseaudio"};
        auto output = std::make_unique<FluidSynthOutput>(config);
        synth = output.get();
        return output;
    };
    SystemMidiBackend backend(sources);
    RecordingMessageSink messages;
    MMidiOut midi(backend, messages);
    ASSERT_TRUE(midi.OpenMidiOut(-1)) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(synth->engine()->audioDriver(), QString("pulseaudio"));
    EXPECT_NEAR(synth->engine()->configuredLatencyMs(), 128 / kRate * 1000.0, 0.01);

    midi.SelectInstrument(0, 0, 0);
    // Strike only once the recorder's stream runs: on a busy machine it may take a while to
    // connect.
    ASSERT_TRUE(server.startRecording()) << "the recorder delivered nothing";
    ASSERT_TRUE(restsWithin(*synth->engine(), 10000));
    server.record(200);
    // The recorder's first samples may hold a click of its own: the note is looked for after them.
    const std::size_t struck = server.recordedSamples();
    midi.NoteOn(0, 33, 127, 36);
    server.record(800);
    midi.NoteOff(0, 33, 36);
    // The null sink's monitor hands over what was played up to two seconds late.
    server.record(2500);
    EXPECT_TRUE(restsWithin(*synth->engine(), 10000)) << "the synthesizer kept rendering silence";
    midi.CloseMidiOut();
    const std::vector<float> samples = server.stopRecording();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();

    std::size_t onset = struck;
    while (onset < samples.size() && std::abs(samples[onset]) < 0.01f)
        ++onset;
    constexpr std::size_t kWindow = 8192, kStep = 4096, kWindows = 5;
    const std::size_t start = onset + 2400;
    ASSERT_LT(start + (kWindows - 1) * kStep + kWindow, samples.size())
        << "nothing loud enough was recorded (" << samples.size() << " samples, onset " << onset
        << ")";
    // The trip through the sound server may drop or repeat a few samples when the machine is
    // busy, which smears a single estimate (452 Hz seen once under load): the median of several
    // windows along the note is what it sounds like. The exact pitch is checked on the in-memory
    // render. Within 20 Hz is still closer to A4 than to either neighbouring semitone (415 Hz,
    // 466 Hz).
    std::vector<double> estimates;
    for (std::size_t w = 0; w < kWindows; ++w) {
        const auto from = samples.begin() + long(start + w * kStep);
        estimates.push_back(Spectrum::strongestFrequency(std::vector<float>(from, from + kWindow),
                                                         kRate, 100.0, 4000.0));
    }
    std::vector<double> sorted = estimates;
    std::nth_element(sorted.begin(), sorted.begin() + kWindows / 2, sorted.end());
    EXPECT_NEAR(sorted[kWindows / 2], 440.0, 20.0)
        << "estimates along the note: " << testing::PrintToString(estimates);

    // The attack is whole: the first 50 ms already hold the note's loudest part, not a fade-in
    // from a late start. And the tail rings on after the note-off: more than the 0.8 s held is
    // heard. (A busy machine may delay part of the sound, never drop it: what is heard is counted,
    // not looked for at a fixed time.)
    const auto ms = [](int n) { return std::size_t(n * kRate / 1000); };
    EXPECT_GE(peak(samples, onset, ms(50)), 0.5f * peak(samples, onset, ms(800)));
    const auto heard = std::count_if(samples.begin() + long(onset), samples.end(),
                                     [](float s) { return std::abs(s) > 1e-4f; });
    EXPECT_GT(std::size_t(heard), ms(900)) << "the release tail was cut";
}

} // namespace
