#include "app/frmMain.h"

#include "app/BottomContainer.h"
#include "app/DamperLabel.h"
#include "app/KeyLabelController.h"
#include "app/LibraryController.h"
#include "app/LibraryMenus.h"
#include "app/MainWindowSettings.h"
#include "app/MenuBarView.h"
#include "app/FileFormatWiring.h"
#include "app/MidiInputBox.h"
#include "app/NoticeLabel.h"
#include "app/OptionsController.h"
#include "app/PianoKeyFilter.h"
#include "app/PianoKeyboard.h"
#include "app/ScoreExportWiring.h"
#include "app/PlaybackController.h"
#include "app/PracticeController.h"
#include "app/PracticeMenus.h"
#include "app/SoundPanel.h"
#include "app/StatusBarView.h"
#include "app/ViewBars.h"
#include "core/Instruments.h"
#include "core/Twips.h"
#include "keyboard/MidiKeyboardInput.h"
#include "library/ListBar.h"
#include "platform/DesktopTextEditor.h"
#include "score/RecordingStatusView.h"
#include "score/ScoreView.h"
#include "score/frmPracticeRecord.h"
#include "score/frmRecordSetting.h"
#include "settings/OptionsSection.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

namespace {
constexpr int kSoundPanelHeight = 92; // the keys start 1380 twips down
const QRect kDamperGeometry(724, 8, 120, 60);
// Right of the velocity bar, which ends at 482.
const QRect kCaptionGeometry(490, 44, 226, 24);
} // namespace

frmMain::frmMain(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), features_(services) {
    FeatureObjects& f = features_;
    setWindowTitle(QStringLiteral("Tonvale"));
    f.opener.setSavedCaption(windowTitle());
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    auto* soundPanel = new SoundPanel(f.sound, surface);
    soundPanel->setGeometry(0, 0, twipsToPixels(designedWidth), kSoundPanelHeight);
    if (services_.midiInput) {
        midiInput_ = new MidiKeyboardInput(*services_.midiInput, f.live, this);
        new MidiInputBox(*midiInput_, soundPanel);
    }
    auto* menuBarView = new MenuBarView(f.menus, menuBar(), this);
    connect(f.menus.item(MenuEntry::FileExit), &MenuItem::triggered, this, &QWidget::close);
    parts_.keyboard = new PianoKeyboard(f.live, f.pointer, surface);
    connect(&f.computerKeys, &ComputerKeys::pointerFollowRequested, parts_.keyboard,
            &PianoKeyboard::followPointer);
    (new DamperLabel(f.pointer, surface))->setGeometry(kDamperGeometry);
    parts_.container = new BottomContainer(surface);
    wireStatus();
    auto* lblShowLRC = new QLabel(surface);
    lblShowLRC->setObjectName(QStringLiteral("lblShowLRC"));
    lblShowLRC->setGeometry(kCaptionGeometry);
    wireRecorder();
    new ViewBars(f.menus, *parts_.container, *this);
    playback_ = new PlaybackController(
        {f.transport, f.engine, f.opener, f.menus, f.recorder, f.noteTable, f.keyMap,
         services_.messages, *menuBarView, *this, *parts_.container, *parts_.statusBar, f.status,
         *lblShowLRC},
        this);
    parts_.scoreView = playback_->scoreView();
    parts_.libraryMenus =
        new LibraryMenus({f.engine, f.opener, f.playingList, f.favorites, f.recentFiles, f.menus,
                          services_, *menuBarView, *parts_.statusBar, f.status, *this});
    parts_.library =
        new LibraryController({f.opener, f.engine, f.playingList, f.favorites, f.recentFiles,
                               f.options, f.menus, f.transport, f.sound, f.noteTable,
                               f.practiceRecord, services_,
                               *this, *parts_.container, menuBarView->popupMenu()},
                              &DesktopTextEditor::find);
    wireLibrary();
    new FileFormatWiring(
        {f.noteTable, f.engine, f.sound, f.opener, f.recorder, f.menus, services_, *this});
    new ScoreExportWiring({f.engine, f.keyMap, f.sound, f.menus, services_, *this});
    parts_.windowSettings = new MainWindowSettings(
        {services_, f.options, f.noteTable, f.keyMap, f.sound, f.menus, f.recentFiles,
         f.playingList, f.favorites, parts_.libraryMenus->favoritesMenu(), f.opener, f.engine,
         f.transport, *this, *parts_.container});
    connect(&f.transport, &Transport::topmostRuleRequested, parts_.windowSettings,
            &MainWindowSettings::SetTopmost);
    parts_.optionsController =
        new OptionsController({f.options, f.keyMap, f.noteTable, f.engine, f.menus,
                               *parts_.windowSettings, services_, *this});
    wireKeys();
    // Last, when every control of the window is in place.
    new PianoKeyFilter(*this, f.computerKeys, this);
    new KeyLabelController(
        {f.menus, f.keyMap, f.noteTable, *parts_.keyboard, services_.capsLockState, *this});
    new PracticeController({f.menus, f.engine, f.live, f.pointer, f.status, *parts_.keyboard,
                            *parts_.scoreView},
                           this);
    new PracticeMenus(f.menus, f.engine, *parts_.scoreView, this);
    wirePracticeRecord();
}

