#pragma once
// Silent stand-ins for the keyboard, the MIDI backend and the message boxes, so that a benchmark
// measures the engine and not the sound.
#include "platform/MessageSink.h"
#include "platform/MidiBackend.h"
#include "core/MMidiOut.h"
#include "core/SoundSettings.h"
#include "platform/SteadyTimeSource.h"
#include "score/KeyboardPort.h"
#include "score/PlaybackEngine.h"

#include <functional>

class SilentMidiBackend : public MidiBackend {
public:
    QList<MidiDeviceInfo> devices() override { return {{-1, QStringLiteral("silent")}}; }
    int open(int) override { return kNoError; }
    int close() override { return kNoError; }
    int sendShortMessage(std::uint32_t) override { return kNoError; }
    int invalidHandleError() const override { return 1; }
    QString errorText(int) const override { return {}; }
};

class SilentMessageSink : public MessageSink {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

class CountingKeyboard : public KeyboardPort {
public:
    void StrikeKey(int keyIndex) override {
        if (onStrike) onStrike(keyIndex);
    }
    void ResetKeyboard() override {}
    void playRest() override {}
    void drawKeyReleased(int) override {}
    void setIsAgain(bool) override {}
    std::function<void(int)> onStrike;
};

// The playback engine on the steady clock, with everything around it silent.
struct BenchEngine {
    explicit BenchEngine(const NoteTable& notes) : engine(notes, sound, keyboard, time, messages) {}
    SilentMidiBackend backend;
    SilentMessageSink messages;
    MMidiOut midi{backend, messages};
    SoundSettings sound{midi};
    CountingKeyboard keyboard;
    SteadyTimeSource time;
    PlaybackEngine engine;
};
