#pragma once
// The names on the keys: View ▸ 键名 chooses what they show, and they follow the key map and the
// Caps Lock state at once.
#include "app/CapsLockWatcher.h"
#include "keyboard/KeyLabels.h"

#include <QObject>

class MainMenus;
class PianoKeyboard;

class KeyLabelController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const MainMenus& menus;
        const KeyMap& keyMap;
        const NoteTable& noteTable;
        PianoKeyboard& keyboard;
        CapsLockWatcher::Query capsLockState; // may be empty
        QWidget& window; // owns this object; its key events tell the Caps Lock state
    };

    explicit KeyLabelController(Parts parts);

    KeyLabels::Mode mode() const;

private:
    void relabel();

    Parts p_;
    CapsLockWatcher* capsLock_ = nullptr;
};
