#include "controls/Tracker.h"
#include "ShownControl.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// 100 pixels wide: W = 1500 twips, thumb w = 150, C = 1350; Max 100.
struct TrackerTest : testing::Test {
    ShownControl<Tracker> shown{QSize(100, 20)};
    Tracker& bar = shown.control;
    QSignalSpy changes{&bar, &Tracker::Change};
    QSignalSpy downs{&bar, &Tracker::MouseDown};
    QSignalSpy moves{&bar, &Tracker::MouseMove};
    QSignalSpy ups{&bar, &Tracker::MouseUp};

    void SetUp() override {
        bar.setMax(100);
        bar.setValue(50);
        changes.clear();
    }
};

TEST_F(TrackerTest, HasTheDefaultsOfANewControl) {
    Tracker fresh;
    EXPECT_EQ(fresh.Value(), 1000);
    EXPECT_EQ(fresh.Max(), 8520);
    EXPECT_EQ(fresh.LeftColor(), QColor(0, 0, 255));
    EXPECT_EQ(fresh.RightColor(), QColor(Qt::white));
    EXPECT_EQ(fresh.LeftHeight(), 135);
    EXPECT_EQ(fresh.RightHeight(), 135);
    EXPECT_EQ(fresh.LeftAppearance(), 1);
    EXPECT_EQ(fresh.RightBorderStyle(), 1);
    EXPECT_EQ(fresh.LeftBackStyle(), 1);
    EXPECT_TRUE(fresh.isEnabled());
}

TEST_F(TrackerTest, ValueIsClampedAndEachSetRaisesOneChange) {
    bar.setValue(-5);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(bar.thumbLeft(), 0);
    EXPECT_EQ(changes.count(), 1);
    bar.setValue(101);
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_EQ(bar.thumbLeft(), 1350);
    EXPECT_EQ(changes.count(), 2);
    bar.setValue(100); // the same value again still runs the change handlers
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(TrackerTest, APressNearAnEndLeavesTheThumbButIsReported) {
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(3, 10));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(bar.Value(), 50);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(downs[0][2].toDouble(), 45); // twips
    EXPECT_DOUBLE_EQ(downs[0][3].toDouble(), 150);

    QTest::mouseMove(&bar, QPoint(60, 10)); // the following drag moves it
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(bar.thumbLeft(), 825);
    EXPECT_EQ(bar.Value(), 61); // 825 / 1350 × 100 = 61.1
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(ups.count(), 1);

    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(97, 10));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(downs.count(), 2);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(97, 10));
}

TEST_F(TrackerTest, EveryPositionOfADragRaisesExactlyOneChange) {
    QList<int> seen;
    QObject::connect(&bar, &Tracker::Change, [&] { seen.append(bar.Value()); });
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 10)); // 300 twips: thumb 225, 225 / 1350 × 100
    QTest::mouseMove(&bar, QPoint(30, 10));
    QTest::mouseMove(&bar, QPoint(30, 10)); // no new position
    QTest::mouseMove(&bar, QPoint(60, 10));
    QTest::mouseMove(&bar, QPoint(500, 10)); // far past the end: held at Max
    QTest::mouseMove(&bar, QPoint(600, 10));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(600, 10));
    // The handlers see the new value, not the one before the move.
    EXPECT_EQ(seen, (QList<int>{17, 28, 61, 100}));
    EXPECT_EQ(bar.thumbLeft(), 1350);
    EXPECT_EQ(ups.count(), 1);
    QTest::mouseMove(&bar, QPoint(10, 10)); // released: the thumb stays
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_EQ(seen.size(), 4);
}

TEST_F(TrackerTest, MovesAreReportedOnlyOverTheControl) {
    QTest::mouseMove(&bar, QPoint(40, 10));
    EXPECT_EQ(moves.count(), 1);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(&bar, QPoint(40, 30)); // below it, still dragging
    QTest::mouseMove(&bar, QPoint(140, 10));
    EXPECT_EQ(moves.count(), 1);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(140, 10));
}

TEST_F(TrackerTest, TheRightButtonDoesNotSeek) {
    QTest::mousePress(&bar, Qt::RightButton, {}, QPoint(20, 10));
    QTest::mouseMove(&bar, QPoint(70, 10));
    QTest::mouseRelease(&bar, Qt::RightButton, {}, QPoint(70, 10));
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(downs.count(), 1);
}

TEST_F(TrackerTest, ADisabledBarIgnoresThePointerButTakesValues) {
    bar.setEnabled(false);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(&bar, QPoint(70, 10));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(70, 10));
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(downs.count(), 0);
    bar.setValue(0);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(TrackerTest, DisablingMidDragEndsTheDrag) {
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(20, 10));
    bar.setEnabled(false);
    bar.setEnabled(true);
    const int value = bar.Value();
    QTest::mouseMove(&bar, QPoint(70, 10));
    EXPECT_EQ(bar.Value(), value);
}

TEST_F(TrackerTest, ResizingMovesTheThumbWithoutAChange) {
    QSignalSpy resizes(&bar, &Tracker::Resize);
    bar.resize(200, 20);
    EXPECT_EQ(resizes.count(), 1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(bar.thumbLeft(), 1425); // half of C = 2850
    EXPECT_EQ(bar.Value(), 50);
}

} // namespace
