#include "app/KeyLabelController.h"

#include "app/CapsLockWatcher.h"
#include "app/PianoKeyboard.h"
#include "app/frmMain.h"

KeyLabelController::KeyLabelController(frmMain& main) : QObject(&main), main_(main) {
    capsLock_ = new CapsLockWatcher(main, main.services().capsLockState, this);
    MenuArray& entries = main.menus().mnuKeyLabelSubs;
    // Exactly one entry is checked; the settings load checks one as well.
    connect(&entries, &MenuArray::triggered, this, [&entries](int index) {
        MainMenus::checkOnly(entries(index), {entries(0), entries(1), entries(2)});
    });
    for (int i = 0; i < entries.count(); ++i)
        connect(entries(i), &MenuItem::changed, this, &KeyLabelController::relabel);
    connect(&main.keyMap(), &KeyMap::changed, this, &KeyLabelController::relabel);
    connect(capsLock_, &CapsLockWatcher::changed, this, &KeyLabelController::relabel);
    relabel();
}

KeyLabels::Mode KeyLabelController::mode() const {
    const MenuArray& entries = main_.menus().mnuKeyLabelSubs;
    for (const auto mode : {KeyLabels::Mode::NoteNames, KeyLabels::Mode::None})
        if (entries(int(mode))->checked()) return mode;
    // Computer keys also while nothing is checked yet.
    return KeyLabels::Mode::ComputerKeys;
}

void KeyLabelController::relabel() {
    main_.keyboard()->setLabels(
        KeyLabels::labels(mode(), main_.keyMap(), main_.noteTable(), capsLock_->capsLockOn()));
}
