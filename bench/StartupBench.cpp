// How long from process start until the main window is shown, on a first start (empty program
// folder) and on later starts, against the floor: a bare Qt program showing an empty window.
//   build/bench/startup_bench [runs]
// Run it with a sound server (PipeWire or PulseAudio) for the figure a desktop user sees.
#include "app/MStart.h"
#include "app/frmMain.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingSystemVolume.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

int childRun(const QString& mode, const QString& folder, int argc, char** argv) {
    QApplication app(argc, argv);
    auto shown = [] {
        std::puts("shown");
        std::fflush(stdout);
        QApplication::quit();
    };
    if (mode == "--bare") {
        QWidget window;
        window.show();
        QTimer::singleShot(0, shown);
        return QApplication::exec();
    }
    // Message boxes (no sound output on the machine, say) would wait for a click: count them instead.
    RecordingMessageSink messages;
    // The user's own volume and file types stay as they are.
    RecordingSystemVolume volume;
    RecordingDesktopIntegration desktop;
    const int result = MStart::run({"tonvale"}, {AppPaths(folder, folder), &messages, nullptr, nullptr,
                                                 [&](frmMain&) { shown(); }, &volume, &desktop});
    if (!messages.shown.isEmpty()) std::fprintf(stderr, "%lld message boxes\n", static_cast<long long>(messages.shown.size()));
    return result;
}

double timeOneStart(const QString& mode, const QString& folder) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode, folder});
    while (child.waitForReadyRead(10000))
        if (child.readAllStandardOutput().contains("shown")) break;
    const double ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(10000);
    return ms;
}

bool dropPageCache() {
    ::sync();
    QFile drop("/proc/sys/vm/drop_caches");
    return drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2;
}

void report(const char* what, QList<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.1f ms   min %7.1f ms   (%lld runs)\n", what, ms[ms.size() / 2], ms.first(),
                static_cast<long long>(ms.size()));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc >= 3) return childRun(argv[1], QString::fromLocal8Bit(argv[2]), argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 7;

    QList<double> bare, first, cold, warm;
    QTemporaryDir folder;
    bool cacheDropped = false;
    for (int i = 0; i < runs; ++i) {
        bare << timeOneStart("--bare", folder.path());
        QTemporaryDir fresh;
        first << timeOneStart("--program", fresh.path());
        cacheDropped = dropPageCache();
        cold << timeOneStart("--program", fresh.path());
        warm << timeOneStart("--program", fresh.path());
    }
    std::printf("platform: %s\n", qgetenv("QT_QPA_PLATFORM").constData());
    report("reference: bare Qt window", bare);
    report("first start (empty folder)", first);
    report(cacheDropped ? "cold start (page cache dropped)" : "cold start (cache not droppable)", cold);
    report("warm start", warm);
    return 0;
}
