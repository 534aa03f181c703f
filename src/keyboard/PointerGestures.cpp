#include "keyboard/PointerGestures.h"

#include "keyboard/LiveKeyboard.h"

PointerGestures::PointerGestures(LiveKeyboard& live, std::function<bool()> scorePlaying,
                                 QObject* parent)
    : QObject(parent), live_(live), scorePlaying_(std::move(scorePlaying)) {
    connect(&live_, &LiveKeyboard::keysReset, this, [this] { pointerKey_ = -1; });
}

void PointerGestures::pointerPressed(int keyIndex) {
    if (!LiveKeyboard::validKey(keyIndex)) return;
    if (live_.polyphonic()) {
        live_.letGo(pointerKey_);
        pointerKey_ = keyIndex;
        live_.hold(keyIndex, live_.velocity());
        return;
    }
    live_.setIsAgain(pressesAlwaysSound_);
    live_.StrikeKey(keyIndex);
}

void PointerGestures::pointerMoved(int keyIndex) {
    if (!live_.polyphonic()) {
        live_.StrikeKey(keyIndex);
        return;
    }
    if (keyIndex == pointerKey_) return;
    live_.letGo(pointerKey_);
    pointerKey_ = LiveKeyboard::validKey(keyIndex) ? keyIndex : -1;
    if (pointerKey_ >= 0) live_.hold(pointerKey_, live_.velocity());
}

void PointerGestures::pointerReleased(int keyIndex) {
    if (live_.polyphonic()) {
        live_.letGo(pointerKey_);
        pointerKey_ = -1;
        return;
    }
    live_.lift(keyIndex);
}

void PointerGestures::damperTouched() {
    if (!(scorePlaying_ && scorePlaying_())) live_.ResetKeyboard();
}