// Children go after the members; the recording status view watches the recorder, so it goes first.
frmMain::~frmMain() {
    unload();
    delete recordingStatus_;
}

// What the program has to say goes through the status line. What a person must see also stands
// as a notice over the keys, since the status bar is hidden on a first start.
void frmMain::wireStatus() {
    FeatureObjects& f = features_;
    parts_.statusBar = new StatusBarView(parts_.container->picStatusBar(), f.status);
    parts_.notice = new NoticeLabel(f.status, *parts_.keyboard, *this);
    connect(&f.sound, &SoundSettings::soundOutputNoteChanged, this, [this](const QString& note) {
        parts_.statusBar->showSoundOutputNote(note);
        StatusLine& status = features_.status;
        if (!note.isEmpty())
            status.notify(note);
        else if (status.notice() == SoundSettings::noSoundOutputText())
            status.dismissNotice(); // the sound came back
    });
    connect(&f.sound, &SoundSettings::deviceNote, &f.status, &StatusLine::tell);
    if (midiInput_)
        connect(midiInput_, &MidiKeyboardInput::statusMessage, &f.status, &StatusLine::tell);
}

void frmMain::wireRecorder() {
    FeatureObjects& f = features_;
    recordingStatus_ = new RecordingStatusView(f.recorder, f.status, parts_.statusBar->lblStatus,
                                               Qt::PointingHandCursor, this);
    connect(f.menus.item(MenuEntry::FileRecord), &MenuItem::triggered, this,
            [this, &f] { frmRecordSetting::Start(f.recorder, f.sound, this); });
    connect(&f.live, &LiveKeyboard::restartRecordingStopwatch, &f.recorder,
            &Recorder::restartStopwatch);
    connect(&f.live, &LiveKeyboard::recordKeyRelease, &f.recorder, &Recorder::RecordKeyRelease);
    connect(&f.live, &LiveKeyboard::recordKeyStruck, &f.recorder, &Recorder::keyStruck);
    connect(&f.live, &LiveKeyboard::recordHeldKeyRelease, &f.recorder,
            &Recorder::RecordHeldKeyRelease);
    connect(&f.commandKeys, &CommandKeys::requestStopRecording, &f.recorder,
            &Recorder::DropRecording);
}

// View ▸ 练习记录 shows the playing score's runs; the record reports in the status bar.
void frmMain::wirePracticeRecord() {
    FeatureObjects& f = features_;
    // A damaged or unsaved record is told where it is seen, with the status bar hidden too.
    connect(&f.practiceRecord, &PracticeRecord::statusMessage, &f.status, &StatusLine::tell);
    // Every finished run and every pass of a looped passage is kept.
    connect(&f.engine, &PlaybackEngine::practiceFinished, &f.practiceRecord,
            [&f](const PracticeRun& run, const QString& path) { f.practiceRecord.add(path, run); });
    connect(f.menus.item(MenuEntry::ViewPracticeRecord), &MenuItem::triggered, this, [this, &f] {
        frmPracticeRecord::Start(f.practiceRecord, f.engine.score().strPlayingFile, this);
    });
}

