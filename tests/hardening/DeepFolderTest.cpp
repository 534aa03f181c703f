// A folder tree a thousand levels deep, with a score on every level: the scan walks all of it
// without running out of stack and ends.
#include "library/CScanFiles.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(DeepFolder, AThousandLevelsAreScannedToTheBottom) {
    TempProgramFolder dir;
    int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    constexpr int kLevels = 1000;
    for (int level = 0; level < kLevels; ++level) {
        ASSERT_EQ(::mkdirat(fd, "d", 0700), 0) << level;
        const int child = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        ASSERT_GE(child, 0);
        fd = child;
        ::close(::openat(fd, "s.piano", O_CREAT | O_WRONLY, 0600));
    }
    ::close(fd);

    CScanFiles scanner;
    int files = 0;
    QObject::connect(&scanner, &CScanFiles::FileMatch2, [&] { ++files; });
    scanner.StartScan2(dir.path(), true, QStringLiteral("*.PIANO"), false);
    QElapsedTimer guard;
    guard.start();
    while (scanner.isScanning() && guard.elapsed() < 60000)
        QCoreApplication::processEvents();
    ASSERT_FALSE(scanner.isScanning());
    EXPECT_EQ(files, kLevels);
}

} // namespace
