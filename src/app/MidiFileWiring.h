#pragma once
// The main window's MIDI files: File ▸ Open plays them through their import (with the track
// choice), and File ▸ "导出为 MIDI 文件(&M)..." writes the loaded score as one.
#include "midi/MidiExportCommand.h"
#include "midi/MidiOpener.h"
#include "midi/QtMidiTrackPicker.h"

#include <QObject>
#include <QWidget>

class FileOpener;
class MainMenus;
struct AppServices;

class MidiFileWiring : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const NoteTable& noteTable;
        const PlaybackEngine& engine;
        const SoundSettings& sound;
        FileOpener& opener;
        const MainMenus& menus;
        const AppServices& services;
        QWidget& window; // owns this object and the track choice
    };

    // Lives as a child of the window, so after the file opener.
    explicit MidiFileWiring(Parts parts);

private:
    QtMidiTrackPicker picker_;
    MidiOpener opener_;
    MidiExportCommand export_;
};
