#pragma once
// The main window's files of other formats: File ▸ Open plays MIDI and MusicXML files through
// their imports (with the choice of track or part), File ▸ "导出为 MIDI 文件(&M)..." writes the
// loaded score as a MIDI file, and a recording saved under a MIDI file's name becomes one.
#include "app/QtChoiceDialog.h"
#include "exchange/ImportForPlaying.h"
#include "exchange/MidiRecordingWriter.h"
#include "exchange/ScoreExportCommand.h"

#include <QObject>
#include <QWidget>

class FileOpener;
class MainMenus;
class Recorder;
class SoundSettings;
struct AppServices;

class FileFormatWiring : public QObject {
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
        QWidget& window; // owns this object and the choice of track or part
    };

    // Lives as a child of the window, so after the file opener and the recorder.
    explicit FileFormatWiring(Parts parts);

private:
    QtChoiceDialog choice_;
    ImportForPlaying midi_;
    ImportForPlaying musicXml_;
    ScoreExportCommand midiExport_;
    MidiRecordingWriter recordingWriter_;
};
