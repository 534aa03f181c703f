#include "app/frmMain.h"

#include "app/SoundPanel.h"
#include "app/Twips.h"
#include "core/Instruments.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

namespace {
constexpr int kSoundPanelHeight = 92; // the keys start 1380 twips down
}

frmMain::frmMain(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), midi_(services.midi, services.messages), sound_(midi_) {
    setWindowTitle(QStringLiteral("Tonvale"));
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    soundPanel_ = new SoundPanel(sound_, surface);
    soundPanel_->setGeometry(0, 0, twipsToPixels(designedWidth), kSoundPanelHeight);
}

frmMain::~frmMain() { unload(); }

void frmMain::load(const StatusReporter& status) {
    noteTable_.LoadNoteMap(services_.paths);

    status(QStringLiteral("正在 初始化 MIDI 设备……"));
    sound_.setDevices(midi_.FillMidiDevices());
    sound_.selectChannel(0);

    status(QStringLiteral("正在 初始化乐器……"));
    sound_.setInstrumentNames(Instruments::LoadInstruments(services_.paths));

    status(QStringLiteral("应用 程序配置……"));
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
}

void frmMain::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
    QApplication::quit();
}
