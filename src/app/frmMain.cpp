#include "app/frmMain.h"

#include "app/LibraryController.h"
#include "app/MidiFileWiring.h"
#include "app/LibraryMenus.h"
#include "app/MenuBarView.h"
#include "app/MidiInputBox.h"
#include "app/OptionsController.h"
#include "app/BottomContainer.h"
#include "app/DamperLabel.h"
#include "app/KeyLabelController.h"
#include "app/PianoKeyFilter.h"
#include "app/PianoKeyboard.h"
#include "app/PracticeController.h"
#include "app/SoundPanel.h"
#include "app/StatusBarView.h"
#include "app/TransportBar.h"
#include "library/ListBar.h"
#include "score/frmGoTo.h"
#include "score/RecordingStatusView.h"
#include "score/ScoreCheck.h"
#include "score/ScoreView.h"
#include "score/frmRecordSetting.h"
#include "core/Twips.h"
#include "core/Instruments.h"
#include "platform/DesktopTextEditor.h"
#include "settings/OptionsSection.h"

#include <QApplication>
#include <QLabel>
#include <QCloseEvent>
#include <QVBoxLayout>

namespace {
constexpr int kSoundPanelHeight = 92; // the keys start 1380 twips down
const QRect kDamperGeometry(724, 8, 120, 60);
// Right of the velocity bar, which ends at 482.
const QRect kCaptionGeometry(490, 44, 226, 24);
} // namespace

frmMain::frmMain(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), midi_(services.midi, services.messages),
      sound_(midi_), live_(sound_, keyMap_, options_),
      recorder_(noteTable_, services.time, services.messages, services.fileDialogs), keyboardPort_(live_),
      engine_(noteTable_, sound_, keyboardPort_, services.time, services.messages),
      opener_(engine_, playingList_, recentFiles_, options_, services.messages), transport_(engine_, menus_) {
    setWindowTitle(QStringLiteral("Tonvale"));
    opener_.setSavedCaption(windowTitle());
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    soundPanel_ = new SoundPanel(sound_, surface);
    soundPanel_->setGeometry(0, 0, twipsToPixels(designedWidth), kSoundPanelHeight);
    if (services_.midiInput) {
        midiInput_ = new MidiKeyboardInput(*services_.midiInput, live_, this);
        midiInputBox_ = new MidiInputBox(*midiInput_, soundPanel_);
    }
    menuBarView_ = new MenuBarView(menus_, menuBar(), this);
    connect(menus_.mnuFileSubs(10), &MenuItem::triggered, this, &QWidget::close);
    keyboard_ = new PianoKeyboard(live_, surface);
    lblMute_ = new DamperLabel(live_, surface);
    lblMute_->setGeometry(kDamperGeometry);
    picContainer_ = new BottomContainer(surface);
    statusBar_ = new StatusBarView(picContainer_->picStatusBar());
    connect(&sound_, &SoundSettings::soundOutputNoteChanged, statusBar_,
            &StatusBarView::showSoundOutputNote);
    connect(&sound_, &SoundSettings::deviceNote, statusBar_->lblStatus, &QLabel::setText);
    if (midiInput_)
        connect(midiInput_, &MidiKeyboardInput::statusMessage, statusBar_->lblStatus,
                &QLabel::setText);
    lblShowLRC_ = new QLabel(surface);
    lblShowLRC_->setObjectName(QStringLiteral("lblShowLRC"));
    lblShowLRC_->setGeometry(kCaptionGeometry);
    wireRecorder();
    wireEngine();
    wireViewMenu();
    wireTransport();
    wireScoreView();
    library_ = new LibraryController(*this, menuBarView_->popupMenu(), &DesktopTextEditor::find);
    libraryMenus_ = new LibraryMenus(*this, *menuBarView_);
    wireLibrary();
    new MidiFileWiring(*this);
    settings_ = new MainWindowSettings(*this);
    optionsController_ = new OptionsController(*this);
    // The keys under the notes follow the key map as it changes (Apply, defaults, a file read).
    connect(&keyMap_, &KeyMap::changed, scoreView_, &ScoreView::refreshKeyNames);
    // Last, when every control of the window is in place.
    keyFilter_ = new PianoKeyFilter(*this, live_, this);
    new KeyLabelController(*this);
    new PracticeController(*this);
}

// Children go after the members; the recording status view watches the recorder, so it goes first.
frmMain::~frmMain() {
    unload();
    delete recordingStatus_;
}

