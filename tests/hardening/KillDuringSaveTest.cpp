#include "SaveVersions.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// A process killed at any moment of a save leaves each data file as one whole version, and
// nothing else in the folder.
TEST(KillDuringSave, EveryFileIsOneWholeVersionAfterAKillAtAnyMoment) {
    TempProgramFolder reference[2];
    QByteArray lists[2], settings[2];
    for (int v = 0; v < 2; ++v) {
        ASSERT_TRUE(SaveVersions::save(reference[v].path(), v));
        lists[v] = contentOf(SaveVersions::playlistPath(reference[v].path()));
        settings[v] = contentOf(SaveVersions::settingsPath(reference[v].path()));
    }
    TempProgramFolder folder;
    ASSERT_TRUE(SaveVersions::save(folder.path(), 0));
    const QStringList dataFiles{QStringLiteral("播放列表.Qor"), QStringLiteral("程序设置.INI")};

    int changed = 0;
    constexpr int kKills = 60;
    for (int i = 0; i < kKills; ++i) {
        QProcess child;
        child.start(QStringLiteral(SAVE_CHILD), {folder.path()});
        ASSERT_TRUE(child.waitForStarted(10000));
        ASSERT_TRUE(child.waitForReadyRead(10000));
        // Spread the kills over a few saves; a save takes some milliseconds.
        std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 40000));
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << "the child stopped saving by itself";

        const QByteArray list = contentOf(SaveVersions::playlistPath(folder.path()));
        const QByteArray setting = contentOf(SaveVersions::settingsPath(folder.path()));
        ASSERT_TRUE(list == lists[0] || list == lists[1]) << "kill " << i << ": a torn playing list";
        ASSERT_TRUE(setting == settings[0] || setting == settings[1]) << "kill " << i << ": torn settings";
        changed += list == lists[1];
        ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), dataFiles)
            << "kill " << i << ": a temporary file was left";
    }
    // The kills did land at different moments: some before, some after a finished save.
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, kKills);
}

} // namespace
