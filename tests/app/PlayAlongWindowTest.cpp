// The names on the keys and practice mode in the whole main window: the labels follow a key-map
// change and Caps Lock at once, and both menu choices outlive the run.
#include "app/MainWindowRig.h"
#include "app/PianoKeyboard.h"

#include <QTest>
#include <QWindow>

Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace {

using PlayAlongWindowTest = MainWindowRig;

QString labelOf(frmMain& m, int keyIndex) {
    return m.parts().keyboard->label(keyIndex).text;
}

TEST_F(PlayAlongWindowTest, KeyNamesFollowTheKeyMapAndCapsLockAtOnce) {
    frmMain& m = start();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    EXPECT_EQ(labelOf(m, 39), QString("a"));
    EXPECT_EQ(labelOf(m, 75), QString());
    // As the key-map editor does when a key is captured: "q" now plays key 39, not key 51.
    m.features().keyMap.setStrKeyName(39, QStringLiteral("q"));
    EXPECT_EQ(labelOf(m, 39), QString("q"));
    EXPECT_EQ(labelOf(m, 51), QString());

    qt_handleKeyEvent(m.windowHandle(), QEvent::KeyPress, Qt::Key_CapsLock, {}, {}, false, 1);
    qt_handleKeyEvent(m.windowHandle(), QEvent::KeyRelease, Qt::Key_CapsLock, {}, {}, false, 1);
    EXPECT_EQ(labelOf(m, 75), QString("A"));
    EXPECT_EQ(labelOf(m, 3), QString("Z"));
    EXPECT_EQ(labelOf(m, 27), QString());
    EXPECT_EQ(labelOf(m, 52), QString("PgUp")); // not a letter: the same either way
}

TEST_F(PlayAlongWindowTest, TheKeyNameChoiceAndPracticeModeAreRemembered) {
    frmMain& m = start();
    EXPECT_TRUE(m.features().menus.item(MenuEntry::KeyLabelsComputerKeys)->checked());
    m.features().menus.item(MenuEntry::KeyLabelsNoteNames)->trigger();
    EXPECT_FALSE(m.features().menus.item(MenuEntry::KeyLabelsComputerKeys)->checked());
    EXPECT_EQ(m.parts().keyboard->label(30), (KeyLabels::Label{"#2", -1}));
    EXPECT_FALSE(m.features().engine.practice().enabled());
    m.features().menus.item(MenuEntry::PlayPractice)->trigger();
    EXPECT_TRUE(m.features().engine.practice().enabled());
    stop();
    EXPECT_EQ(readKeys(kSettings).value("菜单复选否/跟弹(&T)"), QString("1"));

    frmMain& again = start();
    EXPECT_TRUE(again.features().menus.item(MenuEntry::KeyLabelsNoteNames)->checked());
    EXPECT_EQ(again.parts().keyboard->label(39), (KeyLabels::Label{"1", 0}));
    EXPECT_TRUE(again.features().engine.practice().enabled());
    again.features().menus.item(MenuEntry::KeyLabelsNone)->trigger();
    EXPECT_EQ(again.parts().keyboard->label(39), KeyLabels::Label{});
}

} // namespace
