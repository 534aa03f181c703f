#include "app/frmMain.h"

#include "app/LibraryMenus.h"
#include "app/MenuBarView.h"
#include "app/BottomContainer.h"
#include "app/DamperLabel.h"
#include "app/PianoKeyFilter.h"
#include "app/PianoKeyboard.h"
#include "app/SoundPanel.h"
#include "app/StatusBarView.h"
#include "app/TransportBar.h"
#include "score/frmGoTo.h"
#include "score/RecordingStatusView.h"
#include "score/frmRecordSetting.h"
#include "core/Twips.h"
#include "core/Instruments.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QCloseEvent>
#include <QScreen>

namespace {
constexpr int kSoundPanelHeight = 92; // the keys start 1380 twips down
const QRect kDamperGeometry(724, 8, 120, 60);
const QRect kCaptionGeometry(470, 44, 246, 24);
const QString kSampleScore = QStringLiteral("Vellmor《虞美人》.piano");
constexpr int kSampleScoreResource = 104;
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
    menuBarView_ = new MenuBarView(menus_, menuBar(), this);
    connect(menus_.mnuFileSubs(10), &MenuItem::triggered, this, &QWidget::close);
    keyboard_ = new PianoKeyboard(live_, surface);
    lblMute_ = new DamperLabel(live_, surface);
    lblMute_->setGeometry(kDamperGeometry);
    picContainer_ = new BottomContainer(surface);
    keyFilter_ = new PianoKeyFilter(*this, live_, this);
    statusBar_ = new StatusBarView(picContainer_->picStatusBar());
    lblShowLRC_ = new QLabel(surface);
    lblShowLRC_->setGeometry(kCaptionGeometry);
    wireRecorder();
    wireEngine();
    wireViewMenu();
    wireTransport();
    libraryMenus_ = new LibraryMenus(*this, *menuBarView_);
}

frmMain::~frmMain() { unload(); }

void frmMain::wireRecorder() {
    recordingStatus_ = new RecordingStatusView(recorder_, statusBar_->lblStatus, Qt::PointingHandCursor, this);
    connect(menus_.mnuFileSubs(5), &MenuItem::triggered, this,
            [this] { frmRecordSetting::Start(recorder_, sound_, this); });
    connect(&live_, &LiveKeyboard::restartRecordingStopwatch, &recorder_, &Recorder::restartStopwatch);
    connect(&live_, &LiveKeyboard::recordKeyRelease, &recorder_, &Recorder::RecordKeyRelease);
    connect(&live_, &LiveKeyboard::requestStopRecording, &recorder_, &Recorder::DropRecording);
}

void frmMain::wireEngine() {
    engine_.setPlayingList(&opener_);
    LiveKeyboard::Conditions keys;
    keys.playPauseEnabled = [this] { return menus_.mnuPlaySubs(0)->enabled(); };
    keys.scorePlaying = [this] { return transport_.PlayState() == 0; };
    live_.setConditions(keys);
    connect(&live_, &LiveKeyboard::requestPlayPause, menus_.mnuPlaySubs(0), &MenuItem::trigger);
    connect(&engine_, &PlaybackEngine::statusChanged, statusBar_->lblStatus, &QLabel::setText);
    connect(&engine_, &PlaybackEngine::captionChanged, lblShowLRC_, &QLabel::setText);
    connect(&engine_, &PlaybackEngine::playedTimeTextChanged, statusBar_->lblPlayedTime, &QLabel::setText);
    connect(&engine_, &PlaybackEngine::exitRequested, this, &QWidget::close, Qt::QueuedConnection);
    connect(&opener_, &FileOpener::captionChanged, this, &QWidget::setWindowTitle);
    connect(&recorder_, &Recorder::pauseRequested, &transport_, [this] {
        if (transport_.PlayState() == 0) transport_.clickButton(1);
    });
}

// Showing a bar grows the window by the bar's height and hiding it shrinks the window, so the
// keyboard keeps its size.
void frmMain::wireViewMenu() {
    for (int bar = 0; bar < BottomContainerLayout::BarCount; ++bar) {
        connect(menus_.mnuViewSubs(bar), &MenuItem::triggered, this, [this, bar] {
            MenuItem* item = menus_.mnuViewSubs(bar);
            item->setChecked(!item->checked());
            const auto which = BottomContainer::Bar(bar);
            picContainer_->setBarVisible(which, item->checked());
            const int change = twipsToPixels(BottomContainer::barHeightTwips(which));
            resize(width(), height() + (item->checked() ? change : -change));
        });
    }
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

void frmMain::closeScore() {
    transport_.Close();
    setWindowTitle(QStringLiteral("Tonvale"));
}

// Qt re-creates the native window when a window flag changes: only do it for a real change.
void frmMain::SetTopmost(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) show();
}

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
    // The options gate of the user's key map comes with the settings file.
    keyMap_.LoadKeyMaps(services_.paths, noteTable_, false);
    applyFirstStartSettings();
}

// The choices of a first start; the settings file replaces them once it exists.
void frmMain::applyFirstStartSettings() {
    resize(twipsToPixels(designedWidth), twipsToPixels(designedHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + static_cast<int>((area.width() - width()) / 2.0f),
             area.y() + static_cast<int>((area.height() - height()) / 3.0f));
    }
    sound_.selectDevice(0);
    sound_.selectInstrument(0);
    sound_.selectChannel(0);
    sound_.setPitchShift(SoundSettings::kDefaultPitchShift);
    sound_.setVelocity(SoundSettings::kMaxVelocity);
    menus_.mnuTopmostSubs(2)->setChecked(true);
    menus_.mnuPlayListSubs(0)->trigger();
    menus_.mnuPlayCompletedSubs(4)->trigger();
    playFirstStartSample();
}

void frmMain::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    libraryMenus_->clearRecentFilesIfConfigured();
    midi_.CloseMidiOut();
}

void frmMain::openFromCommandLine(const QString& path) { opener_.playAllFiles(path, true, true); }

// The first start plays the sample once; it is written, loaded and deleted at once, so that it
// never stays in the program folder.
void frmMain::playFirstStartSample() {
    const QString path = services_.paths.dataPath() + kSampleScore;
    WriteDefaultFile(kSampleScoreResource, path, false, true);
    opener_.playAllFiles(path, true, false);
    QFile::remove(path);
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
