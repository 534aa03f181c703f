// Adding folders and searching drives: what reaches the lists, the status line and the stop icon.
#include "library/FolderScanCommands.h"
#include "core/StatusLine.h"
#include "library/CScanFiles.h"
#include "library/ListPair.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class FolderScanCommandsTest : public testing::Test {
protected:
    FolderScanCommandsTest() {
        dir.write("a.piano", "1");
        dir.write("B.PIANO", "1");
        dir.write("c.txt", "1");
        dir.write("x/d.piano", "1");
        dir.write(".cache/e.piano", "1");
        dir.write("other/f.piano", "1");
        symlink("..", QFile::encodeName(dir.file("x/up")).constData());
        commands.setStatusLine(&statusLine);
        QObject::connect(&statusLine, &StatusLine::textChanged,
                         [this](const QString& text) { statusLog << text; });
        commands.setSkippedFolders([] { return QStringList(); });
        QObject::connect(&commands, &FolderScanCommands::stopIconChanged,
                         [this](bool on) { iconLog << on; });
    }
    void runScans() {
        QElapsedTimer guard;
        guard.start();
        while (scanner.isScanning() && guard.elapsed() < 20000)
            QCoreApplication::processEvents();
        ASSERT_FALSE(scanner.isScanning());
        QCoreApplication::processEvents();
    }
    QStringList names(const ListPair& list) const {
        QStringList out;
        for (const QString& e : list.entries())
            out << QDir(dir.path()).relativeFilePath(e);
        return out;
    }

    TempProgramFolder dir;
    TempProgramFolder program;
    CScanFiles scanner;
    ListPair playing;
    ListPair favorites;
    ScriptedFileDialogs dialogs;
    FolderScanCommands commands{scanner, playing, favorites, dialogs, program.path() + "/"};
    StatusLine statusLine;
    QStringList statusLog;
    QList<bool> iconLog;
};

TEST_F(FolderScanCommandsTest, AddingAFolderListsItsScoresBeforeThoseOfItsFolders) {
    dialogs.folderAnswers = {dir.path()};
    commands.addFolder();
    ASSERT_EQ(dialogs.foldersAsked.size(), 1);
    EXPECT_EQ(dialogs.foldersAsked[0].startFolder, program.path() + "/");
    EXPECT_EQ(statusLine.text(), "正在启动搜索引擎...");
    EXPECT_TRUE(commands.isStopIconShown());
    runScans();
    const QStringList found = names(playing);
    EXPECT_EQ(found.size(), 4) << qPrintable(found.join(", "));
    for (const char* top : {"a.piano", "B.PIANO"})
        EXPECT_LT(found.indexOf(top), found.indexOf("x/d.piano")) << top;
    EXPECT_TRUE(found.contains("other/f.piano"));
    EXPECT_TRUE(favorites.isEmpty());
    // Each folder was named while it was entered; then the text from before came back.
    EXPECT_TRUE(statusLog.contains(dir.file("x")));
    EXPECT_FALSE(statusLog.contains(dir.file(".cache")));
    EXPECT_EQ(statusLine.text(), "准备...");
    EXPECT_EQ(iconLog, QList<bool>({true, false}));
}

TEST_F(FolderScanCommandsTest, ACancelledBrowserScansNothingAndRestoresAtOnce) {
    commands.addFolder();
    EXPECT_EQ(iconLog, QList<bool>({true, false}));
    EXPECT_EQ(statusLine.text(), "准备...");
    EXPECT_FALSE(scanner.isScanning());
    EXPECT_TRUE(playing.isEmpty());
}

TEST_F(FolderScanCommandsTest, ADroppedFolderIsScannedWithoutAskingIntoTheActiveList) {
    commands.setActiveList([] { return 1; });
    commands.scanDroppedFolder(dir.path() + "/");
    runScans();
    EXPECT_TRUE(dialogs.foldersAsked.isEmpty());
    EXPECT_EQ(favorites.count(), 4);
    EXPECT_TRUE(playing.isEmpty());
    EXPECT_EQ(favorites.displayText(0).left(4), "1.  ");
}

TEST_F(FolderScanCommandsTest, EachScoreGoesToTheListActiveWhenItWasFound) {
    int active = 0;
    commands.setActiveList([&active] { return active; });
    QObject::connect(&scanner, &CScanFiles::FileMatch2,
                     [&active](const QString&, const QString&, qint64 n) {
                         if (n == 2) active = 1;
                     });
    commands.scanDroppedFolder(dir.path());
    runScans();
    EXPECT_EQ(playing.count(), 2);
    EXPECT_EQ(favorites.count(), 2);
    EXPECT_EQ(favorites.displayText(0).left(4), "1.  ");
}

