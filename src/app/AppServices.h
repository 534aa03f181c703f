#pragma once
// The platform services the main window is built on: real ones in the program, recording and
// scripted ones in the tests.
#include "core/AppPaths.h"
#include "platform/AudioRenderer.h"
#include "platform/DesktopIntegration.h"
#include "platform/DesktopShell.h"
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"
#include "platform/MidiBackend.h"
#include "platform/MidiInputBackend.h"
#include "platform/SystemVolume.h"
#include "platform/TimeSource.h"

#include <functional>
#include <optional>

struct AppServices {
    AppPaths paths;
    MidiBackend& midi;
    MessageSink& messages;
    DesktopShell& shell;
    FileDialogs& fileDialogs;
    TimeSource& time;
    SystemVolume& systemVolume;
    DesktopIntegration& desktop;
    // The desktop's plain-text editor for the edit verb of our file types; "" when there is none.
    QString textEditor = {};
    // The Caps Lock state as the window system keeps it; where it gives none, the key handling's
    // own reading stands.
    std::function<std::optional<bool>()> capsLockState = {};
    // The system's MIDI input ports; null leaves the window without a MIDI keyboard.
    MidiInputBackend* midiInput = nullptr;
    // The built-in synthesizer rendering offline; null leaves File ▸ 导出为音频 out.
    AudioRenderer* audioRenderer = nullptr;
};
