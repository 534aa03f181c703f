#pragma once
// Opening a modal dialog from a menu entry in a test: the entry is triggered, `inside` runs on the
// dialog it opens, which is then cancelled.
#include "core/MenuItem.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

template <typename Dialog>
void withModalDialog(MenuItem* entry, const std::function<void(Dialog&)>& inside) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        inside(*dialog);
        dialog->reject();
    });
    entry->trigger();
    EXPECT_TRUE(seen);
}
