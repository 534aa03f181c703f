#include "keyboard/KeyEventTranslator.h"

#include "keyboard/VirtualKeyCodes.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// Keys of the main block and the editing keys; letters, digits and function keys are computed.
const QHash<int, int>& mainKeys() {
    static const QHash<int, int> keys{
        {Qt::Key_Escape, 27},
        {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_AltGr, 18},
        {Qt::Key_Backspace, 8},
        {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},
        {Qt::Key_Space, 32},
        {Qt::Key_Print, 44},
        {Qt::Key_ScrollLock, 145},
        {Qt::Key_Pause, 19},
        {Qt::Key_Insert, 45},
        {Qt::Key_Home, 36},
        {Qt::Key_PageUp, 33},
        {Qt::Key_Delete, 46},
        {Qt::Key_End, 35},
        {Qt::Key_PageDown, 34},
        {Qt::Key_Up, 38},
        {Qt::Key_Left, 37},
        {Qt::Key_Down, 40},
        {Qt::Key_Right, 39},
        {Qt::Key_NumLock, 144},
        {Qt::Key_Clear, 12},
        {Qt::Key_Meta, 91},
        {Qt::Key_Super_L, 91},
        {Qt::Key_Super_R, 92},
        {Qt::Key_Menu, 93},
        {Qt::Key_Cancel, 3},
        {Qt::Key_Select, 41},
        {Qt::Key_Execute, 43},
        {Qt::Key_Help, 47},
        {Qt::Key_Sleep, 95},
        {Qt::Key_VolumeMute, 173},
        {Qt::Key_VolumeDown, 174},
        {Qt::Key_VolumeUp, 175},
        {Qt::Key_MediaNext, 176},
        {Qt::Key_MediaPrevious, 177},
        {Qt::Key_MediaStop, 178},
        {Qt::Key_MediaPlay, 179},
        {Qt::Key_MediaTogglePlayPause, 179},
        // Punctuation, unshifted and shifted.
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},
        {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189},
        {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},
        {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},
        {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
        {Qt::Key_Comma, 188},
        {Qt::Key_Period, 190},
        {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},
        // The digit row, shifted.
        {Qt::Key_Exclam, '1'},
        {Qt::Key_At, '2'},
        {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},
        {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'},
        {Qt::Key_ParenRight, '0'},
    };
    return keys;
}

// With Num Lock on the keypad reports digits and operators; with it off, the navigation keys,
// which share the codes of the editing block.
int keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

bool isLetter(int code) {
    return code >= 'A' && code <= 'Z';
}

} // namespace

int KeyEventTranslator::virtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier)
        if (const int code = keypadKey(qtKey)) return code;
    if (isLetter(qtKey) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    // The extra key of international keyboards reports "<" and ">" unshifted, where the US
    // layout has them only as shifted comma and period.
    if (qtKey == Qt::Key_Less || qtKey == Qt::Key_Greater) {
        if (!(modifiers & Qt::ShiftModifier)) return 226;
        return qtKey == Qt::Key_Less ? 188 : 190;
    }
    return mainKeys().value(qtKey, 0);
}

QList<int> KeyEventTranslator::virtualKeys() {
    QSet<int> codes(mainKeys().cbegin(), mainKeys().cend());
    for (int qtKey = Qt::Key_0; qtKey <= Qt::Key_9; ++qtKey)
        codes.insert(keypadKey(qtKey));
    for (int qtKey : {Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Slash})
        codes.insert(keypadKey(qtKey));
    for (int qtKey = Qt::Key_A; qtKey <= Qt::Key_Z; ++qtKey)
        codes.insert(qtKey);
    for (int qtKey = Qt::Key_0; qtKey <= Qt::Key_9; ++qtKey)
        codes.insert(qtKey);
    for (int qtKey = Qt::Key_F1; qtKey <= Qt::Key_F24; ++qtKey)
        codes.insert(virtualKey(qtKey, {}));
    for (int qtKey : {Qt::Key_Less, Qt::Key_Greater})
        for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier})
            codes.insert(virtualKey(qtKey, modifiers));
    QList<int> sorted(codes.cbegin(), codes.cend());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

int KeyEventTranslator::shiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ShiftMask::Shift : 0) |
           (modifiers & Qt::ControlModifier ? ShiftMask::Ctrl : 0) |
           (modifiers & Qt::AltModifier ? ShiftMask::Alt : 0);
}

KeyEventTranslator::Stroke KeyEventTranslator::keyPressed(int qtKey,
                                                          Qt::KeyboardModifiers modifiers,
                                                          const QString& text, bool autoRepeat) {
    const Stroke stroke{virtualKey(qtKey, modifiers), shiftMask(modifiers)};
    if (isLetter(stroke.code) && text.size() == 1 && text[0].isLetter()) {
        const bool shifted = modifiers & Qt::ShiftModifier;
        capsLockOn_ = text[0].isUpper() != shifted;
    } else if (stroke.code == VirtualKey::CapsLock && !autoRepeat) {
        // The next letter confirms it; until then the toggle is the best guess.
        capsLockOn_ = !capsLockOn_;
    }
    return stroke;
}

KeyEventTranslator::Stroke KeyEventTranslator::keyReleased(int qtKey,
                                                           Qt::KeyboardModifiers modifiers) {
    return {virtualKey(qtKey, modifiers), shiftMask(modifiers)};
}
