#include "app/MainWindowSettings.h"

#include "app/BottomContainer.h"
#include "app/SoundPanel.h"
#include "app/frmMain.h"
#include "app/LibraryMenus.h"
#include "controls/ButtonEx.h"
#include "controls/Volume.h"
#include "core/ShellOpen.h"
#include "core/Twips.h"
#include "core/VersionInfo.h"
#include "settings/MFormExpanded.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>

namespace {

const QString kHelpFile = QStringLiteral("帮助.html");
constexpr int kMuteSize = 345; // twips, square

QRect toTwips(const QRect& pixels) {
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

Message box(const QString& text, MessageIcon icon) {
    return {text, QString::fromUtf8(VersionInfo::productName), icon, MessageButtons::Ok, true};
}

} // namespace

MainWindowSettings::MainWindowSettings(frmMain& main)
    : QObject(&main), main_(main), volumeCommands_(main.menus(), *this),
      associations_({main.services().paths, QCoreApplication::applicationFilePath(),
                     main.services().textEditor},
                    main.services().desktop),
      settings_(parts()), drag_(MFormExpanded::DragWindow) {
    createVolumeControls();
    wireTopmostMenu();
    wireHelpMenu();
    // Pressing the bare background or one of these bars moves the window.
    main_.centralWidget()->installEventFilter(this);
    for (QWidget* bar : {main_.container()->picControlBar(), main_.container()->picStatusBar(),
                         main_.container()->picListBar()})
        bar->installEventFilter(this);
}

ProgramSettings::Parts MainWindowSettings::parts() {
    return {main_.services().paths,
            main_.options(),
            main_.noteTable(),
            main_.keyMap(),
            main_.sound(),
            main_.menus(),
            main_.recentFiles(),
            main_.playingList(),
            main_.favorites(),
            main_.libraryMenus().favoritesMenu(),
            main_.opener(),
            main_.engine(),
            main_.transport(),
            associations_,
            *this,
            *this,
            volumeCommands_};
}

void MainWindowSettings::createVolumeControls() {
    QWidget* controlBar = main_.container()->picControlBar();
    volSystemVolume_ = new ::Volume(controlBar);
    volSystemVolume_->setObjectName(QStringLiteral("volSystemVolume"));
    volSystemVolume_->setAccessibleName(QStringLiteral("系统音量"));
    volSystemVolume_->setSystemVolume(&main_.services().systemVolume);
    volSystemVolume_->setControlSystemVolume(true);
    volSystemVolume_->setBackColor(controlBar->palette().color(QPalette::Window));
    volSystemVolume_->setLeftColor(QColor(0, 0, 255));
    volSystemVolume_->setCircumColor(Qt::white);
    volSystemVolume_->setRightColor(QColor(140, 147, 227));
    volSystemVolume_->setToolTip(VolumeCommands::toolTip(volSystemVolume_->volume()));
    connect(volSystemVolume_, &::Volume::Change, this, [this] {
        volSystemVolume_->setToolTip(VolumeCommands::toolTip(volSystemVolume_->volume()));
    });

    btnMute_ = new ButtonEx(controlBar);
    btnMute_->setObjectName(QStringLiteral("btnMute"));
    btnMute_->setAccessibleName(QStringLiteral("静音"));
    btnMute_->setCaption(QString());
    btnMute_->setSymbol(ButtonSymbol::Speaker);
    btnMute_->setStyle(ButtonExState::kTwoStateStyle);
    btnMute_->setValue(1);
    btnMute_->resize(twipsToPixels(kMuteSize), twipsToPixels(kMuteSize));
    connect(btnMute_, &ButtonEx::Click, &volumeCommands_, &VolumeCommands::muteButtonClicked);
    main_.container()->setVolumeControls(volSystemVolume_, btnMute_);
}

// Exactly one entry is checked; "while playing" puts the window on top at once, and the
// transport lowers it again when playback pauses or stops.
void MainWindowSettings::wireTopmostMenu() {
    MainMenus& menus = main_.menus();
    connect(&menus.mnuTopmostSubs, &MenuArray::triggered, this, [this, &menus](int index) {
        MainMenus::checkOnly(
            menus.mnuTopmostSubs(index),
            {menus.mnuTopmostSubs(0), menus.mnuTopmostSubs(1), menus.mnuTopmostSubs(2)});
        SetTopmost(index != 0);
    });
}

void MainWindowSettings::wireHelpMenu() {
    connect(&main_.menus().mnuHelpSubs, &MenuArray::triggered, this,
            &MainWindowSettings::helpClicked);
}

void MainWindowSettings::helpClicked(int index) {
    const AppServices& services = main_.services();
    switch (index) {
    case 0: {
        // Beside the program when built or unpacked, under share/doc when installed.
        QString path = services.paths.GetAppPath() + kHelpFile;
        if (!PathExists(path))
            path = QDir::cleanPath(services.paths.GetAppPath() +
                                   QString::fromUtf8(VersionInfo::installedDocFolder) + kHelpFile);
        if (PathExists(path))
            ShellOpen(services.shell, services.messages, path);
        else
            services.messages.show(
                box(QStringLiteral("错误：帮助文件不存在！请确认您已经取得了帮助文件！"),
                    MessageIcon::Error));
        break;
    }
    case 5:
        services.messages.show(
            box(QStringLiteral("添加代码：检查更新(&U)..."), MessageIcon::Information));
        break;
    case 2:
        ShellOpen(services.shell, services.messages, QString::fromUtf8(VersionInfo::feedbackPage));
        break;
    case 3:
        ShellOpen(services.shell, services.messages, QString::fromUtf8(VersionInfo::mailTo));
        break;
    case 6:
        ShellOpen(services.shell, services.messages, QString::fromUtf8(VersionInfo::homePage));
        break;
    default:
        break;
    }
}

void MainWindowSettings::LoadSettings() {
    settings_.LoadSettings();
    loaded_ = true;
}

void MainWindowSettings::SaveSettings(bool blnMinimized) {
    if (loaded_) settings_.SaveSettings(blnMinimized);
}

bool MainWindowSettings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* widget = static_cast<QWidget*>(watched);
        const auto* press = static_cast<QMouseEvent*>(event);
        // A press that a label or control passed on is not a press on the background; the
        // bare parts of the sound panel are.
        const QWidget* hit = widget->childAt(press->position().toPoint());
        if ((!hit || qobject_cast<const SoundPanel*>(hit)) && drag_) {
            drag_(&main_);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// A maximised window reports the screen; the settings keep the place it returns to. Positions
// are the frame's, sizes the inside's.
QRect MainWindowSettings::geometryTwips() const {
    const QRect normal = main_.normalGeometry();
    const bool enlarged =
        main_.windowState().testAnyFlags(Qt::WindowMaximized | Qt::WindowFullScreen);
    const QRect inside = enlarged && normal.isValid() ? normal : main_.geometry();
    const QPoint frameOffset = main_.geometry().topLeft() - main_.pos();
    return toTwips(QRect(inside.topLeft() - frameOffset, inside.size()));
}

void MainWindowSettings::setGeometryTwips(const QRect& twips) {
    main_.move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    main_.resize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

QRect MainWindowSettings::screenTwips() const {
    const QScreen* screen = main_.screen();
    return screen ? toTwips(screen->availableGeometry()) : QRect();
}

void MainWindowSettings::setBarVisible(int bar, bool visible) {
    if (bar >= 0 && bar < BottomContainerLayout::BarCount)
        main_.container()->setBarVisible(BottomContainer::Bar(bar), visible);
}

void MainWindowSettings::SetTopmost(bool on) {
    MFormExpanded::SetTopmost(&main_, on);
}

void MainWindowSettings::SetTransparency(int percent) {
    MFormExpanded::SetTransparency(&main_, percent);
}

int MainWindowSettings::Volume() const {
    return volSystemVolume_->volume();
}

void MainWindowSettings::setVolume(int volume) {
    volSystemVolume_->setVolume(volume);
}

void MainWindowSettings::setSliderEnabled(bool on) {
    volSystemVolume_->setEnabled(on);
}

int MainWindowSettings::muteValue() const {
    return btnMute_->Value();
}

void MainWindowSettings::setMuteValue(int value) {
    btnMute_->setValue(value);
}
