#include "keyboard/KeyCodeToName.h"
#include "keyboard/KeyEventTranslator.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    int code;
    bool capsLock;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.code << (c.capsLock ? " caps" : "");
}

class KeyCodeToNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(KeyCodeToNameTest, NamesTheCode) {
    EXPECT_EQ(KeyCodeToName(GetParam().code, GetParam().capsLock),
              QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyCodeToNameTest,
    testing::Values(
        NameCase{112, false, "F1"}, NameCase{123, false, "F12"}, NameCase{124, false, "124"},
        NameCase{27, false, "Esc"}, NameCase{9, false, "Tab"}, NameCase{20, false, "大写"},
        NameCase{16, false, "Shift"}, NameCase{17, false, "Ctrl"}, NameCase{18, false, "Alt"},
        NameCase{8, false, "退格"}, NameCase{13, false, "回车"}, NameCase{32, false, "空格"},
        NameCase{42, false, "截屏"}, NameCase{44, false, "44"}, NameCase{226, false, "226"},
        NameCase{145, false, "Scroll Lock"}, NameCase{19, false, "Pause"},
        NameCase{45, false, "Insert"}, NameCase{36, false, "Home"}, NameCase{33, false, "PageUp"},
        NameCase{46, false, "Delete"}, NameCase{35, false, "End"}, NameCase{34, false, "PageDown"},
        NameCase{38, false, "上"}, NameCase{37, false, "左"}, NameCase{40, false, "下"},
        NameCase{39, false, "右"}, NameCase{144, false, "Num Lock"}, NameCase{96, false, "0小"},
        NameCase{101, true, "5小"}, NameCase{105, false, "9小"}, NameCase{107, false, "+小"},
        NameCase{109, false, "-小"}, NameCase{106, false, "*小"}, NameCase{111, false, "/小"},
        NameCase{110, false, ".小"}, NameCase{91, false, "左Windows键"},
        NameCase{92, false, "右Windows键"}, NameCase{93, false, "菜单键"},
        NameCase{192, false, "`"}, NameCase{189, false, "-"}, NameCase{187, false, "="},
        NameCase{220, false, "\\"}, NameCase{219, false, "["}, NameCase{221, false, "]"},
        NameCase{186, false, ";"}, NameCase{222, false, "'"}, NameCase{188, false, ","},
        NameCase{190, false, "."}, NameCase{191, false, "/"}, NameCase{65, false, "a"},
        NameCase{65, true, "A"}, NameCase{90, false, "z"}, NameCase{90, true, "Z"},
        NameCase{48, true, "0"}, NameCase{53, false, "5"}, NameCase{0, false, "0"},
        NameCase{-1, false, "-1"}, NameCase{65535, false, "65535"}));

struct TranslationCase {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int code;
};

void PrintTo(const TranslationCase& c, std::ostream* os) {
    *os << "0x" << std::hex << c.qtKey << std::dec << " mods " << c.modifiers.toInt();
}

class VirtualKeyTest : public testing::TestWithParam<TranslationCase> {};

TEST_P(VirtualKeyTest, MapsTheToolkitKey) {
    EXPECT_EQ(KeyEventTranslator::virtualKey(GetParam().qtKey, GetParam().modifiers),
              GetParam().code);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyTest,
    testing::Values(
        // The keypad has codes of its own; the main keyboard's 5 does not become "5小".
        TranslationCase{Qt::Key_5, kPad, 101}, TranslationCase{Qt::Key_5, kNone, 53},
        TranslationCase{Qt::Key_0, kPad, 96}, TranslationCase{Qt::Key_Slash, kPad, 111},
        TranslationCase{Qt::Key_Slash, kNone, 191}, TranslationCase{Qt::Key_Minus, kPad, 109},
        TranslationCase{Qt::Key_Minus, kNone, 189}, TranslationCase{Qt::Key_Plus, kPad, 107},
        TranslationCase{Qt::Key_Asterisk, kPad, 106}, TranslationCase{Qt::Key_Period, kPad, 110},
        TranslationCase{Qt::Key_Comma, kPad, 110},
        // Num Lock off: the keypad sends the navigation keys.
        TranslationCase{Qt::Key_Home, kPad, 36}, TranslationCase{Qt::Key_Up, kPad, 38},
        TranslationCase{Qt::Key_Insert, kPad, 45}, TranslationCase{Qt::Key_Enter, kPad, 13},
        // Shifted symbols name the key that carries them.
        TranslationCase{Qt::Key_Exclam, kShift, 49},
        TranslationCase{Qt::Key_ParenRight, kShift, 48},
        TranslationCase{Qt::Key_Underscore, kShift, 189},
        TranslationCase{Qt::Key_Plus, kShift, 187}, TranslationCase{Qt::Key_Bar, kShift, 220},
        TranslationCase{Qt::Key_QuoteDbl, kShift, 222}, TranslationCase{Qt::Key_Less, kShift, 188},
        TranslationCase{Qt::Key_Greater, kShift, 190},
        TranslationCase{Qt::Key_AsciiTilde, kShift, 192},
        TranslationCase{Qt::Key_Colon, kShift, 186},
        // The extra key of international keyboards.
        TranslationCase{Qt::Key_Less, kNone, 226}, TranslationCase{Qt::Key_A, kNone, 65},
        TranslationCase{Qt::Key_Z, kShift, 90}, TranslationCase{Qt::Key_F1, kNone, 112},
        TranslationCase{Qt::Key_F10, kNone, 121}, TranslationCase{Qt::Key_F12, kNone, 123},
        TranslationCase{Qt::Key_Tab, kNone, 9}, TranslationCase{Qt::Key_Backtab, kShift, 9},
        TranslationCase{Qt::Key_Print, kNone, 44}, TranslationCase{Qt::Key_Alt, kNone, 18},
        TranslationCase{Qt::Key_Shift, kShift, 16}, TranslationCase{Qt::Key_Control, kNone, 17},
        TranslationCase{Qt::Key_Escape, kNone, 27}, TranslationCase{Qt::Key_Backspace, kNone, 8},
        TranslationCase{Qt::Key_Return, kNone, 13}, TranslationCase{Qt::Key_Meta, kNone, 91},
        TranslationCase{Qt::Key_Menu, kNone, 93}, TranslationCase{Qt::Key_CapsLock, kNone, 20},
        // No virtual-key code: ignored rather than taken for the digit "0".
        TranslationCase{Qt::Key_unknown, kNone, 0}, TranslationCase{Qt::Key_Launch0, kNone, 0}));

TEST(KeyEventTranslatorTest, ShiftMaskHasItsBits) {
    EXPECT_EQ(KeyEventTranslator::shiftMask(Qt::NoModifier), 0);
    EXPECT_EQ(KeyEventTranslator::shiftMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(KeyEventTranslator::shiftMask(Qt::ControlModifier), 2);
    EXPECT_EQ(
        KeyEventTranslator::shiftMask(Qt::AltModifier | Qt::ShiftModifier | Qt::KeypadModifier), 5);
}

struct CapsCase {
    const char* text;
    Qt::KeyboardModifiers modifiers;
    bool capsLock;
};

void PrintTo(const CapsCase& c, std::ostream* os) {
    *os << c.text << (c.modifiers ? " shift" : "");
}

class CapsLockTest : public testing::TestWithParam<CapsCase> {};

TEST_P(CapsLockTest, IsReadFromTheTypedLetter) {
    KeyEventTranslator translator;
    const auto stroke =
        translator.keyPressed(Qt::Key_A, GetParam().modifiers, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(stroke.code, 65);
    EXPECT_EQ(translator.capsLockOn(), GetParam().capsLock);
}

INSTANTIATE_TEST_SUITE_P(Letters, CapsLockTest,
                         testing::Values(CapsCase{"a", Qt::NoModifier, false},
                                         CapsCase{"A", Qt::NoModifier, true},
                                         CapsCase{"A", Qt::ShiftModifier, false},
                                         CapsCase{"a", Qt::ShiftModifier, true}));

TEST(KeyEventTranslatorTest, CapsLockIsRememberedForKeysWithoutText) {
    KeyEventTranslator translator;
    translator.keyPressed(Qt::Key_Q, Qt::NoModifier, QStringLiteral("Q"));
    ASSERT_TRUE(translator.capsLockOn());
    // Ctrl+B types a control character, a digit no letter: neither tells the state.
    EXPECT_EQ(translator.keyPressed(Qt::Key_B, Qt::ControlModifier, QStringLiteral("\x02")).shift,
              2);
    translator.keyPressed(Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    EXPECT_TRUE(translator.capsLockOn());
}

TEST(KeyEventTranslatorTest, TheCapsLockKeyTogglesTheRememberedStateButNotOnRepeat) {
    KeyEventTranslator translator;
    translator.keyPressed(Qt::Key_CapsLock, Qt::NoModifier, QString());
    EXPECT_TRUE(translator.capsLockOn());
    translator.keyPressed(Qt::Key_CapsLock, Qt::NoModifier, QString(), true);
    EXPECT_TRUE(translator.capsLockOn());
    translator.keyPressed(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_FALSE(translator.capsLockOn());
}

} // namespace
