#pragma once
// The main window's MIDI files: File ▸ Open plays them through their import (with the track
// choice), and File ▸ "导出为 MIDI 文件(&M)..." writes the loaded score as one.
#include "midi/MidiExportCommand.h"
#include "midi/MidiOpener.h"
#include "midi/QtMidiTrackPicker.h"

#include <QObject>

class frmMain;

class MidiFileWiring : public QObject {
    Q_OBJECT
public:
    // Lives as a child of the main window, so after its members, the file opener included.
    explicit MidiFileWiring(frmMain& main);

private:
    QtMidiTrackPicker picker_;
    MidiOpener opener_;
    MidiExportCommand export_;
};
