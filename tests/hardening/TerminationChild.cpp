// The whole program in a temporary program folder, with recording doubles, for the termination
// test: prints "shown" once its window is up and "closed" after the event loop has ended, each
// with how often the MIDI output was closed so far; the unload closes it once more.
#include "app/MStart.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingMidiBackend.h"
#include "support/RecordingSystemVolume.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TempProgramFolder folder;
    RecordingMessageSink messages;
    RecordingMidiBackend midi;
    ScriptedFileDialogs dialogs;
    RecordingSystemVolume volume;
    RecordingDesktopIntegration desktop;
    MStart::StartOptions options{folder.paths(), &messages, &midi, &dialogs, [&midi](frmMain&) {
                                     std::printf("shown %d\n", midi.closeCount);
                                     std::fflush(stdout);
                                 },
                                 &volume, &desktop};
    const int code = MStart::run(QApplication::arguments(), options);
    std::printf("\nclosed %d\n", midi.closeCount);
    std::fflush(stdout);
    return code;
}
