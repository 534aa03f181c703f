#pragma once
// The live keyboard as the engine drives it through its port: every call goes on to the real
// LiveKeyboard, which sounds it through the MIDI output, and is noted with its virtual time.
#include "VirtualTimeSource.h"
#include "keyboard/LiveKeyboard.h"

#include <QList>
#include <QString>
#include <functional>

class LoggedKeyboard : public KeyboardPort {
public:
    struct Call {
        qint64 ms;
        QString what; // "strike", "reset", "rest", "released"
        int key;
        bool operator==(const Call&) const = default;
    };

    LoggedKeyboard(LiveKeyboard& live, const VirtualTimeSource& time) : live_(live), time_(time) {}

    void StrikeKey(int keyIndex) override {
        calls.append({time_.nowMs(), QStringLiteral("strike"), keyIndex});
        if (onStrike) onStrike(keyIndex);
        live_.StrikeKey(keyIndex);
    }
    void ResetKeyboard() override {
        calls.append({time_.nowMs(), QStringLiteral("reset"), -1});
        live_.ResetKeyboard();
    }
    void playRest() override {
        calls.append({time_.nowMs(), QStringLiteral("rest"), -1});
        live_.playRest();
    }
    void drawKeyReleased(int keyIndex) override {
        calls.append({time_.nowMs(), QStringLiteral("released"), keyIndex});
        live_.drawKeyReleased(keyIndex);
    }
    void setIsAgain(bool again) override { live_.setIsAgain(again); }

    QList<Call> callsOf(const QString& what) const {
        QList<Call> out;
        for (const Call& c : calls)
            if (c.what == what) out.append(c);
        return out;
    }

    QList<Call> calls;
    std::function<void(int)> onStrike;

private:
    LiveKeyboard& live_;
    const VirtualTimeSource& time_;
};
