#pragma once
// The platform services of a main window built in a test or benchmark, all recording or scripted:
// nothing reaches the real desktop, mixer or dialogs. The MIDI backend is the caller's.
#include "app/AppServices.h"
#include "platform/SteadyTimeSource.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/RecordingDesktopShell.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingSystemVolume.h"
#include "support/ScriptedFileDialogs.h"

struct ServiceDoubles {
    AppServices services(const AppPaths& paths, MidiBackend& midi) {
        return {paths, midi, messages, shell, dialogs, clock, volume, desktop};
    }

    RecordingMessageSink messages;
    RecordingDesktopShell shell;
    ScriptedFileDialogs dialogs;
    SteadyTimeSource clock;
    RecordingSystemVolume volume;
    RecordingDesktopIntegration desktop;
};
