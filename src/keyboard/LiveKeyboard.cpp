#include "keyboard/LiveKeyboard.h"

LiveKeyboard::LiveKeyboard(SoundSettings& sound, QObject* parent)
    : QObject(parent), sound_(sound), single_(sound), poly_(sound) {}

bool LiveKeyboard::validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}

void LiveKeyboard::StrikeKey(int keyIndex) {
    strike(keyIndex, sound_.intVelocity(), false);
}

void LiveKeyboard::strike(int keyIndex, int velocity, bool autoRepeat) {
    if (!validKey(keyIndex)) return;
    if (keyIndex != awaitingRelease_) awaitingRelease_ = -1;
    emit keyPressedLook(keyIndex);
    if (single_.strike(keyIndex, velocity) && !autoRepeat) emit noteStruck(keyIndex);
    emit restartRecordingStopwatch();
}

void LiveKeyboard::ResetKeyboard() {
    MMidiOut& midi = sound_.midi();
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        midi.NoteOff(sound_.channel(), NoteTable::baseNote(i), sound_.intYindiao());
        emit keyReleasedLook(i);
    }
    poly_.forgetAll();
    emit keysReset();
}

void LiveKeyboard::playRest() {
    if (!polyphonic()) return ResetKeyboard();
    // The score strikes single notes; a key the player holds, or the pedal holds, sounds on.
    if (!poly_.isSounding(single_.intLastKey())) single_.silence();
}

void LiveKeyboard::drawKeyReleased(int keyIndex) {
    if (validKey(keyIndex)) emit keyReleasedLook(keyIndex);
}

void LiveKeyboard::press(int keyIndex, int velocity, bool autoRepeat) {
    if (!validKey(keyIndex)) return;
    if (polyphonic()) {
        if (!poly_.isDown(keyIndex)) hold(keyIndex, velocity);
        return;
    }
    strike(keyIndex, velocity, autoRepeat);
    awaitingRelease_ = keyIndex;
    // A held key never holds the pointer button: the same key strikes again next time.
    single_.isAgain = true;
}

void LiveKeyboard::release(int keyIndex, int drawnKey) {
    if (polyphonic()) {
        letGo(keyIndex);
        return;
    }
    drawKeyReleased(drawnKey);
    if (awaitingRelease_ >= 0 && keyIndex == awaitingRelease_) {
        emit recordKeyRelease(awaitingRelease_);
        awaitingRelease_ = -1;
    }
}

void LiveKeyboard::release(int keyIndex) {
    if (validKey(keyIndex)) release(keyIndex, keyIndex);
}

void LiveKeyboard::hold(int keyIndex, int velocity) {
    if (!validKey(keyIndex)) return;
    emit keyPressedLook(keyIndex);
    poly_.strike(keyIndex, velocity);
    emit noteStruck(keyIndex);
    emit restartRecordingStopwatch();
    emit recordKeyStruck(keyIndex);
}

void LiveKeyboard::letGo(int keyIndex) {
    if (!validKey(keyIndex) || !poly_.isDown(keyIndex)) return;
    emit keyReleasedLook(keyIndex);
    poly_.release(keyIndex);
    emit recordHeldKeyRelease(keyIndex);
}

void LiveKeyboard::lift(int keyIndex) {
    if (!validKey(keyIndex)) return;
    drawKeyReleased(keyIndex);
    emit recordKeyRelease(keyIndex);
}

void LiveKeyboard::setPedal(bool down) {
    if (down && !polyphonic()) return;
    poly_.setPedal(down);
}
