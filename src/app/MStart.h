#pragma once
// The entry procedure: one run of the program from the splash to the end of the event loop.
#include "core/AppPaths.h"
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"
#include "platform/DesktopIntegration.h"
#include "platform/MidiBackend.h"
#include "platform/SystemVolume.h"

#include <QStringList>
#include <functional>

class frmMain;

namespace MStart {

struct StartOptions {
    AppPaths paths;
    // Null: the desktop's message boxes and the system's MIDI outputs.
    MessageSink* messages = nullptr;
    MidiBackend* midi = nullptr;
    FileDialogs* fileDialogs = nullptr;
    // Runs once the main window is shown and the event loop has turned (tests and benchmarks).
    std::function<void(frmMain&)> whenShown;
    // Null: the sound card's mixer and the desktop's own file-type registry.
    SystemVolume* systemVolume = nullptr;
    DesktopIntegration* desktop = nullptr;
};

// Creates the data folders INI and ICON when they are missing; failures show later, in the writes.
void prepareDataFolders(const AppPaths& paths);

// `arguments` as the shell handed them over, the program's own name first.
int run(const QStringList& arguments, const StartOptions& options);

} // namespace MStart
