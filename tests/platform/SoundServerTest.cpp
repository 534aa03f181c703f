// The whole sound path: the built-in synthesizer plays through a PulseAudio server into a null
// sink, and what reaches the sink is recorded and listened to. Skipped where the PulseAudio
// server and its recorder are not installed.
#include "Spectrum.h"
#include "core/MMidiOut.h"
#include "platform/SystemMidiBackend.h"
#include "platform/midi/FluidSynthOutput.h"
#include "support/RecordingMessageSink.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr double kRate = 48000.0;

class SoundServerTest : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
            QStandardPaths::findExecutable("parec").isEmpty())
            GTEST_SKIP() << "pulseaudio and parec are not installed";
        ASSERT_TRUE(runtime.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("HOME", runtime.path());
        server.setProcessEnvironment(env);
        recorder.setProcessEnvironment(env);
        server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                    "--load=module-null-sink sink_name=capture",
                                    "--load=module-native-protocol-unix"});
        ASSERT_TRUE(server.waitForStarted());
        const QString socket = runtime.filePath("pulse/native");
        const QDeadlineTimer deadline(10000);
        while (!QFileInfo::exists(socket) && !deadline.hasExpired())
            QThread::msleep(20);
        ASSERT_TRUE(QFileInfo::exists(socket)) << "the server did not come up";
        if (qEnvironmentVariableIsSet("PULSE_SERVER")) previousServer = qgetenv("PULSE_SERVER");
        serverChosen = true;
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    }
    void TearDown() override {
        for (QProcess* process : {&recorder, &server}) {
            process->kill();
            process->waitForFinished();
        }
        if (!serverChosen) return;
        if (previousServer)
            qputenv("PULSE_SERVER", *previousServer);
        else
            qunsetenv("PULSE_SERVER");
    }
    // Keeps reading what the sink plays for `ms` milliseconds.
    void record(int ms) {
        const QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            recorder.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
            recorded += recorder.readAllStandardOutput();
        }
    }

    QTemporaryDir runtime;
    QProcess server, recorder;
    QByteArray recorded;
    bool serverChosen = false;
    std::optional<QByteArray> previousServer;
};

TEST_F(SoundServerTest, A4StruckOnTheBuiltInSynthesizerReachesTheSoundServer) {
    recorder.start("parec", {"-d", "capture.monitor", "--format=float32le", "--rate=48000",
                             "--channels=1", "--latency-msec=50"});
    ASSERT_TRUE(recorder.waitForStarted());

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
    // Strike only once the recorder's stream runs: on a busy machine it may take a while to connect.
    const QDeadlineTimer streamLive(10000);
    while (recorded.isEmpty() && !streamLive.hasExpired())
        record(100);
    ASSERT_FALSE(recorded.isEmpty()) << "the recorder delivered nothing";
    record(200);
    midi.NoteOn(0, 33, 127, 36);
    record(800);
    midi.NoteOff(0, 33, 36);
    // The null sink's monitor hands over what was played up to two seconds late.
    record(2500);
    midi.CloseMidiOut();
    recorder.terminate();
    recorder.waitForFinished();
    recorded += recorder.readAllStandardOutput();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();

    std::vector<float> samples(std::size_t(recorded.size()) / sizeof(float));
    for (std::size_t i = 0; i < samples.size(); ++i)
        std::memcpy(&samples[i], recorded.constData() + i * sizeof(float), sizeof(float));
    std::size_t onset = 0;
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
}

} // namespace
