// The keyboard inside the whole main window: key events entering the window, the placement of
// the keys and the bottom container.
#include "app/BottomContainer.h"
#include "app/DamperLabel.h"
#include "app/PianoKeyboard.h"
#include "app/frmMain.h"
#include "support/ServiceDoubles.h"
#include "support/RecordingMidiBackend.h"
#include "support/QuotedText.h"
#include "support/TempProgramFolder.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCursor>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace {

using Sent = RecordingMidiBackend::Sent;

struct MainWindowKeyboardTest : testing::Test, ServiceDoubles {
    MainWindowKeyboardTest() {
        folder.write(QStringLiteral("INI/.keep"), {});
        main.load([](const QString&) {});
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
        window = main.windowHandle();
        backend.sent.clear();
    }

    // Note-ons only: channel 0, velocity 127 after a first start.
    QList<int> notesOn() const {
        QList<int> notes;
        for (const Sent& s : backend.sent)
            if (s.status == 0x90 && s.data2 == 127) notes << s.data1;
        return notes;
    }
    void press(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               bool autoRepeat = false) {
        qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, text, autoRepeat, 1);
    }
    void release(Qt::Key key, const QString& text, bool autoRepeat = false) {
        qt_handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, text, autoRepeat, 1);
    }

    TempProgramFolder folder;
    RecordingMidiBackend backend;
    frmMain main{services(folder.paths(), backend)};
    QWindow* window = nullptr;
};

TEST_F(MainWindowKeyboardTest, TheKeyboardLiesUnderTheSoundPanel) {
    ASSERT_NE(main.parts().keyboard, nullptr);
    EXPECT_EQ(main.parts().keyboard->geometry(), QRect(16, 92, 833, 69));
    EXPECT_EQ(main.features().keyMap.strKeyName(39), QStringLiteral("a"));
}

struct KeyCase {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    int note; // -1: nothing sounds
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key 0x" << std::hex << int(c.key) << " text " << quoted(c.text) << " mods 0x"
        << c.modifiers.toInt();
}

class KeyEventsTest : public MainWindowKeyboardTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyEventsTest, SoundTheirPianoKey) {
    press(GetParam().key, QString::fromUtf8(GetParam().text), GetParam().modifiers);
    EXPECT_EQ(notesOn(), GetParam().note < 0 ? QList<int>{} : QList<int>{GetParam().note});
}

INSTANTIATE_TEST_SUITE_P(
    DefaultMap, KeyEventsTest,
    testing::Values(KeyCase{Qt::Key_A, "a", Qt::NoModifier, 72},           // key 39
                    KeyCase{Qt::Key_A, "A", Qt::NoModifier, 108},          // Caps Lock on: key 75
                    KeyCase{Qt::Key_A, "A", Qt::ShiftModifier, 72},        // Shift changes nothing
                    KeyCase{Qt::Key_A, "a", Qt::ShiftModifier, 108},       // Shift with Caps Lock
                    KeyCase{Qt::Key_5, "5", Qt::KeypadModifier, 106},      // "5小", key 73
                    KeyCase{Qt::Key_5, "5", Qt::NoModifier, 55},           // "5", key 22
                    KeyCase{Qt::Key_Exclam, "!", Qt::ShiftModifier, 48},   // "1", key 15
                    KeyCase{Qt::Key_Backspace, "\b", Qt::NoModifier, 107}, // key 74
                    KeyCase{Qt::Key_Alt, "", Qt::AltModifier, 37},         // key 4
                    KeyCase{Qt::Key_Print, "", Qt::NoModifier, -1},        // code 44, unassigned
                    KeyCase{Qt::Key_Control, "", Qt::ControlModifier, -1})); // key 0 first: silent

