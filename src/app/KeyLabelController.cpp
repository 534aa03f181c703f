#include "app/KeyLabelController.h"

#include "app/PianoKeyboard.h"
#include "core/MainMenus.h"

KeyLabelController::KeyLabelController(Parts parts) : QObject(&parts.window), p_(parts) {
    capsLock_ = new CapsLockWatcher(p_.window, p_.capsLockState, this);
    // Exactly one entry is checked; the settings load checks one as well.
    p_.menus.makeChoice(MainMenus::kKeyLabelModes, this, [](int) {});
    for (MenuEntry entry : MainMenus::kKeyLabelModes)
        connect(p_.menus.item(entry), &MenuItem::changed, this, &KeyLabelController::relabel);
    connect(&p_.keyMap, &KeyMap::changed, this, &KeyLabelController::relabel);
    connect(capsLock_, &CapsLockWatcher::changed, this, &KeyLabelController::relabel);
    relabel();
}

KeyLabels::Mode KeyLabelController::mode() const {
    const int checked = p_.menus.checkedIn(MainMenus::kKeyLabelModes);
    // Computer keys also while nothing is checked yet.
    return checked < 0 ? KeyLabels::Mode::ComputerKeys : KeyLabels::Mode(checked);
}

void KeyLabelController::relabel() {
    p_.keyboard.setLabels(
        KeyLabels::labels(mode(), p_.keyMap, p_.noteTable, capsLock_->capsLockOn()));
}
