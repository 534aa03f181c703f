#include "app/frmMain.h"

#include "app/MenuBarView.h"
#include "app/BottomContainer.h"
#include "app/DamperLabel.h"
#include "app/PianoKeyFilter.h"
#include "app/PianoKeyboard.h"
#include "app/SoundPanel.h"
#include "app/StatusBarView.h"
#include "score/RecordingStatusView.h"
#include "score/frmRecordSetting.h"
#include "core/Twips.h"
#include "core/Instruments.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

namespace {
constexpr int kSoundPanelHeight = 92; // the keys start 1380 twips down
const QRect kDamperGeometry(724, 8, 120, 60);
} // namespace

frmMain::frmMain(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), midi_(services.midi, services.messages),
      sound_(midi_), live_(sound_, keyMap_, options_),
      recorder_(noteTable_, services.clock, services.messages, services.fileDialogs) {
    setWindowTitle(QStringLiteral("Tonvale"));
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
    wireRecorder();
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
    applyFirstStartSettings();
    // The options gate of the user's key map comes with the settings file.
    keyMap_.LoadKeyMaps(services_.paths, noteTable_, false);
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
}

void frmMain::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    midi_.CloseMidiOut();
}

void frmMain::openFromCommandLine(const QString&) {}

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
