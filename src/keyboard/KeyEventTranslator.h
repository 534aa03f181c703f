#pragma once
// Turns the toolkit's key events into virtual-key codes and a shift mask, the way the key maps
// and the key handling expect them. The toolkit reports the shifted symbol of a key (Shift+1 is
// "!"), so symbols are taken back to the key that carries them on a US layout: Shift never
// changes which key was pressed. Caps Lock cannot be asked of the platform; it is read from the
// letters typed (an upper-case letter without Shift, or a lower-case one with it, means it is on)
// and remembered for key events that carry no text.
#include <QList>
#include <QString>
#include <Qt>

class KeyEventTranslator {
public:
    struct Stroke {
        int code = 0;  // 0: the key has no virtual-key code and is ignored
        int shift = 0; // ShiftMask bits
    };

    // A key-down (auto-repeats included); learns the Caps Lock state from the event's text.
    Stroke keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                      bool autoRepeat = false);
    static Stroke keyReleased(int qtKey, Qt::KeyboardModifiers modifiers);

    bool capsLockOn() const { return capsLockOn_; }

    static int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
    // Every code virtualKey can give, ascending: the keys this platform can press.
    static QList<int> virtualKeys();
    static int shiftMask(Qt::KeyboardModifiers modifiers);

private:
    bool capsLockOn_ = false;
};
