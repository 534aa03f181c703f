#include "controls/ButtonEx.h"
#include "ShownControl.h"

#include <QCursor>
#include <QKeyEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct ButtonExTest : testing::Test {
    ShownControl<ButtonEx> shown{QSize(40, 24)};
    ButtonEx& button = shown.control;
    QSignalSpy clicks{&button, &ButtonEx::Click};
    QSignalSpy enters{&button, &ButtonEx::MouseEnter};
    QSignalSpy exits{&button, &ButtonEx::MouseExit};

    void SetUp() override {
        button.setForeColor(QColor(10, 10, 10));
        button.setHighlightColor(QColor(200, 0, 0));
    }
    void click() { QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 12)); }
};

TEST_F(ButtonExTest, HasTheDefaultsOfANewControl) {
    ButtonEx fresh;
    EXPECT_EQ(fresh.Caption(), QString("ButtonEx1"));
    EXPECT_EQ(fresh.Appearance(), 2);
    EXPECT_EQ(fresh.Style(), 0);
    EXPECT_EQ(fresh.Value(), 1);
    EXPECT_EQ(fresh.TransparentColor(), QColor(0, 0, 255));
    EXPECT_EQ(fresh.CaptionOffsetX(), 0);
    EXPECT_EQ(fresh.look(), ButtonLook::Normal);
}

TEST_F(ButtonExTest, AClickReportsDownUpAndClickInTwips) {
    QSignalSpy downs(&button, &ButtonEx::MouseDown);
    QSignalSpy ups(&button, &ButtonEx::MouseUp);
    click();
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_DOUBLE_EQ(downs[0][2].toDouble(), 300);
    EXPECT_DOUBLE_EQ(downs[0][3].toDouble(), 180);
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
}

TEST_F(ButtonExTest, ATwoStateButtonFlipsOnEachClickAndStaysPressedAtZero) {
    button.setStyle(1);
    QList<int> seen;
    QObject::connect(&button, &ButtonEx::Click, [&] { seen.append(button.Value()); });
    click();
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
    QTest::mouseMove(&button, QPoint(22, 12));
    EXPECT_EQ(button.look(), ButtonLook::Pressed); // hovering keeps it pressed
    click();
    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], 0);
    EXPECT_NE(seen[1], 0);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
}

TEST_F(ButtonExTest, SettingValueFromCodeSetsTheTwoStateLook) {
    button.setStyle(1);
    button.setValue(0);
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
    button.setValue(1);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonExTest, HoverLightsTheCaptionAndLeavingEndsItOnce) {
    QTest::mouseMove(&button, QPoint(10, 10));
    QTest::mouseMove(&button, QPoint(12, 10));
    EXPECT_EQ(button.look(), ButtonLook::Hover);
    EXPECT_EQ(button.captionColour(), QColor(200, 0, 0));
    EXPECT_EQ(enters.count(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_EQ(button.captionColour(), QColor(10, 10, 10));
    EXPECT_EQ(exits.count(), 1);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(ButtonExTest, TheHoverTimerFindsThePointerGone) {
    QTest::mouseMove(&button, QPoint(10, 10));
    ASSERT_EQ(button.look(), ButtonLook::Hover);
    QCursor::setPos(button.mapToGlobal(QPoint(20, 12)));
    QMetaObject::invokeMethod(&button, "hoverTick");
    EXPECT_EQ(button.look(), ButtonLook::Hover);
    QCursor::setPos(button.mapToGlobal(QPoint(300, 300)));
    QMetaObject::invokeMethod(&button, "hoverTick"); // one tick of the hover timer
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_EQ(exits.count(), 1);
    QMetaObject::invokeMethod(&button, "hoverTick");
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(ButtonExTest, AReleaseOffTheButtonIsNoClickAndKeepsTheValue) {
    button.setStyle(1);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 12));
    QTest::mouseMove(&button, QPoint(90, 12));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(90, 12));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button.Value(), 1);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
}

TEST_F(ButtonExTest, ADisabledButtonIgnoresThePointerAndGreysItsCaption) {
    button.setStyle(1);
    button.setEnabled(false);
    click();
    QTest::mouseMove(&button, QPoint(12, 10));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(enters.count(), 0);
    EXPECT_EQ(button.Value(), 1);
    EXPECT_EQ(button.captionColour(), button.palette().color(QPalette::Disabled, QPalette::ButtonText));
    EXPECT_NE(button.captionColour(), button.ForeColor());
}

TEST_F(ButtonExTest, TheAccessKeyClicks) {
    button.setCaption("播放(&P)");
    button.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
    QTest::keyClick(&button, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    button.setCaption("停止(&S)"); // the old key is given up
    QTest::keyClick(&button, Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(&button, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
    button.setEnabled(false);
    QTest::keyClick(&button, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonExTest, KeysArePassedOn) {
    QSignalSpy downs(&button, &ButtonEx::KeyDown);
    QSignalSpy presses(&button, &ButtonEx::KeyPress);
    QSignalSpy ups(&button, &ButtonEx::KeyUp);
    QTest::keyClick(&button, Qt::Key_A);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][0].toInt(), int(Qt::Key_A));
    ASSERT_EQ(presses.count(), 1);
    EXPECT_EQ(presses[0][0].toString(), QString("a"));
    EXPECT_EQ(ups.count(), 1);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &escape);
    EXPECT_FALSE(escape.isAccepted()); // the dialog around the button closes on it
}

} // namespace
