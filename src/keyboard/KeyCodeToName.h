#pragma once
// Names of computer keys as the key maps store them, built from virtual-key codes.
#include <QString>

// Letters are upper case exactly when `capsLockOn`; Shift never changes a name. A code without a
// name of its own is named by its decimal number, so the result is never empty.
QString KeyCodeToName(int code, bool capsLockOn);
