// How exactly do the ticks of a playing score fall on their grid? The engine's ticks (absolute
// grid on the steady clock) against a naive single-shot QTimer restarted in every tick, over the
// same number of ticks in the same run. Targets: 99th percentile under 1 ms, drift under 1 ms.
//   timing_bench [seconds]   (default 20 s per timer; 600 for the ten-minute drift figure)
#include "BenchDoubles.h"
#include "core/MMidiOut.h"
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "score/PlaybackEngine.h"
#include "platform/SteadyTimeSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kIntervalMs = 20; // tempo 750, beat unit 4, largest code 16

struct Figures {
    double median, p99, max, drift;
};

double medianOf(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Drift: how much later the last tenth of the ticks come than the first tenth (medians, so that
// a single stall does not count as drift).
Figures figuresOf(std::vector<double> errorsMs) {
    const auto tenth = std::ptrdiff_t(errorsMs.size() / 10);
    const double drift = medianOf({errorsMs.end() - tenth, errorsMs.end()}) -
                         medianOf({errorsMs.begin(), errorsMs.begin() + tenth});
    for (double& e : errorsMs)
        e = std::abs(e);
    std::sort(errorsMs.begin(), errorsMs.end());
    const auto at = [&](double q) {
        return errorsMs[std::min(errorsMs.size() - 1, size_t(q * errorsMs.size()))];
    };
    return {at(0.5), at(0.99), errorsMs.back(), drift};
}

void print(const char* name, const Figures& f, size_t ticks) {
    std::printf("%-22s ticks %6zu  median %7.3f ms  p99 %7.3f ms  max %8.3f ms  drift %9.3f ms\n",
                name, ticks, f.median, f.p99, f.max, f.drift);
}

// The engine playing silent rows, one per tick; onsets are the strikes.
std::vector<double> engineOnsets(int ticks) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("INI"));
    NoteTable notes;
    notes.LoadNoteMap(AppPaths(dir.path(), dir.path()));
    QByteArray score = "$750\r\n?4/4+16\r\n";
    for (int i = 0; i < ticks + 1; ++i)
        score += "1\r\n"; // one tick each, no hold
    const QString path = dir.filePath(QStringLiteral("grid.piano"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(score);
    file.close();

    BenchEngine rig(notes);
    PlaybackEngine& engine = rig.engine;
    CountingKeyboard& keyboard = rig.keyboard;
    SteadyTimeSource& time = rig.time;
    std::vector<double> errors;
    std::chrono::nanoseconds start{0};
    // Row 1 is the metre; the strike of row 2 + n falls due at start + (2 + n) intervals.
    keyboard.onStrike = [&](int) {
        const double due = double(
            (start + (2 + long(errors.size())) * std::chrono::milliseconds(kIntervalMs)).count());
        errors.push_back((double(time.now().count()) - due) / 1e6);
        if (int(errors.size()) == ticks) QCoreApplication::quit();
    };
    QObject::connect(&engine, &PlaybackEngine::playRequested, [&] {
        start = time.now();
        engine.Play();
    });
    engine.LoadScore(path, true);
    QCoreApplication::exec();
    engine.Stop();
    return errors;
}

// A single-shot timer restarted at every firing: each tick waits one interval after the last.
std::vector<double> naiveOnsets(int ticks) {
    SteadyTimeSource time;
    std::vector<double> errors;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    const auto start = time.now();
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const double due = double(
            (start + (1 + long(errors.size())) * std::chrono::milliseconds(kIntervalMs)).count());
        errors.push_back((double(time.now().count()) - due) / 1e6);
        if (int(errors.size()) == ticks) return QCoreApplication::quit();
        timer.start(kIntervalMs);
    });
    timer.start(kIntervalMs);
    QCoreApplication::exec();
    return errors;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int ticks = std::max(1000, seconds * 1000 / kIntervalMs);
    std::printf("interval %d ms, %d ticks (%.0f s) per timer; target: p99 < 1 ms, drift < 1 ms\n",
                kIntervalMs, ticks, ticks * kIntervalMs / 1000.0);
    const std::vector<double> grid = engineOnsets(ticks);
    if (grid.empty()) return 1;
    print("engine (grid)", figuresOf(grid), grid.size());
    const std::vector<double> naive = naiveOnsets(ticks);
    print("naive restarted QTimer", figuresOf(naive), naive.size());
    return 0;
}
