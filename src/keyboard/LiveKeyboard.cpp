#include "keyboard/LiveKeyboard.h"

#include "keyboard/VirtualKeyCodes.h"

namespace {
bool validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}
} // namespace

LiveKeyboard::LiveKeyboard(SoundSettings& sound, const KeyMap& keyMap,
                           const ProgramOptions& options, QObject* parent)
    : QObject(parent), sound_(sound), keyMap_(keyMap), options_(options), poly_(sound) {}

void LiveKeyboard::StrikeKey(int keyIndex) {
    strike(keyIndex, sound_.intVelocity());
}

void LiveKeyboard::strike(int keyIndex, int velocity, bool autoRepeat) {
    if (!validKey(keyIndex)) return;
    if (keyIndex != awaitingRelease_) awaitingRelease_ = -1;
    emit keyPressedLook(keyIndex);
    if (keyIndex != intLastKey_ || isAgain) {
        MMidiOut& midi = sound_.midi();
        midi.NoteOff(sound_.channel(), NoteTable::baseNote(intLastKey_), sound_.intYindiao());
        midi.NoteOn(sound_.channel(), NoteTable::baseNote(keyIndex), velocity, sound_.intYindiao());
        intLastKey_ = keyIndex;
        isAgain = false;
        if (!autoRepeat) emit noteStruck(keyIndex);
    }
    emit restartRecordingStopwatch();
}

void LiveKeyboard::ResetKeyboard() {
    MMidiOut& midi = sound_.midi();
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        midi.NoteOff(sound_.channel(), NoteTable::baseNote(i), sound_.intYindiao());
        emit keyReleasedLook(i);
    }
    poly_.forgetAll();
    pointerKey_ = -1;
}

void LiveKeyboard::drawKeyReleased(int keyIndex) {
    if (validKey(keyIndex)) emit keyReleasedLook(keyIndex);
}

void LiveKeyboard::pointerPressed(int keyIndex) {
    if (!validKey(keyIndex)) return;
    if (polyphonic()) {
        polyRelease(pointerKey_);
        pointerKey_ = keyIndex;
        polyStrike(keyIndex, sound_.intVelocity());
        return;
    }
    isAgain = pressesAlwaysSound_;
    StrikeKey(keyIndex);
}

void LiveKeyboard::pointerMoved(int keyIndex) {
    if (!polyphonic()) {
        StrikeKey(keyIndex);
        return;
    }
    if (keyIndex == pointerKey_) return;
    polyRelease(pointerKey_);
    pointerKey_ = validKey(keyIndex) ? keyIndex : -1;
    if (pointerKey_ >= 0) polyStrike(pointerKey_, sound_.intVelocity());
}

void LiveKeyboard::pointerReleased(int keyIndex) {
    if (polyphonic()) {
        polyRelease(pointerKey_);
        pointerKey_ = -1;
        return;
    }
    if (!validKey(keyIndex)) return;
    drawKeyReleased(keyIndex);
    emit recordKeyRelease(keyIndex);
}

void LiveKeyboard::damperTouched() {
    if (!holds(conditions_.scorePlaying)) ResetKeyboard();
}

void LiveKeyboard::Form_KeyDown(int keyCode, int shift, bool capsLockOn, bool autoRepeat) {
    if (keyMap_.isPedalKey(keyCode, capsLockOn)) setPedal(true);
    intKeyDownIndex_ = keyMap_.lookup(keyCode, capsLockOn);
    if (intKeyDownIndex_ >= 0) {
        if (blnMouseFollow()) emit pointerFollowRequested(intKeyDownIndex_);
        keyDown(intKeyDownIndex_, sound_.intVelocity(), autoRepeat);
    }
    runSpecialKeys(keyCode, shift);
}

void LiveKeyboard::keyDown(int keyIndex, int velocity, bool autoRepeat) {
    if (polyphonic()) {
        // The auto-repeat of a key held down does not strike it again.
        if (!poly_.isDown(keyIndex)) polyStrike(keyIndex, velocity);
        return;
    }
    strike(keyIndex, velocity, autoRepeat);
    awaitingRelease_ = keyIndex;
    // A keyboard press never holds the pointer button: the same key strikes again next time.
    isAgain = true;
}

void LiveKeyboard::Form_KeyUp(int keyCode, int, bool capsLockOn) {
    if (keyMap_.isPedalKey(keyCode, capsLockOn)) setPedal(false);
    if (polyphonic()) {
        polyRelease(keyMap_.lookup(keyCode, capsLockOn));
        return;
    }
    drawKeyReleased(intKeyDownIndex_);
    // Only the release of the computer key whose note sounds ends that note in a recording.
    if (awaitingRelease_ >= 0 && keyMap_.lookup(keyCode, capsLockOn) == awaitingRelease_) {
        emit recordKeyRelease(awaitingRelease_);
        awaitingRelease_ = -1;
    }
}

void LiveKeyboard::externalKeyDown(int keyIndex, int velocity) {
    if (validKey(keyIndex)) keyDown(keyIndex, velocity);
}

void LiveKeyboard::externalKeyUp(int keyIndex) {
    if (!validKey(keyIndex)) return;
    if (polyphonic()) {
        polyRelease(keyIndex);
        return;
    }
    drawKeyReleased(keyIndex);
    if (keyIndex == awaitingRelease_) {
        emit recordKeyRelease(keyIndex);
        awaitingRelease_ = -1;
    }
}

void LiveKeyboard::setPedal(bool down) {
    if (down && !polyphonic()) return;
    poly_.setPedal(down);
}

void LiveKeyboard::polyStrike(int keyIndex, int velocity) {
    emit keyPressedLook(keyIndex);
    poly_.strike(keyIndex, velocity);
    emit noteStruck(keyIndex);
    emit restartRecordingStopwatch();
    emit recordKeyStruck(keyIndex);
}

void LiveKeyboard::polyRelease(int keyIndex) {
    if (!validKey(keyIndex) || !poly_.isDown(keyIndex)) return;
    emit keyReleasedLook(keyIndex);
    poly_.release(keyIndex);
    emit recordHeldKeyRelease(keyIndex);
}

bool LiveKeyboard::isSpecialKey(int keyCode, int shift) {
    switch (keyCode) {
    case VirtualKey::Escape:
    case VirtualKey::Space:
    case VirtualKey::F3:
    case VirtualKey::Delete:
    case VirtualKey::F12:
        return true;
    case VirtualKey::B:
        return shift == ShiftMask::Ctrl;
    default:
        return false;
    }
}

void LiveKeyboard::runSpecialKeys(int keyCode, int shift) {
    if (keyCode == VirtualKey::Escape) {
        ResetKeyboard();
        emit requestStopRecording();
    }
    if (keyCode == VirtualKey::Space && holds(conditions_.playPauseEnabled))
        emit requestPlayPause();
    if (keyCode == VirtualKey::F3 && !holds(conditions_.scorePlaying)) emit requestSearch();
    if (keyCode == VirtualKey::B && shift == ShiftMask::Ctrl) emit requestAddFolder();
    if (keyCode == VirtualKey::Delete && holds(conditions_.deleteSelectedEnabled))
        emit requestDeleteSelected();
    if (keyCode == VirtualKey::Delete && shift == ShiftMask::Shift &&
        holds(conditions_.deleteAllEnabled))
        emit requestDeleteAll();
    if (keyCode == VirtualKey::F12 && holds(conditions_.organizeFavoritesEnabled))
        emit requestOrganizeFavorites();
}
