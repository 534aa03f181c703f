#include "library/CScanFiles.h"
#include "library/ListPair.h"
#include "library/WildcardMatch.h"
#include "support/QuotedText.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <climits>
#include <unistd.h>

namespace {

const QString kScores = QStringLiteral("*.PIANO");

// What one scanner reported, in order: "D name" for folders, "F name" for files.
struct ScanLog {
    explicit ScanLog(CScanFiles& scanner) {
        QObject::connect(&scanner, &CScanFiles::DirMatch2,
                         [this](const QString& path, const QString& name, qint64) {
                             events << "D " + name;
                             paths << path;
                         });
        QObject::connect(&scanner, &CScanFiles::FileMatch2,
                         [this](const QString& path, const QString& name, qint64, double) {
                             events << "F " + name;
                             paths << path;
                         });
        QObject::connect(&scanner, &CScanFiles::ScanFinished,
                         [this](int id, bool stopped) { finished << qMakePair(id, stopped); });
    }
    qsizetype indexOf(const QString& event) const { return events.indexOf(event); }
    QStringList events;
    QStringList paths;
    QList<QPair<int, bool>> finished;
};

// Runs the event loop until every scan has ended (or a generous safety limit passes).
void runScans(CScanFiles& scanner) {
    QElapsedTimer guard;
    guard.start();
    while (scanner.isScanning() && guard.elapsed() < 20000)
        QCoreApplication::processEvents();
    ASSERT_FALSE(scanner.isScanning());
}

// Empties a folder relative to its parent, for trees deeper than any path can name.
void removeContentsAt(int fd) {
    DIR* dir = fdopendir(fd);
    if (!dir) return;
    while (const dirent* e = readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..") continue;
        if (unlinkat(dirfd(dir), e->d_name, 0) == 0) continue;
        const int child = openat(dirfd(dir), e->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (child >= 0) removeContentsAt(child);
        unlinkat(dirfd(dir), e->d_name, AT_REMOVEDIR);
    }
    closedir(dir);
}

class CScanFilesTest : public testing::Test {
protected:
    void SetUp() override {
        dir.write("a.piano", "1");
        dir.write("B.PIANO", "22");
        dir.write("c.txt", "333");
        dir.write("x/d.piano", "4444");
        dir.write(".cache/hidden.piano", "1");
        dir.write("x/.git/e.piano", "1");
        dir.write(".dotfile.piano", "55555");
    }
    QString root() const { return dir.path(); }

    TempProgramFolder dir;
    CScanFiles scanner;
};

TEST_F(CScanFilesTest, ReportsAFoldersFilesBeforeEnteringItsFoldersAndSkipsDotFolders) {
    ScanLog log(scanner);
    const int id = scanner.StartScan2(root(), true, kScores, false);
    EXPECT_TRUE(log.events.isEmpty()); // the walk runs from the event loop, not inside the call
    runScans(scanner);
    EXPECT_EQ(log.events.size(), 5) << qPrintable(log.events.join(", "));
    for (const char* e : {"F a.piano", "F B.PIANO", "F .dotfile.piano", "D x"})
        EXPECT_LT(log.indexOf(e), log.indexOf("F d.piano")) << e;
    EXPECT_EQ(log.indexOf("F c.txt"), -1);
    EXPECT_TRUE(log.paths.contains(QDir(root()).filePath("x/d.piano")));
    EXPECT_TRUE(log.paths.contains(QDir(root()).filePath("x")));
    EXPECT_EQ(log.finished, (QList<QPair<int, bool>>{{id, false}}));
    EXPECT_EQ(scanner.DirCount(), 1);
    EXPECT_EQ(scanner.FileCount(), 4);
    EXPECT_EQ(scanner.FileSize(), 1 + 2 + 4 + 5);
}

struct OptionCase {
    bool subFolders;
    const char* pattern;
    bool caseSensitive;
    int files;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.pattern << (c.subFolders ? " with subfolders" : "")
        << (c.caseSensitive ? " matching case" : "");
}

class ScanOptions : public CScanFilesTest, public testing::WithParamInterface<OptionCase> {};

TEST_P(ScanOptions, ChooseFoldersAndNames) {
    const OptionCase& c = GetParam();
    scanner.StartScan2(root() + "/", c.subFolders, c.pattern, c.caseSensitive);
    runScans(scanner);
    EXPECT_EQ(scanner.FileCount(), c.files);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ScanOptions,
    testing::Values(OptionCase{true, "*.PIANO", false, 4}, OptionCase{false, "*.PIANO", false, 3},
                    OptionCase{true, "*.PIANO", true, 1}, OptionCase{true, "*.*", false, 5},
                    OptionCase{true, "?.*", false, 4}, OptionCase{true, "nothing", false, 0}));

TEST_F(CScanFilesTest, CountersGrowOverEveryScanOfTheObject) {
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(scanner.DirCount(), 2);
    EXPECT_EQ(scanner.FileCount(), 8);
}

TEST_F(CScanFilesTest, ScanningAFolderTwiceAddsNothingTheSecondTime) {
    ListPair list;
    QObject::connect(&scanner, &CScanFiles::FileMatch2, [&](const QString& path) {
        list.AddListEntry(path, QString(), ListPair::DuplicateTest::OnEntries);
    });
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    ASSERT_EQ(list.count(), 4);
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(list.count(), 4);
}

TEST_F(CScanFilesTest, EmptyOrMissingPathsFinishWithoutReports) {
    ScanLog log(scanner);
    const int empty = scanner.StartScan2(QString(), true, kScores, false);
    const int missing = scanner.StartScan2(dir.file("nope"), true, kScores, false);
    const int file = scanner.StartScan2(dir.file("a.piano"), true, kScores, false);
    runScans(scanner);
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(log.finished.size(), 3);
    for (int id : {empty, missing, file})
        EXPECT_TRUE(log.finished.contains({id, false}));
}

TEST_F(CScanFilesTest, ALinkBackToAFolderAboveIsEnteredOnce) {
    ASSERT_EQ(symlink("..", QFile::encodeName(dir.file("x/up")).constData()), 0);
    ASSERT_EQ(symlink(".", QFile::encodeName(dir.file("x/self")).constData()), 0);
    ASSERT_EQ(symlink(QFile::encodeName(dir.file("x")).constData(),
                      QFile::encodeName(dir.file("link-to-x")).constData()),
              0);
    ScanLog log(scanner);
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(log.events.count("F d.piano"), 1);
    EXPECT_EQ(log.events.count("F a.piano"), 1);
    EXPECT_EQ(scanner.FileCount(), 4);
}

TEST_F(CScanFilesTest, LinksToFilesCountAndBrokenLinksAndPipesDoNot) {
    ASSERT_EQ(symlink(QFile::encodeName(dir.file("B.PIANO")).constData(),
                      QFile::encodeName(dir.file("x/linked.piano")).constData()),
              0);
    ASSERT_EQ(symlink("/nowhere/at/all", QFile::encodeName(dir.file("x/broken.piano")).constData()),
              0);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("x/pipe.piano")).constData(), 0600), 0);
    ScanLog log(scanner);
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(log.events.count("F linked.piano"), 1);
    EXPECT_EQ(log.indexOf("F broken.piano"), -1);
    EXPECT_EQ(log.indexOf("F pipe.piano"), -1);
    EXPECT_EQ(scanner.FileSize(), 1 + 2 + 4 + 5 + 2);
}

