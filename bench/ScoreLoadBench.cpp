// How long does loading a score of a million rows take, and how much memory does it need?
// Targets: under one second and under 300 MB. Loaded twice: by the playback engine alone, and
// through the main window's wiring with its bars as a first start leaves them (the score bar
// hidden), where everything that follows a load in the window adds to the time.
#include "BenchDoubles.h"
#include "app/frmMain.h"
#include "core/MMidiOut.h"
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "score/PlaybackEngine.h"
#include "platform/SteadyTimeSource.h"
#include "support/ServiceDoubles.h"

#include <QApplication>
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

// The score in a program folder of its own; empty when it cannot be written.
QString writeScore(const QTemporaryDir& dir) {
    QDir(dir.path()).mkdir(QStringLiteral("INI"));
    const QString path = dir.filePath(QStringLiteral("long.piano"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(millionRowScore()) < 0) return {};
    return path;
}

void loadRepeatedly(benchmark::State& state, PlaybackEngine& engine, const QString& path) {
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

void BM_LoadMillionRowScore(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeScore(dir);
    if (path.isEmpty()) return state.SkipWithError("cannot write the score");
    NoteTable notes;
    notes.LoadNoteMap(AppPaths(dir.path(), dir.path()));
    BenchEngine rig(notes);
    loadRepeatedly(state, rig.engine, path);
}
BENCHMARK(BM_LoadMillionRowScore)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadMillionRowScoreInWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeScore(dir);
    if (path.isEmpty()) return state.SkipWithError("cannot write the score");
    SilentMidiBackend backend;
    ServiceDoubles doubles;
    frmMain window(doubles.services(AppPaths(dir.path(), dir.path()), backend));
    window.load([](const QString&) {});
    window.show();
    const MenuItem* scoreBar = window.features().menus.item(MenuEntry::ViewScoreBar);
    if (scoreBar->checked()) return state.SkipWithError("the score bar is shown");
    loadRepeatedly(state, window.features().engine, path);
    window.unload();
}
BENCHMARK(BM_LoadMillionRowScoreInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
