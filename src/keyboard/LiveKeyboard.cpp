#include "keyboard/LiveKeyboard.h"

#include "keyboard/VirtualKeyCodes.h"

namespace {
bool validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}
} // namespace

LiveKeyboard::LiveKeyboard(SoundSettings& sound, const KeyMap& keyMap,
                           const ProgramOptions& options, QObject* parent)
    : QObject(parent), sound_(sound), keyMap_(keyMap), options_(options) {}

void LiveKeyboard::StrikeKey(int keyIndex) {
    if (!validKey(keyIndex)) return;
    if (keyIndex != awaitingRelease_) awaitingRelease_ = -1;
    emit keyPressedLook(keyIndex);
    if (keyIndex != intLastKey_ || isAgain) {
        MMidiOut& midi = sound_.midi();
        midi.NoteOff(sound_.channel(), NoteTable::baseNote(intLastKey_), sound_.intYindiao());
        midi.NoteOn(sound_.channel(), NoteTable::baseNote(keyIndex), sound_.intVelocity(),
                    sound_.intYindiao());
        intLastKey_ = keyIndex;
        isAgain = false;
        emit noteStruck(keyIndex);
    }
    emit restartRecordingStopwatch();
}

void LiveKeyboard::ResetKeyboard() {
    MMidiOut& midi = sound_.midi();
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        midi.NoteOff(sound_.channel(), NoteTable::baseNote(i), sound_.intYindiao());
        emit keyReleasedLook(i);
    }
}

void LiveKeyboard::drawKeyReleased(int keyIndex) {
    if (validKey(keyIndex)) emit keyReleasedLook(keyIndex);
}

void LiveKeyboard::pointerPressed(int keyIndex) {
    if (!validKey(keyIndex)) return;
    isAgain = pressesAlwaysSound_;
    StrikeKey(keyIndex);
}

void LiveKeyboard::pointerReleased(int keyIndex) {
    if (!validKey(keyIndex)) return;
    drawKeyReleased(keyIndex);
    emit recordKeyRelease(keyIndex);
}

void LiveKeyboard::damperTouched() {
    if (!holds(conditions_.scorePlaying)) ResetKeyboard();
}

void LiveKeyboard::Form_KeyDown(int keyCode, int shift, bool capsLockOn) {
    intKeyDownIndex_ = keyMap_.lookup(keyCode, capsLockOn);
    if (intKeyDownIndex_ >= 0) {
        if (blnMouseFollow()) emit pointerFollowRequested(intKeyDownIndex_);
        StrikeKey(intKeyDownIndex_);
        awaitingRelease_ = intKeyDownIndex_;
        // A keyboard press never holds the pointer button: the same key strikes again next time.
        isAgain = true;
    }
    runSpecialKeys(keyCode, shift);
}

void LiveKeyboard::Form_KeyUp(int keyCode, int, bool capsLockOn) {
    drawKeyReleased(intKeyDownIndex_);
    // Only the release of the computer key whose note sounds ends that note in a recording.
    if (awaitingRelease_ >= 0 && keyMap_.lookup(keyCode, capsLockOn) == awaitingRelease_) {
        emit recordKeyRelease(awaitingRelease_);
        awaitingRelease_ = -1;
    }
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