void frmMain::wireRecorder() {
    recordingStatus_ = new RecordingStatusView(recorder_, statusBar_->lblStatus, Qt::PointingHandCursor, this);
    connect(menus_.mnuFileSubs(5), &MenuItem::triggered, this,
            [this] { frmRecordSetting::Start(recorder_, sound_, this); });
    connect(&live_, &LiveKeyboard::restartRecordingStopwatch, &recorder_, &Recorder::restartStopwatch);
    connect(&live_, &LiveKeyboard::recordKeyRelease, &recorder_, &Recorder::RecordKeyRelease);
    connect(&live_, &LiveKeyboard::recordKeyStruck, &recorder_, &Recorder::keyStruck);
    connect(&live_, &LiveKeyboard::recordHeldKeyRelease, &recorder_,
            &Recorder::RecordHeldKeyRelease);
    connect(&live_, &LiveKeyboard::requestStopRecording, &recorder_, &Recorder::DropRecording);
}

void frmMain::wireEngine() {
    engine_.setPlayingList(&opener_);
    LiveKeyboard::Conditions keys;
    keys.playPauseEnabled = [this] { return menus_.mnuPlaySubs(0)->enabled(); };
    keys.scorePlaying = [this] { return transport_.PlayState() == 0; };
    keys.deleteSelectedEnabled = [this] { return menus_.mnuPopupSubs(6)->enabled(); };
    keys.deleteAllEnabled = [this] { return menus_.mnuPopupSubs(7)->enabled(); };
    keys.organizeFavoritesEnabled = [this] { return menus_.mnuPopupSubs(14)->enabled(); };
    MenuItem* polyphonic = menus_.mnuPlaySubs(MainMenus::PlayPolyphonic);
    keys.polyphonic = [polyphonic] { return polyphonic->checked(); };
    live_.setConditions(keys);
    // Switching the mode leaves no note of the other mode sounding.
    connect(polyphonic, &MenuItem::triggered, this, [this, polyphonic] {
        polyphonic->setChecked(!polyphonic->checked());
        live_.ResetKeyboard();
    });
    connect(&live_, &LiveKeyboard::requestPlayPause, menus_.mnuPlaySubs(0), &MenuItem::trigger);
    connect(&engine_, &PlaybackEngine::captionChanged, lblShowLRC_, &QLabel::setText);
    connect(&engine_, &PlaybackEngine::playedTimeTextChanged, statusBar_->lblPlayedTime, &QLabel::setText);
    connect(&engine_, &PlaybackEngine::exitRequested, this, &QWidget::close, Qt::QueuedConnection);
    connect(&opener_, &FileOpener::captionChanged, this, &QWidget::setWindowTitle);
    connect(&recorder_, &Recorder::pauseRequested, &transport_, [this] {
        if (transport_.PlayState() == 0) transport_.clickButton(1);
    });
}

// The first four entries of the View menu show the bars of the same numbers.
void frmMain::wireViewMenu() {
    for (int bar = 0; bar <= BottomContainerLayout::Status; ++bar)
        wireBarToggle(menus_.mnuViewSubs(bar), BottomContainerLayout::Bar(bar));
    wireBarToggle(menus_.mnuScoreBar, BottomContainerLayout::Score);
}

// Showing a bar grows the window by the bar's height and hiding it shrinks the window, so the
// keyboard keeps its size.
void frmMain::wireBarToggle(MenuItem* item, BottomContainerLayout::Bar bar) {
    connect(item, &MenuItem::triggered, this, [this, item, bar] {
        item->setChecked(!item->checked());
        picContainer_->setBarVisible(bar, item->checked());
        const int change = twipsToPixels(BottomContainer::barHeightTwips(bar));
        resize(width(), height() + (item->checked() ? change : -change));
    });
}

// The score bar follows the engine; a click on a note plays from there, as the go-to dialog
// does.
void frmMain::wireScoreView() {
    scoreView_ = new ScoreView([this](int key) { return keyMap_.strKeyName(key); },
                               picContainer_->scoreBar());
    auto* layout = new QVBoxLayout(picContainer_->scoreBar());
    layout->setContentsMargins(0, 1, 0, 0);
    layout->addWidget(scoreView_);
    connect(&engine_, &PlaybackEngine::scoreLoaded, scoreView_, [this] {
        scoreView_->setNotation(
            ScoreNotation(engine_.score(), ScoreCheck::checkLoaded(engine_.score(), noteTable_)));
    });
    connect(&engine_, &PlaybackEngine::progressValueChanged, scoreView_,
            [this] { scoreView_->setPlayedRow(engine_.lngCurrentRow()); });
    connect(scoreView_, &ScoreView::rowClicked, this, [this](qint32 row) {
        engine_.setLngCurrentRow(row - 1);
        transport_.clickButton(Transport::PlayButton);
    });
}

