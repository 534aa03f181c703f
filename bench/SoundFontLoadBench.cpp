// How long loading the General MIDI SoundFont holds the window back, and what it costs in
// memory, with samples loaded on demand and (the reference) with every sample loaded at once.
// Each figure is taken in a fresh child process, so that one load's memory cannot hide another's.
#include "platform/midi/FluidSynthEngine.h"
#include "platform/midi/SoundFontLocator.h"

#include <QFile>
#include <chrono>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Figures {
    double loadMs = 0.0;
    double residentMb = 0.0; // growth of the resident set over the load and the first program
    bool ok = false;
};

double residentMb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0.0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0.0;
}

Figures measure(const QString& soundFont, bool onDemand) {
    Figures figures;
    const double before = residentMb();
    const auto start = std::chrono::steady_clock::now();
    FluidSynthEngine::Options options;
    options.dynamicSampleLoading = onDemand;
    QString error;
    const std::unique_ptr<FluidSynthEngine> engine = FluidSynthEngine::create(options, error);
    if (!engine || !engine->loadSoundFont(soundFont, error)) return figures;
    engine->send(0x0000C0); // the piano the program starts with
    figures.loadMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    figures.residentMb = residentMb() - before;
    figures.ok = true;
    return figures;
}

Figures measureInChild(const QString& soundFont, bool onDemand) {
    int channel[2];
    if (pipe(channel) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const Figures figures = measure(soundFont, onDemand);
        const ssize_t written = write(channel[1], &figures, sizeof figures);
        _exit(written == sizeof figures ? 0 : 1);
    }
    close(channel[1]);
    Figures figures;
    if (read(channel[0], &figures, sizeof figures) != sizeof figures) figures = {};
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return figures;
}

} // namespace

int main() {
    const QString soundFont = SoundFontLocator::firstReadable(
        SoundFontLocator::candidates(SoundFontLocator::systemFolders()));
    if (soundFont.isEmpty()) {
        std::puts("no General MIDI SoundFont installed");
        return 1;
    }
    constexpr int kRuns = 5;
    std::printf("SoundFont %s, best of %d runs each\n", qPrintable(soundFont), kRuns);
    std::printf("%-28s %10s %12s\n", "", "load ms", "resident MB");
    for (const bool onDemand : {true, false}) {
        Figures best;
        for (int run = 0; run < kRuns; ++run) {
            const Figures f = measureInChild(soundFont, onDemand);
            if (f.ok && (!best.ok || f.loadMs < best.loadMs)) best = f;
        }
        std::printf("%-28s %10.1f %12.1f\n",
                    onDemand ? "samples on demand" : "all samples (reference)", best.loadMs,
                    best.residentMb);
    }
    return 0;
}
