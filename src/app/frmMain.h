#pragma once
// The main window and composition root: it builds the feature objects, the widgets and the
// controllers in the order of the start-up, wires their signals and tears them down in the
// order of the shutdown. It holds no feature logic of its own.
#include "app/AppServices.h"
#include "app/FeatureObjects.h"
#include "settings/ProgramSettings.h"

#include <QMainWindow>
#include <functional>

class BottomContainer;
class LibraryController;
class LibraryMenus;
class MainWindowSettings;
class MidiKeyboardInput;
class NoticeLabel;
class OptionsController;
class PianoKeyboard;
class PlaybackController;
class RecordingStatusView;
class ScoreView;
class StatusBarView;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window size of a first start, in twips.
    static constexpr int designedWidth = ProgramSettings::kDesignedWidth;
    static constexpr int designedHeight = ProgramSettings::kDesignedHeight;

    using StatusReporter = std::function<void(const QString&)>;

    // The widgets and controllers the window made, for the tests to reach.
    struct Parts {
        PianoKeyboard* keyboard = nullptr;
        BottomContainer* container = nullptr;
        StatusBarView* statusBar = nullptr;
        NoticeLabel* notice = nullptr;
        ScoreView* scoreView = nullptr;
        LibraryController* library = nullptr;
        LibraryMenus* libraryMenus = nullptr;
        MainWindowSettings* windowSettings = nullptr;
        OptionsController* optionsController = nullptr;
    };

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
    // The one-instance option, as the settings load left it.
    bool onlyOneInstance() const { return features_.options.blnOnlyRunOne; }

    FeatureObjects& features() { return features_; }
    const Parts& parts() const { return parts_; }

signals:
    void broughtToFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void wireStatus();
    void wireRecorder();
    void wireKeys();
    void wireLibrary();
    void wirePracticeRecord();

    AppServices services_;
    FeatureObjects features_;
    Parts parts_;
    MidiKeyboardInput* midiInput_ = nullptr;
    RecordingStatusView* recordingStatus_ = nullptr;
    PlaybackController* playback_ = nullptr;
    bool unloaded_ = false;
};