TEST_F(FolderScanCommandsTest, AddingTheSameFolderTwiceAddsNothingTheSecondTime) {
    commands.scanDroppedFolder(dir.path());
    runScans();
    const QStringList first = playing.entries();
    commands.scanDroppedFolder(dir.path());
    runScans();
    EXPECT_EQ(playing.entries(), first);
}

TEST_F(FolderScanCommandsTest, StoppingKeepsWhatWasFoundAndRestoresTheStatus) {
    for (int k = 0; k < 50; ++k)
        dir.write(QString("many/%1.piano").arg(k), "1");
    scanner.setBatchLimits(1, 1000);
    commands.setDriveList([this] { return QStringList{dir.file("many"), dir.path()}; });
    QObject::connect(&scanner, &CScanFiles::FileMatch2,
                     [this](const QString&, const QString&, qint64 n) {
                         if (n == 3) commands.stopSearch();
                     });
    commands.searchAllDrives();
    runScans();
    EXPECT_TRUE(commands.blnStopSearch());
    EXPECT_EQ(playing.count(), 3); // the second drive was never entered
    EXPECT_EQ(statusLine.text(), "准备...");
    EXPECT_FALSE(commands.isStopIconShown());
}

TEST_F(FolderScanCommandsTest, ASearchWalksEveryDriveInTurn) {
    commands.setDriveList([this] {
        return QStringList{dir.file("x"), dir.file("other"), QString()};
    });
    commands.searchAllDrives();
    runScans();
    // x/up leads to the folder above and is walked like any folder; "other" was reached through
    // it and is not walked a second time as the next drive.
    const QStringList found = names(playing);
    EXPECT_EQ(found.size(), 4) << qPrintable(found.join(", "));
    EXPECT_EQ(found.value(0), "x/d.piano");
    EXPECT_TRUE(found.contains("x/up/other/f.piano"));
}

TEST_F(FolderScanCommandsTest, AScanStartedDuringAnotherKeepsTheStopIconUntilBothEnd) {
    scanner.setBatchLimits(1, 1000);
    bool dropped = false;
    QObject::connect(&scanner, &CScanFiles::DirMatch2, [&](const QString& path) {
        if (dropped || !path.endsWith("/x")) return;
        dropped = true;
        commands.scanDroppedFolder(dir.file("other"));
        EXPECT_EQ(statusLine.text(), "正在启动搜索引擎...");
    });
    commands.scanDroppedFolder(dir.path());
    runScans();
    ASSERT_TRUE(dropped);
    EXPECT_EQ(iconLog, QList<bool>({true, false}));
    // The scans named their folders until the last one ended.
    EXPECT_EQ(statusLog.count("正在启动搜索引擎..."), 2) << qPrintable(statusLog.join(" | "));
    EXPECT_TRUE(statusLog.contains(dir.file("other"))) << qPrintable(statusLog.join(" | "));
    EXPECT_EQ(statusLine.text(), "准备...");
    EXPECT_EQ(playing.count(), 4);
}

TEST_F(FolderScanCommandsTest, ASearchLeavesOutTheFileSystemsOfTheSkippedFolders) {
    QTemporaryDir memory("/dev/shm/tonvale-scan-XXXXXX");
    struct stat here {
    }, there{};
    if (!memory.isValid() || stat(QFile::encodeName(dir.path()).constData(), &here) != 0 ||
        stat("/dev/shm", &there) != 0 || here.st_dev == there.st_dev)
        GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    QFile score(memory.filePath("m.piano"));
    ASSERT_TRUE(score.open(QIODevice::WriteOnly));
    score.close();
    symlink(QFile::encodeName(memory.path()).constData(),
            QFile::encodeName(dir.file("x/shm")).constData());
    commands.setDriveList([&] { return QStringList{dir.path(), memory.path()}; });
    commands.setSkippedFolders([] { return QStringList{"/dev/shm"}; });
    commands.searchAllDrives();
    runScans();
    EXPECT_EQ(playing.count(), 4);
    EXPECT_FALSE(playing.containsEntry(memory.filePath("m.piano")));
    commands.scanDroppedFolder(memory.path()); // adding a folder skips nothing
    runScans();
    EXPECT_TRUE(playing.containsEntry(memory.filePath("m.piano")));
}

} // namespace
