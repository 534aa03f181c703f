#pragma once
// A control shown as its own window on the offscreen platform, ready for QTest pointer events.
#include <QTest>
#include <gtest/gtest.h>

template <typename Control>
struct ShownControl {
    explicit ShownControl(QSize size) {
        control.resize(size);
        control.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
    }
    Control control;
};
