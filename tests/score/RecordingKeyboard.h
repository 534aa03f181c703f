#pragma once
// The keyboard as the engine drives it, with the strike rule of live playing (monophonic: a
// strike first silences the key struck before; the same key sounds again only when isAgain is
// set), sending through the real MIDI output and noting every call with its virtual time.
#include "VirtualTimeSource.h"
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "score/KeyboardPort.h"

#include <QList>
#include <QString>

class RecordingKeyboard : public KeyboardPort {
public:
    struct Call {
        qint64 ms;
        QString what; // "strike", "reset", "released"
        int key;
        bool operator==(const Call&) const = default;
    };

    RecordingKeyboard(SoundSettings& sound, const VirtualTimeSource& time)
        : sound_(sound), time_(time) {}

    void StrikeKey(int keyIndex) override {
        calls.append({time_.nowMs(), QStringLiteral("strike"), keyIndex});
        if (onStrike) onStrike(keyIndex);
        if (keyIndex == lastKey && !isAgain) return;
        // The note-off goes to the note that was sent, even when the key of the music changed
        // since: a key row between two notes must not leave the first one hanging.
        sound_.midi().NoteOff(sound_.channel(), NoteTable::baseNote(lastKey), lastShift_);
        sound_.midi().NoteOn(sound_.channel(), NoteTable::baseNote(keyIndex), sound_.intVelocity(),
                             sound_.intYindiao());
        lastKey = keyIndex;
        lastShift_ = sound_.intYindiao();
        isAgain = false;
    }
    void ResetKeyboard() override {
        calls.append({time_.nowMs(), QStringLiteral("reset"), -1});
        for (int i = 0; i < NoteTable::kKeyCount; ++i)
            sound_.midi().NoteOff(sound_.channel(), NoteTable::baseNote(i), sound_.intYindiao());
    }
    void drawKeyReleased(int keyIndex) override {
        calls.append({time_.nowMs(), QStringLiteral("released"), keyIndex});
    }
    void setIsAgain(bool again) override { isAgain = again; }

    QList<Call> callsOf(const QString& what) const {
        QList<Call> out;
        for (const Call& c : calls)
            if (c.what == what) out.append(c);
        return out;
    }

    QList<Call> calls;
    int lastKey = 0;
    bool isAgain = false;
    std::function<void(int)> onStrike;

private:
    SoundSettings& sound_;
    const VirtualTimeSource& time_;
    int lastShift_ = 36;
};
