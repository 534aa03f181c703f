#include "SaveVersions.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// A process killed at any moment of a save leaves each data file as one whole version. The new
// version is written as an unnamed file and only then given a name; a kill in the instant
// between naming it and renaming it over the data file can leave it beside the data file under
// the data file's name and a six-character ending, which nothing ever reads as data.
TEST(KillDuringSave, EveryFileIsOneWholeVersionAfterAKillAtAnyMoment) {
    // The shorter list saved over the longer one keeps the longer one's keys beyond its count:
    // the versions the files go through are those of saving 1, 0, 1, 0, ...
    TempProgramFolder reference;
    QByteArray lists[2], settings[2];
    for (const int v : {1, 0}) {
        ASSERT_TRUE(SaveVersions::save(reference.path(), v));
        lists[v] = contentOf(SaveVersions::playlistPath(reference.path()));
        settings[v] = contentOf(SaveVersions::settingsPath(reference.path()));
    }
    TempProgramFolder folder;
    ASSERT_TRUE(SaveVersions::save(folder.path(), 1));
    ASSERT_TRUE(SaveVersions::save(folder.path(), 0));
    const QStringList dataFiles{QStringLiteral("播放列表.Qor"), QStringLiteral("程序设置.INI")};

    int changed = 0;
    constexpr int kKills = 50;
    const QRegularExpression leftover(QStringLiteral("^(播放列表\\.Qor|程序设置\\.INI)\\.\\w{6}$"));
    for (int i = 0; i < kKills; ++i) {
        QProcess child;
        child.start(QStringLiteral(SAVE_CHILD), {folder.path()});
        ASSERT_TRUE(child.waitForStarted(10000));
        ASSERT_TRUE(child.waitForReadyRead(10000));
        // Spread the kills over the first few saves; a save takes some tens of milliseconds.
        std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 200000));
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << "the child stopped saving by itself";

        const QByteArray list = contentOf(SaveVersions::playlistPath(folder.path()));
        const QByteArray setting = contentOf(SaveVersions::settingsPath(folder.path()));
        ASSERT_TRUE(list == lists[0] || list == lists[1])
            << "kill " << i << ": a torn playing list";
        ASSERT_TRUE(setting == settings[0] || setting == settings[1])
            << "kill " << i << ": torn settings";
        changed += list == lists[1];
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (dataFiles.contains(name)) continue;
            ASSERT_TRUE(leftover.match(name).hasMatch())
                << "kill " << i << ": " << name.toStdString();
            QFile::remove(folder.file(name));
        }
    }
    // The kills did land at different moments: some before, some after a finished save.
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, kKills);
}

} // namespace
