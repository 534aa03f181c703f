// The built-in synthesizer at rest: what the whole program costs with nothing sounding, against
// FluidSynth's own shell (`fluidsynth -si`) idling with the same period settings, both measured
// over the same seconds; and how late the first note after ten seconds of rest sounds, compared
// with a note struck while the synthesizer plays.
//   build/bench/bench_synth_rest [rounds]
// Needs pulseaudio, parec and fluidsynth; everything plays into a private PulseAudio null sink.
#include "app/MStart.h"
#include "app/frmMain.h"
#include "core/CIni.h"
#include "platform/SystemMidiBackend.h"
#include "platform/midi/FluidSynthOutput.h"
#include "settings/ProgramSettings.h"
#include "support/PrivateSoundServer.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingSystemVolume.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kRate = PrivateSoundServer::kRecordingRate;
const FluidSynthEngine::Options kEngine;

// The program, started in `folder`: once shown it strikes one note, so that the synthesizer has
// played something before it rests.
int programRun(const QString& folder, int argc, char** argv) {
    QApplication app(argc, argv);
    RecordingMessageSink messages;
    RecordingSystemVolume volume;
    RecordingDesktopIntegration desktop;
    return MStart::run({"tonvale"}, {AppPaths(folder, folder), &messages, nullptr, nullptr,
                                     [](frmMain& main) {
                                         main.features().sound.midi().NoteOn(0, 33, 100, 36);
                                         QTimer::singleShot(300, &main, [&main] {
                                             main.features().sound.midi().NoteOff(0, 33, 36);
                                             std::puts("shown");
                                             std::fflush(stdout);
                                         });
                                     },
                                     &volume, &desktop});
}

// CPU time a process has used so far, in seconds (all its threads).
double cpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0.0;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which may hold blanks, start past its closing bracket.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) /
           double(sysconf(_SC_CLK_TCK));
}

// The machine's load over the last minute: other work on the cores shows in every figure.
QByteArray loadAverage() {
    QFile file("/proc/loadavg");
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0) : "unknown";
}