// The command keys run the commands of the menus, while those are enabled.
void frmMain::wireKeys() {
    FeatureObjects& f = features_;
    const MainMenus& menus = f.menus;
    const auto enabled = [&menus](MenuEntry entry) {
        return [&menus, entry] { return menus.item(entry)->enabled(); };
    };
    f.commandKeys.setConditions({enabled(MenuEntry::PlayPause),
                                 [&f] { return f.transport.PlayState() == Transport::Playing; },
                                 enabled(MenuEntry::PopupDeleteSelected),
                                 enabled(MenuEntry::PopupDeleteAll),
                                 enabled(MenuEntry::PopupOrganizeFavorites)});
    const auto runs = [this, &menus](void (CommandKeys::*request)(), MenuEntry entry) {
        connect(&features_.commandKeys, request, menus.item(entry), &MenuItem::trigger);
    };
    runs(&CommandKeys::requestPlayPause, MenuEntry::PlayPause);
    runs(&CommandKeys::requestDeleteSelected, MenuEntry::PopupDeleteSelected);
    runs(&CommandKeys::requestDeleteAll, MenuEntry::PopupDeleteAll);
    // Switching the mode leaves no note of the other mode sounding.
    MenuItem* polyphonic = menus.item(MenuEntry::PlayPolyphonic);
    f.live.setPolyphonic([polyphonic] { return polyphonic->checked(); });
    menus.makeToggle(MenuEntry::PlayPolyphonic, this);
    connect(polyphonic, &MenuItem::triggered, &f.live, &LiveKeyboard::ResetKeyboard);
}

// The list bar and the keys ask for favorites and scans; the library menus carry them out.
void frmMain::wireLibrary() {
    const ListBar* bar = parts_.library->listBar();
    LibraryMenus* menus = parts_.libraryMenus;
    const CommandKeys* keys = &features_.commandKeys;
    connect(bar, &ListBar::searchRequested, menus, &LibraryMenus::searchAllDrives);
    connect(bar, &ListBar::addFolderRequested, menus, &LibraryMenus::addFolder);
    connect(bar, &ListBar::addToFavoritesRequested, menus, &LibraryMenus::addToFavorites);
    connect(bar, &ListBar::organizeFavoritesRequested, menus, &LibraryMenus::organizeFavorites);
    connect(bar, &ListBar::favoritesDeleted, menus, &LibraryMenus::favoritesDeleted);
    connect(parts_.library, &LibraryController::folderDropped, menus,
            &LibraryMenus::scanDroppedFolder);
    connect(keys, &CommandKeys::requestSearch, menus, &LibraryMenus::searchAllDrives);
    connect(keys, &CommandKeys::requestAddFolder, menus, &LibraryMenus::addFolder);
    connect(keys, &CommandKeys::requestOrganizeFavorites, menus, &LibraryMenus::organizeFavorites);
    menus->setActiveList([bar] { return bar->intActiveList(); });
}

void frmMain::load(const StatusReporter& status) {
    FeatureObjects& f = features_;
    f.menus.item(MenuEntry::RecentClear)->setEnabled(false);
    f.menus.item(MenuEntry::RecentListSeparator)->setVisible(false);
    f.menus.item(MenuEntry::FavoritesListSeparator)->setVisible(false);

    f.noteTable.LoadNoteMap(services_.paths);

    status(QStringLiteral("正在 初始化 MIDI 设备……"));
    f.sound.setDevices(f.midi.FillMidiDevices());
    f.sound.selectChannel(0);

    status(QStringLiteral("正在 初始化乐器……"));
    f.sound.setInstrumentNames(Instruments::LoadInstruments(services_.paths));

    status(QStringLiteral("应用 程序配置……"));
    parts_.windowSettings->LoadSettings();
    if (midiInput_) midiInput_->load(OptionsSection::settingsPath(services_.paths));
}

void frmMain::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    parts_.libraryMenus->clearRecentFilesIfConfigured();
    features_.midi.CloseMidiOut();
    parts_.windowSettings->SaveSettings(isMinimized());
    if (midiInput_) {
        midiInput_->save(OptionsSection::settingsPath(services_.paths));
        services_.midiInput->close();
    }
}

void frmMain::openFromCommandLine(const QString& path) {
    features_.opener.playAllFiles(path, true, true);
}

void frmMain::bringToFront() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    QApplication::alert(this);
    emit broughtToFront();
}

void frmMain::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
    QApplication::quit();
}