TEST_F(CScanFilesTest, ADeepTreeIsWalkedAndFoldersBeyondTheLongestPathArePassedOver) {
    // 200 short levels, then long names until the folders lie beyond the longest path the
    // system opens; every level holds one score. Built relative to each parent, since the
    // deepest paths cannot be named whole.
    int fd = open(QFile::encodeName(root()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    qsizetype length = QFile::encodeName(root()).size();
    int reachable = 0;
    for (int level = 0; level < 235; ++level) {
        const QByteArray name = level < 200 ? QByteArray("d") : QByteArray(120, 'n');
        ASSERT_EQ(mkdirat(fd, name.constData(), 0700), 0) << level;
        const int child = openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
        close(fd);
        ASSERT_GE(child, 0);
        fd = child;
        close(openat(fd, "s.piano", O_CREAT | O_WRONLY, 0600));
        length += 1 + name.size();
        if (length < PATH_MAX) ++reachable;
    }
    close(fd);
    ASSERT_LT(reachable, 235);
    scanner.setBatchLimits(100000, 1000);
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(scanner.FileCount(), 4 + reachable);
    removeContentsAt(open(QFile::encodeName(root()).constData(), O_RDONLY | O_DIRECTORY));
}

TEST_F(CScanFilesTest, AFileThatVanishesDuringTheScanIsPassedOver) {
    for (int k = 0; k < 60; ++k)
        dir.write(QString("many/f%1.piano").arg(k), "1");
    scanner.setBatchLimits(1, 1000);
    QStringList reported;
    bool removed = false;
    QObject::connect(&scanner, &CScanFiles::FileMatch2, [&](const QString& path) {
        EXPECT_TRUE(QFile::exists(path)) << qPrintable(path);
        reported << path;
        if (removed || !path.contains("/many/")) return;
        removed = true;
        for (int k = 0; k < 60; ++k) {
            const QString other = dir.file(QString("many/f%1.piano").arg(k));
            if (other != path) QFile::remove(other);
        }
    });
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_TRUE(removed);
}

TEST_F(CScanFilesTest, AFolderThatCannotBeListedIsPassedOver) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    dir.write("locked/z.piano", "1");
    ASSERT_TRUE(QFile::setPermissions(dir.file("locked"), QFileDevice::WriteOwner));
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    QFile::setPermissions(dir.file("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(scanner.FileCount(), 4);
    EXPECT_EQ(scanner.DirCount(), 2);
}

TEST_F(CScanFilesTest, StoppingEndsTheScanAtItsNextStepAndKeepsWhatWasFound) {
    for (int k = 0; k < 10; ++k)
        dir.write(QString("x/y%1/s.piano").arg(k), "1");
    scanner.setBatchLimits(1, 1000);
    ScanLog log(scanner);
    QObject::connect(&scanner, &CScanFiles::FileMatch2,
                     [&](const QString&, const QString&, qint64 count) {
                         if (count == 3) scanner.StopScan();
                     });
    const int id = scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(scanner.FileCount(), 3);
    EXPECT_EQ(log.finished, (QList<QPair<int, bool>>{{id, true}}));
}

TEST_F(CScanFilesTest, ASecondScanRunsInsideTheFirstAndAStopEndsBoth) {
    dir.write("other/o1.piano", "1");
    dir.write("other/o2.piano", "1");
    scanner.setBatchLimits(1, 1000);
    ScanLog log(scanner);
    int inner = 0;
    // The second scan starts from the event loop while the first one runs, as a drop would.
    QObject::connect(&scanner, &CScanFiles::DirMatch2, [&](const QString&, const QString& name) {
        if (name == "x" && inner == 0)
            inner = scanner.StartScan2(dir.file("other"), true, kScores, false);
    });
    const int outer = scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    ASSERT_NE(inner, 0);
    const qsizetype innerFirst =
        log.indexOf("F o1.piano") < 0 ? log.indexOf("F o2.piano") : log.indexOf("F o1.piano");
    // The inner scan finishes first and then the outer one goes on to d.piano.
    EXPECT_EQ(log.finished, (QList<QPair<int, bool>>{{inner, false}, {outer, false}}));
    EXPECT_GT(log.indexOf("F d.piano"), innerFirst);

    ScanLog second(scanner);
    int nested = 0;
    QObject::disconnect(&scanner, &CScanFiles::DirMatch2, nullptr, nullptr);
    QObject::connect(&scanner, &CScanFiles::DirMatch2, [&](const QString&, const QString& name) {
        if (name == "x" && nested == 0)
            nested = scanner.StartScan2(dir.file("other"), true, kScores, false);
    });
    QObject::connect(&scanner, &CScanFiles::FileMatch2, [&](const QString& path) {
        if (path.contains("/other/")) scanner.StopScan();
    });
    const int stoppedOuter = scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(second.finished, (QList<QPair<int, bool>>{{nested, true}, {stoppedOuter, true}}));
    EXPECT_EQ(second.indexOf("F d.piano"), -1);
}

TEST_F(CScanFilesTest, ASearchOverSeveralRootsWalksASharedFolderOnce) {
    ScanLog log(scanner);
    const int id =
        scanner.startScanOfRoots({root(), dir.file("x"), QString()}, true, kScores, false);
    runScans(scanner);
    EXPECT_EQ(log.events.count("F d.piano"), 1);
    EXPECT_EQ(log.finished, (QList<QPair<int, bool>>{{id, false}}));
}

TEST_F(CScanFilesTest, TheEventLoopStaysLiveDuringAScan) {
    for (int k = 0; k < 400; ++k)
        dir.write(QString("wide/f%1.piano").arg(k), "1");
    scanner.setBatchLimits(16, 1000);
    int turnsWhileScanning = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (scanner.isScanning()) ++turnsWhileScanning;
    });
    probe.start(0);
    scanner.StartScan2(root(), true, kScores, false);
    runScans(scanner);
    EXPECT_GE(turnsWhileScanning, 400 / 16 / 2);
    EXPECT_EQ(scanner.FileCount(), 4 + 400);
}

} // namespace

namespace {

// Names are tested on their bytes first; every answer must be the pattern's own.
TEST(CScanFilesNames, AgreeWithThePatternWhateverTheirCharacters) {
    TempProgramFolder dir;
    const QStringList names = {"x.pIaNo", "y.PIANO.txt", "é.piano",  "a.pıano", "b.piano~",
                               "PIANO",   ".piano",      "曲.PIANO", "c.pianö"};
    for (const QString& name : names)
        dir.write("t/" + name, "1");
    for (const auto& [pattern, caseSensitive] :
         {std::pair{"*.PIANO", false}, std::pair{"*.piano", true}, std::pair{"*o", false}}) {
        CScanFiles scanner;
        QStringList found;
        QObject::connect(&scanner, &CScanFiles::FileMatch2,
                         [&](const QString&, const QString& name) { found << name; });
        scanner.StartScan2(dir.file("t"), false, pattern, caseSensitive);
        runScans(scanner);
        const WildcardMatch match(pattern, caseSensitive);
        for (const QString& name : names)
            EXPECT_EQ(found.contains(name), match.matches(name))
                << qPrintable(name) << " " << pattern;
    }
}

} // namespace