bool waitForLine(QProcess& process, const QByteArray& line, int ms) {
    const QDeadlineTimer deadline(ms);
    QByteArray seen;
    while (!deadline.hasExpired() && !seen.contains(line))
        if (process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            seen += process.readAllStandardOutput();
    return seen.contains(line);
}

void measureRest(PrivateSoundServer& server, const QString& self, int rounds) {
    QTemporaryDir folder;
    // Not a first start (which plays the sample score): a settings file naming the synthesizer.
    QDir(folder.path()).mkdir("INI");
    CIni().WriteIniString_(QStringLiteral("下拉框"), QStringLiteral("ComDevies.ListIndex"),
                           QStringLiteral("0"),
                           ProgramSettings::settingsPath(AppPaths(folder.path(), folder.path())));
    QProcessEnvironment env = server.environment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", folder.filePath("share"));
    QProcess program, shell;
    program.setProcessEnvironment(env);
    shell.setProcessEnvironment(env);
    shell.setProcessChannelMode(QProcess::MergedChannels);
    program.start(self, {"--program", folder.path()});
    if (!waitForLine(program, "shown", 60000)) {
        std::puts("the program did not start");
        return;
    }
    const QString soundFont = FluidSynthOutput::systemConfig().soundFonts.value(0);
    shell.start("fluidsynth",
                {"-si", "-a", "pulseaudio", "-z", QString::number(kEngine.periodSize), "-c",
                 QString::number(kEngine.periods), "-r", QString::number(kEngine.sampleRate), "-g",
                 QString::number(kEngine.gain), "-o", "synth.dynamic-sample-loading=1", "-o",
                 QStringLiteral("shell.port=%1").arg(20000 + getpid() % 20000), soundFont});
    if (!shell.waitForStarted()) {
        std::puts("fluidsynth is not installed (Debian package fluidsynth)");
        return;
    }
    QThread::sleep(5); // both settle: the SoundFont loaded, the program's last note died away
    std::printf("CPU at rest, %% of one core (%d-frame periods, %d periods, %.0f Hz, PulseAudio; "
                "load average %s):\n",
                kEngine.periodSize, kEngine.periods, kEngine.sampleRate, loadAverage().constData());
    std::printf("  %-8s %10s %16s %12s\n", "seconds", "program", "fluidsynth -si", "pulseaudio");
    constexpr int kSeconds = 3;
    double programTotal = 0, shellTotal = 0;
    for (int round = 0; round < rounds; ++round) {
        const double p0 = cpuSeconds(program.processId()), s0 = cpuSeconds(shell.processId()),
                     a0 = cpuSeconds(server.serverPid());
        QThread::sleep(kSeconds);
        const double p = cpuSeconds(program.processId()) - p0,
                     s = cpuSeconds(shell.processId()) - s0,
                     a = cpuSeconds(server.serverPid()) - a0;
        programTotal += p;
        shellTotal += s;
        std::printf("  %-8d %9.1f%% %15.1f%% %11.1f%%\n", kSeconds, 100.0 * p / kSeconds,
                    100.0 * s / kSeconds, 100.0 * a / kSeconds);
    }
    const double seconds = double(rounds * kSeconds);
    std::printf("  overall: program %.2f%%, fluidsynth -si %.2f%% (goal: at most a fifth of it, "
                "%.2f%%)\n\n",
                100.0 * programTotal / seconds, 100.0 * shellTotal / seconds,
                20.0 * shellTotal / seconds);
    for (QProcess* process : {&program, &shell}) {
        process->terminate();
        if (!process->waitForFinished(5000)) process->kill();
    }
}

// Where the recording first rises above a clear note level at or after `from`.
std::size_t onsetFrom(const std::vector<float>& samples, std::size_t from) {
    while (from < samples.size() && std::abs(samples[from]) < 0.01f)
        ++from;
    return from;
}

// Strikes A4 while the synthesizer plays and after ten seconds of rest, in turn, and finds every
// strike in the recording where its send time puts it, the first strike anchoring the recording's
// start. Every wake of the synthesizer (the held silent note before a strike while playing, the
// strike itself after a rest) shifts the recording of the null sink's monitor by a few
// milliseconds on its own, so each step from one strike to the next crosses exactly one wake:
// half the difference between the steps into a rested strike and the steps out of one is what
// the rest adds to the first note.
void measureFirstNote(PrivateSoundServer& server, int rounds) {
    using Clock = std::chrono::steady_clock;
    FluidSynthOutput::Config config = FluidSynthOutput::systemConfig();
    config.audioDrivers = {"pulseaudio"};
    FluidSynthOutput synth(config);
    QString error;
    if (!synth.open(error) || !server.startRecording()) {
        std::printf("no sound path: %s\n", qPrintable(error));
        return;
    }
    FluidSynthEngine& engine = *synth.engine();
    const auto send = [&](int status, int data1, int data2) {
        synth.send(std::uint32_t(status | data1 << 8 | data2 << 16), error);
    };
    struct Strike {
        Clock::time_point sent;
        bool afterRest;
        double toRenderMs; // until the audio thread begins the period that sounds the note
    };
    std::vector<Strike> strikes;
    // The recorder's first samples may hold a click of its own: the first strike comes after them.
    const std::size_t firstStruck = server.recordedSamples();
    const auto strike = [&](bool afterRest) {
        const unsigned long periods = engine.audioPeriodsBegun();
        const Clock::time_point sent = Clock::now();
        send(0x90, 69, 127);
        while (engine.audioPeriodsBegun() == periods)
            std::this_thread::yield();
        strikes.push_back({sent, afterRest,
                           std::chrono::duration<double, std::milli>(Clock::now() - sent).count()});
        server.record(300);
        send(0x80, 69, 0);
    };
    // An organ held at volume 0 on channel 1 keeps the synthesizer playing without being heard.
    send(0xB1, 7, 0);
    send(0xC1, 19, 0);
    for (int round = 0; round < rounds; ++round) {
        send(0x91, 60, 100);
        server.record(300);
        strike(false);
        send(0x81, 60, 0);
        while (!engine.audioResting())
            server.record(20);
        server.record(10000);
        strike(true);
        server.record(3000);
    }
    // The null sink's monitor hands over what was played up to two seconds late.
    server.record(2500);
    const std::vector<float> samples = server.stopRecording();
    const std::size_t anchor = onsetFrom(samples, firstStruck);
    std::printf("First note after 10 s of rest against a note struck while playing "
                "(configured stream latency %.2f ms; load average %s):\n",
                engine.configuredLatencyMs(), loadAverage().constData());
    std::vector<double> late, intoRest, outOfRest;
    for (const Strike& s : strikes) {
        const double due = double(anchor) +
                           std::chrono::duration<double>(s.sent - strikes[0].sent).count() * kRate;
        const std::size_t heard =
            onsetFrom(samples, std::size_t(std::max(0.0, due - 0.15 * kRate)));
        if (heard >= samples.size()) {
            std::puts("  a note was not heard");
            return;
        }
        late.push_back(1000.0 * (double(heard) - due) / kRate);
        std::printf("  %-14s rendering began %5.2f ms after the note-on; heard %+7.2f ms against "
                    "the first strike\n",
                    s.afterRest ? "after rest" : "while playing", s.toRenderMs, late.back());
        if (late.size() > 1)
            (s.afterRest ? intoRest : outOfRest).push_back(late.back() - late[late.size() - 2]);
    }
    const auto mean = [](const std::vector<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    };
    std::vector<double> renderPlaying, renderRested;
    for (const Strike& s : strikes)
        (s.afterRest ? renderRested : renderPlaying).push_back(s.toRenderMs);
    std::printf("  rendering of the note began after %.2f ms while playing (up to one period, "
                "%.2f ms), %.2f ms after a rest\n",
                mean(renderPlaying), 1000.0 * kEngine.periodSize / kEngine.sampleRate,
                mean(renderRested));
    std::printf("  the first note after a rest comes %+.2f ms later than one struck while playing "
                "(steps into a rest %+.2f ms, out of one %+.2f ms; budget: within the stream's "
                "6 ms)\n",
                (mean(intoRest) - mean(outOfRest)) / 2.0, mean(intoRest), mean(outOfRest));
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--program")
        return programRun(QString::fromLocal8Bit(argv[2]), argc, argv);
    QCoreApplication app(argc, argv);
    const int rounds = argc >= 2 ? std::max(1, atoi(argv[1])) : 4;
    if (!PrivateSoundServer::installed()) {
        std::puts("pulseaudio and parec are needed (Debian packages pulseaudio, pulseaudio-utils)");
        return 1;
    }
    PrivateSoundServer server;
    QString error;
    if (!server.start(error)) {
        std::printf("no sound server: %s\n", qPrintable(error));
        return 1;
    }
    measureRest(server, QCoreApplication::applicationFilePath(), rounds);
    measureFirstNote(server, rounds);
    return 0;
}
