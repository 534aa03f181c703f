// How long the playing list takes with 10,000 entries as the user meets it: added into the list
// bar while both lists are shown, saved at exit and loaded at the next start; and how long the
// tooltip of one entry takes when its score is 50 MB. The reference for the tooltip, which is
// built on every pause of the pointer, is one frame of the screen (16.7 ms); saving and loading
// the same list without any view are timed by bench_list_files.
#include "core/MainMenus.h"
#include "library/FileOpener.h"
#include "library/ListBar.h"
#include "library/ListBox.h"
#include "library/PlaylistFile.h"
#include "score/ScoreInfo.h"
#include "BenchDoubles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 10000;
constexpr qint64 kScoreBytes = 50LL * 1024 * 1024;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QStringList entries() {
    QStringList out;
    for (int k = 0; k < kEntries; ++k)
        out << QStringLiteral("/home/user/乐谱/第%1集/曲目 %2.piano").arg(k / 100).arg(k);
    return out;
}

// The list bar of the main window, shown, over a playing list and an opener on a silent engine.
struct ShownListBar {
    ShownListBar() : engine(notes) {
        QDir(folder().path()).mkpath(QStringLiteral("INI"));
        host.resize(900, 160);
        host.show();
        QCoreApplication::processEvents();
    }
    NoteTable notes;
    BenchEngine engine;
    ListPair playing, favorites;
    RecentFiles recent;
    ProgramOptions options;
    MainMenus menus;
    FileOpener opener{engine.engine, playing, recent, options, engine.messages};
    AppPaths paths{folder().path(), folder().path() + QLatin1Char('/')};
    QString listFile = PlaylistFile::playingListPath(paths);
    QWidget host;
    ListBar bar{playing, favorites, menus, nullptr, engine.messages, &host};
};

void AddToTheShownList(benchmark::State& state) {
    const QStringList list = entries();
    ShownListBar shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.playing.clear();
        state.ResumeTiming();
        for (const QString& e : list)
            shown.playing.AddListEntry(e, QString(), ListPair::DuplicateTest::OnEntries);
        QCoreApplication::processEvents(); // the view lays out and paints
    }
}

void SaveAtExit(benchmark::State& state) {
    ShownListBar shown;
    for (const QString& e : entries()) shown.playing.AddListEntry(e, QString(), ListPair::DuplicateTest::OnEntries);
    for (auto _ : state) benchmark::DoNotOptimize(PlaylistFile::save(shown.listFile, shown.playing.entries()));
}

void LoadAtStart(benchmark::State& state) {
    ShownListBar shown;
    for (const QString& e : entries()) shown.playing.AddListEntry(e, QString(), ListPair::DuplicateTest::OnEntries);
    PlaylistFile::save(shown.listFile, shown.playing.entries());
    for (auto _ : state) {
        state.PauseTiming();
        shown.playing.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        PlaylistFile::appendTo(shown.listFile, shown.playing);
        QCoreApplication::processEvents();
    }
    state.counters["entries"] = shown.playing.count();
}

QString fiftyMegabyteScore() {
    const QString path = folder().filePath(QStringLiteral("长曲.piano"));
    if (QFileInfo(path).size() >= kScoreBytes) return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("%0\r\n!C\r\n?4/4\r\n$100\r\n");
    const QByteArray block = QByteArray("3+8\r\n5+8\r\n6+4\r\n1.+8\r\n").repeated(4096);
    while (file.size() < kScoreBytes) file.write(block);
    return path;
}

void TooltipOfAFiftyMegabyteScore(benchmark::State& state) {
    const QString path = fiftyMegabyteScore();
    if (path.isEmpty()) return state.SkipWithError("cannot write the score");
    const QStringList names(128, QStringLiteral("钢琴"));
    for (auto _ : state) {
        QString title;
        benchmark::DoNotOptimize(GetScoreInfo(path + QStringLiteral(" *100"), names, title));
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}

BENCHMARK(AddToTheShownList)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SaveAtExit)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK(TooltipOfAFiftyMegabyteScore)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("reference for the tooltip: one screen frame, 16.7 ms\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