TEST_F(MainWindowKeyboardTest, TabReachesThePianoBeforeTheFocusChain) {
    main.features().keyMap.setStrKeyName(5, QStringLiteral("Tab"));
    auto* combo = main.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    QWidget* focused = QApplication::focusWidget();
    press(Qt::Key_Tab, QStringLiteral("\t"));
    EXPECT_EQ(notesOn(), QList<int>{38});
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

// A focused list would open its drop-down on Space, and from then on have the keys.
TEST_F(MainWindowKeyboardTest, SpecialKeysReachNoControl) {
    auto* combo = main.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    press(Qt::Key_Space, QStringLiteral(" "));
    release(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_EQ(main.features().transport.PlayState(), Transport::Paused); // the first-start sample paused
}

TEST_F(MainWindowKeyboardTest, ControlsTakeTheFocusFromThePointerOnly) {
    for (const QWidget* control : main.findChildren<QWidget*>())
        EXPECT_FALSE(control->focusPolicy() & Qt::TabFocus) << control->metaObject()->className();
}

// Assistive technology and desktop test tools find the painted controls by name.
TEST_F(MainWindowKeyboardTest, PaintedControlsCarryAccessibleNamesAndValues) {
    QAccessibleInterface* keys = QAccessible::queryAccessibleInterface(main.parts().keyboard);
    ASSERT_NE(keys, nullptr);
    ASSERT_EQ(keys->childCount(), 88);
    QAccessibleInterface* key = keys->child(39);
    EXPECT_EQ(key->text(QAccessible::Name), QStringLiteral("琴键 39"));
    EXPECT_EQ(keys->indexOfChild(key), 39);
    EXPECT_EQ(key->rect().center(),
              main.parts().keyboard->mapToGlobal(main.parts().keyboard->keyRect(39).center()));
    auto* volume = main.findChild<QWidget*>(QStringLiteral("volSystemVolume"));
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(volume);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->text(QAccessible::Name), QStringLiteral("系统音量"));
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), 930);
    auto* play = main.findChild<QWidget*>(QStringLiteral("btnForControl0"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(play);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("播放"));
}

TEST_F(MainWindowKeyboardTest, AutoRepeatStrikesAgainAndTheKeyIsReleasedOnce) {
    press(Qt::Key_S, QStringLiteral("s"));
    release(Qt::Key_S, QStringLiteral("s"), true);
    press(Qt::Key_S, QStringLiteral("s"), Qt::NoModifier, true);
    EXPECT_EQ(notesOn(), (QList<int>{74, 74}));
    EXPECT_TRUE(main.parts().keyboard->isDrawnPressed(41));
    release(Qt::Key_S, QStringLiteral("s"));
    EXPECT_FALSE(main.parts().keyboard->isDrawnPressed(41));
}

TEST_F(MainWindowKeyboardTest, ThePointerFollowsThePlayedKey) {
    press(Qt::Key_Q, QStringLiteral("q"));
    const PianoKeyboard* keyboard = main.parts().keyboard;
    EXPECT_EQ(QCursor::pos(), keyboard->mapToGlobal(keyboard->keyRect(51).center()));
}

TEST_F(MainWindowKeyboardTest, TheDamperSilencesTheKeyboard) {
    auto* damper = main.findChild<DamperLabel*>();
    ASSERT_NE(damper, nullptr);
    EXPECT_EQ(damper->text(), QStringLiteral("消音板"));
    // While the first-start sample plays the damper does nothing; once stopped it silences.
    backend.sent.clear();
    QTest::mouseMove(damper, damper->rect().center());
    EXPECT_TRUE(backend.sent.isEmpty());
    main.features().transport.clickButton(Transport::StopButton);
    backend.sent.clear();
    QTest::mouseMove(damper, damper->rect().center() + QPoint(1, 1));
    EXPECT_EQ(backend.sent.size(), 88);
}

TEST_F(MainWindowKeyboardTest, TheContainerSitsAtTheBottomAndFollowsTheWindow) {
    BottomContainer* container = main.parts().container;
    const QWidget* host = container->parentWidget();
    EXPECT_EQ(container->geometry(), QRect(0, host->height(), host->width(), 0));
    container->setBarVisible(BottomContainer::Bar::Status, true);
    EXPECT_EQ(container->geometry(), QRect(0, host->height() - 22, host->width(), 22));
    EXPECT_EQ(container->picStatusBar()->geometry(), QRect(0, 0, host->width(), 22));

    main.resize(main.width() + 60, main.height() + 40);
    QTest::qWait(0);
    EXPECT_EQ(container->geometry(), QRect(0, host->height() - 22, host->width(), 22));
    EXPECT_EQ(main.parts().keyboard->geometry(), QRect(16, 92, 833, 69));
}

TEST_F(MainWindowKeyboardTest, AMinimisedWindowIsLaidOutWhenRestored) {
    BottomContainer* container = main.parts().container;
    const QWidget* host = container->parentWidget();
    container->setBarVisible(BottomContainer::Bar::Control, true);
    main.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(main.isMinimized());
    main.resize(main.width(), main.height() + 30);
    QTest::qWait(0);
    EXPECT_NE(container->geometry().bottom() + 1, host->height());
    main.setWindowState(Qt::WindowNoState);
    QTest::qWait(0);
    EXPECT_EQ(container->geometry(), QRect(0, host->height() - 33, host->width(), 33));
}

} // namespace
