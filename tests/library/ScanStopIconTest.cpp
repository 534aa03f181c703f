// The status icon as a stop button while a scan runs.
#include "library/ScanStopIcon.h"
#include "library/CScanFiles.h"
#include "library/FolderScanCommands.h"
#include "library/ListPair.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ScanStopIconTest, StopsTheScanWhenClickedAndTurnsBackAfterwards) {
    TempProgramFolder dir;
    for (int k = 0; k < 40; ++k)
        dir.write(QString("s/%1.piano").arg(k), "1");
    CScanFiles scanner;
    scanner.setBatchLimits(1, 1000);
    ListPair playing, favorites;
    ScriptedFileDialogs dialogs;
    FolderScanCommands commands(scanner, playing, favorites, dialogs, dir.path());
    QWidget bar;
    auto* icon = new QLabel(&bar);
    QPixmap own(14, 14);
    own.fill(Qt::blue);
    icon->setPixmap(own);
    icon->resize(14, 14);
    ScanStopIcon stop(commands, icon, Qt::PointingHandCursor);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

    QTest::mouseClick(icon, Qt::LeftButton); // no scan: an ordinary icon
    commands.scanDroppedFolder(dir.path());
    EXPECT_EQ(icon->toolTip(), "停止搜索");
    EXPECT_EQ(icon->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(icon->pixmap().toImage(), own.toImage());
    QElapsedTimer guard;
    guard.start();
    while (playing.count() < 5 && guard.elapsed() < 10000)
        QCoreApplication::processEvents();
    QTest::mouseClick(icon, Qt::LeftButton);
    while (scanner.isScanning() && guard.elapsed() < 10000)
        QCoreApplication::processEvents();
    EXPECT_FALSE(scanner.isScanning());
    EXPECT_LT(playing.count(), 40);
    EXPECT_GE(playing.count(), 5);
    EXPECT_TRUE(icon->toolTip().isEmpty());
    EXPECT_EQ(icon->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(icon->pixmap().toImage(), own.toImage());
}

TEST(ScanStopIconTest, TheStopPictureIsARedSign) {
    const QImage picture = ScanStopIcon::stopPicture(14, 2.0).toImage();
    EXPECT_EQ(picture.size(), QSize(28, 28));
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
    const QColor rim = picture.pixelColor(4, 14);
    EXPECT_GT(rim.red(), 150);
    EXPECT_LT(rim.green(), 80);
    EXPECT_EQ(picture.pixelColor(14, 14), QColor(Qt::white));
}

} // namespace
