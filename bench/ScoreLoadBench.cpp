// How long does loading a score of a million rows take, and how much memory does it need?
// Targets: under one second and under 300 MB.
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
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int kRows = 1'000'000;

// A score that looks like a long hand-written one: header rows, captions, comments, rests, blank
// rows and notes of every length, black keys included.
QByteArray millionRowScore() {
    static const char* const kCycle[] = {"3+8",        "5+8",          "6+4",  "1.+8",
                                         "b3 / #2+16", "2+2",          ".6+4", "0+4",
                                         "",           "#第一段 歌词", "5",    "' comment"};
    QByteArray bytes = "%0\r\n!C\r\n?4/4\r\n$100\r\n";
    for (int i = 4; i < kRows - 1; ++i)
        bytes += QByteArray(kCycle[i % 12]) + "\r\n";
    return bytes;
}

long peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void BM_LoadMillionRowScore(benchmark::State& state) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("INI"));
    const AppPaths paths(dir.path(), dir.path());
    NoteTable notes;
    notes.LoadNoteMap(paths);
    const QString path = dir.filePath(QStringLiteral("long.piano"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the score");
        file.write(millionRowScore());
    }
    BenchEngine rig(notes);
    PlaybackEngine& engine = rig.engine;

    const long before = peakResidentMegabytes();
    qint32 rows = 0;
    for (auto _ : state) {
        rows = engine.LoadScore(path, true);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    state.counters["peak_MB"] = double(peakResidentMegabytes());
    state.counters["peak_before_MB"] = double(before);
    state.counters["target_ms"] = 1000;
    state.counters["target_MB"] = 300;
}
BENCHMARK(BM_LoadMillionRowScore)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
