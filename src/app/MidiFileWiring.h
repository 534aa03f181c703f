#pragma once
// The main window's MIDI files: File ▸ Open plays them through their import (with the choice
// of the melody), File ▸ "导出为 MIDI 文件(&M)..." writes the loaded score as one, and a
// recording saved under a MIDI file's name becomes one.
#include "exchange/MidiExportCommand.h"
#include "exchange/MidiOpener.h"
#include "exchange/MidiRecordingWriter.h"
#include "exchange/QtMidiTrackPicker.h"

#include <QObject>
#include <QWidget>

class FileOpener;
class MainMenus;
class Recorder;
struct AppServices;

class MidiFileWiring : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const NoteTable& noteTable;
        const PlaybackEngine& engine;
        const SoundSettings& sound;
        FileOpener& opener;
        Recorder& recorder;
        const MainMenus& menus;
        const AppServices& services;
        QWidget& window; // owns this object and the track choice
    };

    // Lives as a child of the window, so after the file opener and the recorder.
    explicit MidiFileWiring(Parts parts);

private:
    QtMidiTrackPicker picker_;
    MidiOpener opener_;
    MidiExportCommand export_;
    MidiRecordingWriter recordingWriter_;
};
