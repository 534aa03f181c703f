// How fast a folder scan walks a generated tree, against find(1) over the same tree in the same
// run, and how long the scan ever holds the event loop.
//
//   bench_folder_scan [files] [parent folder]
//
// files: how many files to generate (default 100000, half of them scores); the tree is built in a
// temporary folder inside the parent folder (default: the system's temporary folder) and removed
// afterwards.
#include "core/StatusLine.h"
#include "library/CScanFiles.h"
#include "library/FolderScanCommands.h"
#include "library/ListPair.h"
#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFilesPerFolder = 100;
constexpr int kFoldersPerGroup = 50;

// groups of kFoldersPerGroup folders, each holding kFilesPerFolder files
qint64 buildTree(const QString& root, int files) {
    qint64 made = 0;
    for (int folder = 0; made < files; ++folder) {
        const QString path =
            QString("%1/g%2/f%3").arg(root).arg(folder / kFoldersPerGroup).arg(folder);
        QDir().mkpath(path);
        for (int k = 0; k < kFilesPerFolder && made < files; ++k, ++made) {
            const QString name = QString("%1/%2%3").arg(path).arg(k).arg(k % 2 ? ".txt" : ".piano");
            const int fd = ::open(QFile::encodeName(name).constData(), O_CREAT | O_WRONLY, 0644);
            if (fd >= 0) {
                (void)::write(fd, "1", 1);
                ::close(fd);
            }
        }
    }
    return made;
}

double secondsOfFind(const QString& root) {
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    find.start("find", {root, "-iname", "*.piano"});
    find.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e9;
}

// The folder browser is never asked: the command scans a dropped folder.
class NoDialogs : public FileDialogs {
public:
    QString getSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString getExistingDirectory(const QString&, const QString&) override { return {}; }
    QStringList getOpenFileNames(const QString&, const QString&, bool) override { return {}; }
};

enum class Through { Events, ListPair, Command };

struct ScanFigures {
    double seconds = 0;
    qint64 found = 0;
    double longestHoldMs = 0;
    int turns = 0;
};

// Runs one scan in the event loop; a 1 ms probe timer measures the longest gap between two of its
// ticks, which is the longest time anything else had to wait for the loop.
ScanFigures scan(const QString& root, Through through) {
    CScanFiles scanner;
    ListPair list;
    ListPair favorites;
    NoDialogs dialogs;
    StatusLine status;
    std::optional<FolderScanCommands> commands;
    if (through == Through::Command) {
        commands.emplace(scanner, list, favorites, dialogs, root);
        commands->setStatusLine(&status);
    }
    ScanFigures figures;
    const qint64 before = scanner.FileCount();
    if (through == Through::ListPair)
        QObject::connect(&scanner, &CScanFiles::FileMatch2, [&](const QString& path) {
            list.AddListEntry(path, QString(), ListPair::DuplicateTest::OnEntries);
        });
    QEventLoop loop;
    QObject::connect(&scanner, &CScanFiles::ScanFinished, &loop, &QEventLoop::quit);
    QElapsedTimer sinceTick;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        figures.longestHoldMs = std::max(figures.longestHoldMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
        ++figures.turns;
    });
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    probe.start(1);
    if (commands)
        commands->scanDroppedFolder(root);
    else
        scanner.StartScan2(root, true, "*.PIANO", false);
    loop.exec();
    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.found = scanner.FileCount() - before;
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int files = args.size() > 1 ? std::max(1, args[1].toInt()) : 100000;
    const QString parent = args.size() > 2 ? args[2] : QDir::tempPath();
    QTemporaryDir temporary(parent + "/tonvale-scan-bench-XXXXXX");
    if (!temporary.isValid()) {
        std::fprintf(stderr, "cannot create a folder in %s\n", qPrintable(parent));
        return 1;
    }
    const QString root = temporary.path();

    QElapsedTimer clock;
    clock.start();
    const qint64 made = buildTree(root, files);
    std::printf("tree: %lld files (%lld scores) in %s, built in %.1f s\n", (long long)made,
                (long long)(made + 1) / 2, qPrintable(root), clock.elapsed() / 1000.0);

    secondsOfFind(root); // warms the caches for both contenders
    const double find = secondsOfFind(root);
    const ScanFigures raw = scan(root, Through::Events);
    const ScanFigures listed = scan(root, Through::ListPair);
    const ScanFigures command = scan(root, Through::Command);
    const double findRate = made / find;
    std::printf("find -iname '*.piano':        %8.3f s  %10.0f files/s\n", find, findRate);
    std::printf("CScanFiles, events only:      %8.3f s  %10.0f files/s  (%.2f of find)  longest "
                "gap %.1f ms  %lld found\n",
                raw.seconds, made / raw.seconds, made / raw.seconds / findRate, raw.longestHoldMs,
                (long long)raw.found);
    std::printf("one by one into a list pair: %8.3f s  %10.0f files/s  (%.2f of find)  longest "
                "gap %.1f ms  %lld found\n",
                listed.seconds, made / listed.seconds, made / listed.seconds / findRate,
                listed.longestHoldMs, (long long)listed.found);
    std::printf("adding the folder (command):  %8.3f s  %10.0f files/s  (%.2f of find)  longest "
                "gap %.1f ms  %lld found\n",
                command.seconds, made / command.seconds, made / command.seconds / findRate,
                command.longestHoldMs, (long long)command.found);
    std::printf("targets: at least 0.50 of find; no gap between 1 ms probe ticks over 50 ms\n");
    return 0;
}
