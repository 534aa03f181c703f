#pragma once
// One whole run of the program in a temporary program folder, on recording doubles: nothing
// reaches the real MIDI ports, mixer, dialogs or the user's desktop.
#include "app/MStart.h"
#include "app/frmMain.h"
#include "support/RecordingMidiBackend.h"
#include "support/ServiceDoubles.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <gtest/gtest.h>

struct ProgramRun : testing::Test, ServiceDoubles {
    // `check` runs once the window is shown; then the run ends as by a quit. Returns the exit code.
    int runProgram(const std::function<void(frmMain&)>& check = {},
                   const QStringList& arguments = {QStringLiteral("tonvale")}) {
        return MStart::run(arguments, options([&](frmMain& main) {
                               if (check) check(main);
                               QApplication::quit();
                           }));
    }
    MStart::StartOptions options(std::function<void(frmMain&)> whenShown) {
        return {dir.paths(), &messages, &midi, &dialogs, std::move(whenShown), &volume, &desktop};
    }

    TempProgramFolder dir;
    RecordingMidiBackend midi;
};
