#include "controls/Volume.h"
#include "support/RecordingSystemVolume.h"
#include "ShownControl.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// 67 by 21 pixels: exactly 15 inner units to a pixel each way.
struct VolumeTest : testing::Test {
    ShownControl<Volume> shown{QSize(67, 21)};
    Volume& slider = shown.control;
    RecordingSystemVolume system;
    QSignalSpy changes{&slider, &Volume::Change};
    QSignalSpy downs{&slider, &Volume::MouseDown};

    void SetUp() override { slider.setSystemVolume(&system); }
};

TEST_F(VolumeTest, HasTheDefaultsOfANewControl) {
    EXPECT_EQ(slider.volume(), 520);
    EXPECT_EQ(slider.LeftColor(), QColor(0, 0, 255));
    EXPECT_EQ(slider.RightColor(), QColor(196, 196, 201));
    EXPECT_EQ(slider.CircumColor(), QColor(196, 171, 201));
    EXPECT_FALSE(slider.ControlSystemVolume());
}

TEST_F(VolumeTest, VolumeIsClampedAndEachSetRaisesOneChange) {
    slider.setVolume(1000);
    EXPECT_EQ(slider.volume(), 930);
    EXPECT_EQ(changes.count(), 1);
    slider.setVolume(-5);
    EXPECT_EQ(slider.volume(), 0);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(VolumeTest, WithControlSystemVolumeEveryChangeSetsTheSpeakerLevel) {
    slider.setControlSystemVolume(true);
    QList<int> seenInHandler;
    QObject::connect(&slider, &Volume::Change, [&] { seenInHandler.append(slider.volume()); });
    slider.setVolume(930);
    slider.setVolume(520);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(40, 10)); // 600 units: thumb 525
    QTest::mouseMove(&slider, QPoint(60, 10));                      // 900: thumb 825
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(system.positions, (QList<int>{930, 520, 525, 825}));
    EXPECT_EQ(seenInHandler, (QList<int>{930, 520, 525, 825}));
}

TEST_F(VolumeTest, WithoutControlSystemVolumeTheSystemIsLeftAlone) {
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(slider.volume(), 525);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(system.positions.isEmpty());
}

TEST_F(VolumeTest, APressNearTheLeftEndLeavesTheThumbButIsReported) {
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(4, 10)); // 60 units: under half a thumb
    EXPECT_EQ(slider.volume(), 520);
    EXPECT_EQ(changes.count(), 0);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_DOUBLE_EQ(downs[0][2].toDouble(), 60);
    EXPECT_DOUBLE_EQ(downs[0][3].toDouble(), 150);
    QTest::mouseMove(&slider, QPoint(300, 10)); // dragged far past the right end
    EXPECT_EQ(slider.volume(), 930);
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(300, 10));
}

TEST_F(VolumeTest, ScalesThePointerToItsInnerUnitsAtAnySize) {
    slider.resize(134, 42); // 7.5 units to a pixel
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(80, 20));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(80, 20));
    EXPECT_EQ(slider.volume(), 525);
}

TEST_F(VolumeTest, ADisabledSliderIgnoresThePointer) {
    slider.setControlSystemVolume(true);
    slider.setEnabled(false);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(slider.volume(), 520);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(system.positions.isEmpty());
}

} // namespace
