#pragma once
// A recorder over the real note table, a virtual clock, and scripted dialogs and message boxes.
#include "score/Recorder.h"
#include "support/ManualClock.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class RecorderFixture : public testing::Test {
protected:
    RecorderFixture() {
        QDir(folder.path()).mkdir(QStringLiteral("INI"));
        notes.LoadNoteMap(folder.paths());
    }

    // Starts a recording with the dialog's texts as typed.
    void begin(const QString& rhythm = QStringLiteral("4/4"),
               const QString& velocity = QStringLiteral("60")) {
        recorder.StartRecording();
        recorder.BeginRecording({0, QStringLiteral("C"), rhythm, velocity});
    }
    // Strikes, holds for `ms` of virtual time and releases `key`.
    void play(int key, double ms) {
        recorder.restartStopwatch();
        clock.advanceMs(ms);
        recorder.RecordKeyRelease(key);
    }

    TempProgramFolder folder;
    NoteTable notes;
    ManualClock clock;
    RecordingMessageSink messages;
    ScriptedFileDialogs dialogs;
    Recorder recorder{notes, clock, messages, dialogs};
};
