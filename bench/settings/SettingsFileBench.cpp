// How long the shutdown's SaveSettings and the start-up's LoadSettings take with a playing list
// of 10,000 entries and 500 favorites, against the same keys written with one rewrite of the
// file per key, and read with one parse of the file per key, as a profile-file API does.
//   build/bench/settings/bench_settings_file [entries] [favorites] [folder]
#include "BenchClock.h"
#include "app/MainWindowSettings.h"
#include "app/frmMain.h"
#include "core/CIni.h"
#include "core/IniDocument.h"
#include "library/FavoritesStore.h"
#include "library/PlaylistFile.h"
#include "platform/GbkCodec.h"
#include "support/ServiceDoubles.h"
#include "support/RecordingMidiBackend.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

QString entry(int k) {
    return QString("/home/user/乐谱/第%1集/曲目 %2.piano").arg(k / 100).arg(k);
}

void fill(frmMain& main, int entries, int favorites) {
    main.features().playingList.clear();
    main.features().favorites.clear();
    for (int k = 0; k < entries; ++k)
        main.features().playingList.AddListEntry(entry(k), {}, ListPair::DuplicateTest::OnEntries);
    for (int k = 0; k < favorites; ++k)
        main.features().favorites.AddListEntry(entry(k), QString("收藏 %1").arg(k),
                                      ListPair::DuplicateTest::OnDisplayNames);
}

struct Key {
    QString path, section, key, value;
};

// Every key a save writes, in its order, read back from the files the batched save left.
QList<Key> keysOf(const QStringList& paths) {
    QList<Key> keys;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        QString section;
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const QString line = GbkCodec::decode(raw).trimmed();
            if (line.startsWith('['))
                section = line.mid(1, line.size() - 2);
            else if (const qsizetype eq = line.indexOf('='); eq > 0)
                keys.append({path, section, line.left(eq), line.mid(eq + 1)});
        }
    }
    return keys;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int favorites = argc > 2 ? std::max(0, atoi(argv[2])) : 500;
    QTemporaryDir folder(argc > 3 ? QString::fromLocal8Bit(argv[3]) + "/settings-bench-XXXXXX"
                                  : QString());
    QDir(folder.path()).mkpath("INI");
    const AppPaths paths(folder.path(), folder.path());

    RecordingMidiBackend backend;
    ServiceDoubles doubles;
    frmMain main(doubles.services(paths, backend));
    main.load([](const QString&) {});
    ProgramSettings& settings = main.parts().windowSettings->settings();

    std::vector<double> saves, loads;
    for (int run = 0; run < kRuns; ++run) {
        fill(main, entries, favorites);
        saves.push_back(timeMs([&] { settings.SaveSettings(false); }));
        main.features().playingList.clear();
        main.features().favorites.clear();
        loads.push_back(timeMs([&] { settings.LoadSettings(); }));
    }
    if (main.features().playingList.count() != entries || main.features().favorites.count() != favorites) {
        std::fprintf(stderr, "the lists did not come back whole\n");
        return 1;
    }

    const QStringList files{ProgramSettings::settingsPath(paths),
                            PlaylistFile::playingListPath(paths), FavoritesStore::path(paths)};
    const QList<Key> keys = keysOf(files);
    for (const QString& file : files)
        QFile::remove(file);
    const CIni ini;
    const double perKeyWrites = timeMs([&] {
        for (const Key& k : keys)
            ini.WriteIniString_(k.section, k.key, k.value, k.path);
    });
    // One parse per key: measured on a sample spread over the keys, scaled to all of them.
    const int sample = std::min<int>(int(keys.size()), 400);
    const double sampled = timeMs([&] {
        for (int i = 0; i < sample; ++i) {
            const Key& k = keys[qsizetype(i) * keys.size() / sample];
            QFile file(k.path);
            if (file.open(QIODevice::ReadOnly))
                (void)IniDocument::parse(file.readAll()).value(k.section, k.key);
        }
    });
    const double perKeyReads = sampled * double(keys.size()) / sample;

    std::printf("settings file: %d playing-list entries, %d favorites, %lld keys in 3 files\n",
                entries, favorites, static_cast<long long>(keys.size()));
    std::printf("SaveSettings (one rewrite per file)   %9.1f ms  (median of %d)\n", median(saves),
                kRuns);
    std::printf("  same keys, one rewrite per key      %9.1f ms\n", perKeyWrites);
    std::printf("LoadSettings (one parse per file)     %9.1f ms  (median of %d)\n", median(loads),
                kRuns);
    std::printf("  same keys, one parse per key        %9.1f ms  (%d keys timed, scaled)\n",
                perKeyReads, sample);
    std::printf("target: well under 1000 ms for the save\n");
    return median(saves) < 1000 ? 0 : 2;
}
