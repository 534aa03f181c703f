#pragma once
// The names on the keys: View ▸ 键名 chooses what they show, and they follow the key map and the
// Caps Lock state at once.
#include "keyboard/KeyLabels.h"

#include <QObject>

class CapsLockWatcher;
class frmMain;

class KeyLabelController : public QObject {
    Q_OBJECT
public:
    explicit KeyLabelController(frmMain& main);

    KeyLabels::Mode mode() const;

private:
    void relabel();

    frmMain& main_;
    CapsLockWatcher* capsLock_ = nullptr;
};