void frmMain::wireTransport() {
    transport_.setPlayingList(&opener_);
    transportBar_ = new TransportBar(transport_, engine_, picContainer_->picControlBar(),
                                     picContainer_->trkProgressBar(), statusBar_->lblPlayedTime, this);
    connect(&transport_, &Transport::statusChanged, statusBar_->lblStatus, &QLabel::setText);
    connect(&transport_, &Transport::topmostRuleRequested, this, &frmMain::SetTopmost);
    connect(&transport_, &Transport::playEntryRequested, this,
            [this](const QString& entry) { opener_.playAllFiles(entry, true, true); });
    connect(&transport_, &Transport::closeRequested, this, &frmMain::closeScore);
    connect(menus_.mnuFileSubs(3), &MenuItem::triggered, this, &frmMain::closeScore);
    connect(&transport_, &Transport::goToRequested, this,
            [this] { frmGoTo::Start(engine_, transport_, services_.messages, this); });
    // Exactly one playing-list mode is checked; the engine follows it at the end of each score.
    connect(&menus_.mnuPlayListSubs, &MenuArray::triggered, this, [this](int index) {
        if (index > 4) return;
        QList<MenuItem*> modes;
        for (int i = 0; i <= 4; ++i) modes << menus_.mnuPlayListSubs(i);
        MainMenus::checkOnly(modes[index], modes);
        engine_.setListMode(EndOfScore::ListMode(index));
    });
    connect(menuBarView_, &MenuBarView::menuOpened, &transport_, &Transport::menuOpened);
    connect(menuBarView_, &MenuBarView::menuClosed, &transport_, &Transport::menuClosed);
}

// The list bar and the keys ask for favorites and scans; the library menus carry them out.
void frmMain::wireLibrary() {
    const ListBar* bar = library_->listBar();
    LibraryMenus* menus = libraryMenus_;
    connect(bar, &ListBar::searchRequested, menus, &LibraryMenus::searchAllDrives);
    connect(bar, &ListBar::addFolderRequested, menus, &LibraryMenus::addFolder);
    connect(bar, &ListBar::addToFavoritesRequested, menus, &LibraryMenus::addToFavorites);
    connect(bar, &ListBar::organizeFavoritesRequested, menus, &LibraryMenus::organizeFavorites);
    connect(bar, &ListBar::favoritesDeleted, menus, &LibraryMenus::favoritesDeleted);
    connect(library_, &LibraryController::folderDropped, menus, &LibraryMenus::scanDroppedFolder);
    connect(&live_, &LiveKeyboard::requestSearch, menus, &LibraryMenus::searchAllDrives);
    connect(&live_, &LiveKeyboard::requestAddFolder, menus, &LibraryMenus::addFolder);
    connect(&live_, &LiveKeyboard::requestOrganizeFavorites, menus, &LibraryMenus::organizeFavorites);
    menus->setActiveList([bar] { return bar->intActiveList(); });
}

void frmMain::closeScore() {
    transport_.Close();
    scoreView_->setNotation({});
    setWindowTitle(QStringLiteral("Tonvale"));
}

void frmMain::SetTopmost(bool on) { settings_->SetTopmost(on); }

void frmMain::load(const StatusReporter& status) {
    for (int i = 0; i <= 2; ++i) menus_.mnuPlaySubs(i)->setEnabled(false);
    menus_.mnuRecentFiles(1)->setEnabled(false);
    menus_.mnuRecentFiles(2)->setVisible(false);
    menus_.mnuFavoriteSubs(2)->setVisible(false);

    noteTable_.LoadNoteMap(services_.paths);

    status(QStringLiteral("正在 初始化 MIDI 设备……"));
    sound_.setDevices(midi_.FillMidiDevices());
    sound_.selectChannel(0);

    status(QStringLiteral("正在 初始化乐器……"));
    sound_.setInstrumentNames(Instruments::LoadInstruments(services_.paths));

    status(QStringLiteral("应用 程序配置……"));
    settings_->LoadSettings();
    if (midiInput_) midiInput_->load(OptionsSection::settingsPath(services_.paths));
}

void frmMain::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    libraryMenus_->clearRecentFilesIfConfigured();
    midi_.CloseMidiOut();
    settings_->SaveSettings(isMinimized());
    if (midiInput_) {
        midiInput_->save(OptionsSection::settingsPath(services_.paths));
        services_.midiInput->close();
    }
}

void frmMain::openFromCommandLine(const QString& path) { opener_.playAllFiles(path, true, true); }

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
