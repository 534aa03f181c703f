#pragma once
// The main window and composition root: it owns one object per feature, creates them in the
// order of the start-up, wires their signals and tears them down in the order of the shutdown.
// It holds no feature logic of its own.
#include "app/AppServices.h"
#include "core/MainMenus.h"
#include "keyboard/BottomContainerLayout.h"
#include "core/MMidiOut.h"
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "keyboard/KeyMap.h"
#include "keyboard/LiveKeyboard.h"
#include "app/LiveKeyboardPort.h"
#include "app/MainWindowSettings.h"
#include "library/FileOpener.h"
#include "library/ListPair.h"
#include "library/RecentFiles.h"
#include "score/PlaybackEngine.h"
#include "score/Recorder.h"
#include "score/Transport.h"
#include "settings/ProgramOptions.h"

#include <QMainWindow>
#include <functional>

class LibraryController;
class LibraryMenus;
class MenuBarView;
class MidiInputBox;
class MidiKeyboardInput;
class OptionsController;
class BottomContainer;
class QLabel;
class DamperLabel;
class PianoKeyFilter;
class PianoKeyboard;
class RecordingStatusView;
class ScoreView;
class SoundPanel;
class StatusBarView;
class TransportBar;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window size of a first start, in twips.
    static constexpr int designedWidth = ProgramSettings::kDesignedWidth;
    static constexpr int designedHeight = ProgramSettings::kDesignedHeight;

    using StatusReporter = std::function<void(const QString&)>;

    explicit frmMain(const AppServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load sequence of the main window; `status` shows each step on the splash.
    void load(const StatusReporter& status);
    // The shutdown sequence; runs once, however the run ends.
    void unload();
    // Opens the file named on the command line.
    void openFromCommandLine(const QString& path);
    // Another start of the program asked for this window: restore, raise and flash it.
    void bringToFront();

    const AppServices& services() const { return services_; }
    ProgramOptions& options() { return options_; }
    NoteTable& noteTable() { return noteTable_; }
    SoundSettings& sound() { return sound_; }
    MainMenus& menus() { return menus_; }
    KeyMap& keyMap() { return keyMap_; }
    LiveKeyboard& liveKeyboard() { return live_; }
    PianoKeyboard* keyboard() const { return keyboard_; }
    BottomContainer* container() const { return picContainer_; }
    Recorder& recorder() { return recorder_; }
    PlaybackEngine& engine() { return engine_; }
    FileOpener& opener() { return opener_; }
    Transport& transport() { return transport_; }
    ListPair& playingList() { return playingList_; }
    LibraryController& library() { return *library_; }
    ListPair& favorites() { return favoritesList_; }
    MainWindowSettings& windowSettings() { return *settings_; }
    LibraryMenus& libraryMenus() { return *libraryMenus_; }
    RecentFiles& recentFiles() { return recentFiles_; }
    StatusBarView* statusBar() const { return statusBar_; }
    ScoreView* scoreView() const { return scoreView_; }
    OptionsController* optionsController() const { return optionsController_; }

signals:
    void broughtToFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void wireRecorder();
    void wireEngine();
    void wireViewMenu();
    void wireBarToggle(MenuItem* item, BottomContainerLayout::Bar bar);
    void wireScoreView();
    void wireTransport();
    void wireLibrary();
    // File ▸ Close: no score any more.
    void closeScore();
    void SetTopmost(bool on);

    AppServices services_;
    ProgramOptions options_;
    NoteTable noteTable_;
    MMidiOut midi_;
    SoundSettings sound_;
    MainMenus menus_;
    MenuBarView* menuBarView_ = nullptr;
    KeyMap keyMap_;
    LiveKeyboard live_;
    Recorder recorder_;
    LiveKeyboardPort keyboardPort_;
    PlaybackEngine engine_;
    ListPair playingList_;
    ListPair favoritesList_;
    RecentFiles recentFiles_;
    FileOpener opener_;
    Transport transport_;
    SoundPanel* soundPanel_ = nullptr;
    MidiKeyboardInput* midiInput_ = nullptr;
    MidiInputBox* midiInputBox_ = nullptr;
    PianoKeyboard* keyboard_ = nullptr;
    DamperLabel* lblMute_ = nullptr;
    BottomContainer* picContainer_ = nullptr;
    PianoKeyFilter* keyFilter_ = nullptr;
    StatusBarView* statusBar_ = nullptr;
    RecordingStatusView* recordingStatus_ = nullptr;
    QLabel* lblShowLRC_ = nullptr;
    ScoreView* scoreView_ = nullptr;
    TransportBar* transportBar_ = nullptr;
    LibraryController* library_ = nullptr;
    MainWindowSettings* settings_ = nullptr;
    OptionsController* optionsController_ = nullptr;
    LibraryMenus* libraryMenus_ = nullptr;
    bool unloaded_ = false;
};
