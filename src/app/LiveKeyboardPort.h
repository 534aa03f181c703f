#pragma once
// The playback engine plays through the same keyboard as the user does.
#include "keyboard/LiveKeyboard.h"
#include "score/KeyboardPort.h"

class LiveKeyboardPort : public KeyboardPort {
public:
    explicit LiveKeyboardPort(LiveKeyboard& live) : live_(live) {}
    void StrikeKey(int keyIndex) override { live_.StrikeKey(keyIndex); }
    void ResetKeyboard() override { live_.ResetKeyboard(); }
    void drawKeyReleased(int keyIndex) override { live_.drawKeyReleased(keyIndex); }
    void setIsAgain(bool again) override { live_.isAgain = again; }

private:
    LiveKeyboard& live_;
};
