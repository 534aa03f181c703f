// How long saving and loading long lists takes: a playing list and favorites of 10,000 entries,
// against writing and reading the same bytes with no INI handling at all.
#include "platform/AtomicFile.h"
#include "library/FavoritesStore.h"
#include "library/ListPair.h"
#include "library/PlaylistFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using Dup = ListPair::DuplicateTest;

QStringList entries(int n) {
    QStringList out;
    out.reserve(n);
    for (int k = 0; k < n; ++k)
        out << QString("/home/user/乐谱/第%1集/曲目 %2.piano").arg(k / 100).arg(k);
    return out;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Rewrites the file unchanged under a new inode, so the next read parses it afresh as at start.
void freshCopy(const QString& path) {
    AtomicFile::write(path, readAll(path));
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

void AddEntries(benchmark::State& state) {
    const QStringList list = entries(int(state.range(0)));
    for (auto _ : state) {
        ListPair pair;
        for (const QString& e : list)
            pair.AddListEntry(e, QString(), Dup::OnEntries);
        benchmark::DoNotOptimize(pair.count());
    }
}

void SavePlayingList(benchmark::State& state) {
    const QStringList list = entries(int(state.range(0)));
    const QString path = folder().filePath("播放列表.Qor");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize(PlaylistFile::save(path, list));
    }
    state.counters["bytes"] = double(QFile(path).size());
}

void LoadPlayingList(benchmark::State& state) {
    const QString path = folder().filePath("载入.Qor");
    PlaylistFile::save(path, entries(int(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(path);
        ListPair pair;
        state.ResumeTiming();
        PlaylistFile::appendTo(path, pair);
        benchmark::DoNotOptimize(pair.count());
    }
}

void LoadClaimingTwoBillion(benchmark::State& state) {
    const QString path = folder().filePath("二十亿.Qor");
    PlaylistFile::save(path, entries(int(state.range(0))));
    QByteArray bytes = readAll(path);
    bytes.replace(QByteArray("=") + QByteArray::number(state.range(0)) + "\r\n", "=2000000000\r\n");
    AtomicFile::write(path, bytes);
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(path);
        ListPair pair;
        state.ResumeTiming();
        PlaylistFile::appendTo(path, pair);
        benchmark::DoNotOptimize(pair.count());
    }
}

ListPair& favorites(int n) {
    static ListPair pair;
    if (pair.count() != n) {
        pair.clear();
        int k = 0;
        for (const QString& e : entries(n))
            pair.AddListEntry(e, QString("收藏 %1").arg(k++), Dup::OnDisplayNames);
    }
    return pair;
}

void SaveFavorites(benchmark::State& state) {
    const ListPair& pair = favorites(int(state.range(0)));
    const QString path = folder().filePath("收藏夹.Long");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize(FavoritesStore::save(path, pair));
    }
}

void LoadFavorites(benchmark::State& state) {
    const QString path = folder().filePath("载入.Long");
    FavoritesStore::save(path, favorites(int(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        freshCopy(path);
        ListPair pair;
        state.ResumeTiming();
        FavoritesStore::appendTo(path, pair);
        benchmark::DoNotOptimize(pair.count());
    }
}

// The floor: the same bytes written atomically and read back, with no INI handling.
void ReferenceWriteSameBytes(benchmark::State& state) {
    const QString source = folder().filePath("参照.Qor");
    PlaylistFile::save(source, entries(int(state.range(0))));
    const QByteArray bytes = readAll(source);
    const QString path = folder().filePath("参照写.Qor");
    for (auto _ : state)
        benchmark::DoNotOptimize(AtomicFile::write(path, bytes));
}

void ReferenceReadSameBytes(benchmark::State& state) {
    const QString path = folder().filePath("参照读.Qor");
    PlaylistFile::save(path, entries(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(path).size());
}

constexpr int kEntries = 10000;
BENCHMARK(AddEntries)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(SavePlayingList)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadPlayingList)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadClaimingTwoBillion)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveFavorites)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFavorites)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(ReferenceWriteSameBytes)->Arg(kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(ReferenceReadSameBytes)->Arg(kEntries)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
