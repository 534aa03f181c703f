#pragma once
// Live playing over a recording MIDI output with the default key map: channel 2, the key of C
// (shift 36) and velocity 100, the device open and nothing sent yet; chords while `polyphonic`,
// a score playing while `scorePlaying`.
#include "core/MMidiOut.h"
#include "core/SoundSettings.h"
#include "keyboard/CommandKeys.h"
#include "keyboard/ComputerKeys.h"
#include "keyboard/KeyMap.h"
#include "keyboard/LiveKeyboard.h"
#include "keyboard/PointerGestures.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingMidiBackend.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

struct LiveKeyboardFixture : testing::Test {
    using Sent = RecordingMidiBackend::Sent;
    static constexpr int kChannel = 2;
    static constexpr int kShift = 36;
    static constexpr int kVelocity = 100;

    LiveKeyboardFixture() {
        folder.write(QStringLiteral("INI/.keep"), {});
        notes.LoadNoteMap(folder.paths());
        keyMap.LoadKeyMaps(folder.paths(), notes, false);
        sound.setDevices(midi.FillMidiDevices());
        sound.selectDevice(0);
        sound.selectChannel(kChannel);
        sound.setPitchShift(kShift);
        sound.setVelocity(kVelocity);
        live.setPolyphonic([this] { return polyphonic; });
        backend.sent.clear();
    }

    static Sent on(int note) { return {0x90 | kChannel, note, kVelocity}; }
    static Sent off(int note) { return {0x80 | kChannel, note, 0}; }

    TempProgramFolder folder;
    NoteTable notes;
    KeyMap keyMap;
    RecordingMidiBackend backend;
    RecordingMessageSink messages;
    MMidiOut midi{backend, messages};
    SoundSettings sound{midi};
    ProgramOptions options;
    bool polyphonic = false;
    bool scorePlaying = false;
    LiveKeyboard live{sound};
    CommandKeys commands{live};
    ComputerKeys keys{live, commands, keyMap, options};
    PointerGestures pointer{live, [this] { return scorePlaying; }};
};
