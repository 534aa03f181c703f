#include "keyboard/ComputerKeys.h"

#include "keyboard/CommandKeys.h"
#include "keyboard/LiveKeyboard.h"

ComputerKeys::ComputerKeys(LiveKeyboard& live, CommandKeys& commands, const KeyMap& keyMap,
                           const ProgramOptions& options, QObject* parent)
    : QObject(parent), live_(live), commands_(commands), keyMap_(keyMap), options_(options) {}

void ComputerKeys::Form_KeyDown(int keyCode, int shift, bool capsLockOn, bool autoRepeat) {
    if (keyMap_.isPedalKey(keyCode, capsLockOn)) live_.setPedal(true);
    intKeyDownIndex_ = keyMap_.lookup(keyCode, capsLockOn);
    if (intKeyDownIndex_ >= 0) {
        if (options_.blnMouseFollow) emit pointerFollowRequested(intKeyDownIndex_);
        live_.press(intKeyDownIndex_, live_.velocity(), autoRepeat);
    }
    commands_.keyDown(keyCode, shift);
}

// The key released is drawn released only by its own key-up in chords; in single-note playing
// the key pressed last is.
void ComputerKeys::Form_KeyUp(int keyCode, int, bool capsLockOn) {
    if (keyMap_.isPedalKey(keyCode, capsLockOn)) live_.setPedal(false);
    live_.release(keyMap_.lookup(keyCode, capsLockOn), intKeyDownIndex_);
}

bool ComputerKeys::isPianoKey(int keyCode, int shift, bool capsLockOn) const {
    return keyMap_.lookup(keyCode, capsLockOn) >= 0 || CommandKeys::isCommandKey(keyCode, shift) ||
           keyMap_.isPedalKey(keyCode, capsLockOn);
}
