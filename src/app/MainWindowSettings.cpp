#include "app/MainWindowSettings.h"

#include "app/AppServices.h"
#include "app/BottomContainer.h"
#include "app/SoundPanel.h"
#include "controls/ButtonEx.h"
#include "controls/Volume.h"
#include "core/ShellOpen.h"
#include "core/Twips.h"
#include "core/VersionInfo.h"
#include "settings/MFormExpanded.h"

#include <QCoreApplication>
#include <QDir>
#include <QMainWindow>
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

MainWindowSettings::MainWindowSettings(Parts parts)
    : QObject(&parts.window), p_(parts), volumeCommands_(p_.menus, *this),
      associations_({p_.services.paths, QCoreApplication::applicationFilePath(),
                     p_.services.textEditor},
                    p_.services.desktop),
      settings_(settingsParts()), drag_(MFormExpanded::DragWindow) {
    createVolumeControls();
    wireTopmostMenu();
    wireHelpMenu();
    // Pressing the bare background or one of these bars moves the window.
    p_.window.centralWidget()->installEventFilter(this);
    for (QWidget* bar : {p_.container.picControlBar(), p_.container.picStatusBar(),
                         p_.container.picListBar()})
        bar->installEventFilter(this);
}

ProgramSettings::Parts MainWindowSettings::settingsParts() {
    return {p_.services.paths, p_.options,   p_.noteTable,   p_.keyMap,     p_.sound,
            p_.menus,          p_.recentFiles, p_.playingList, p_.favorites,  p_.favoritesMenu,
            p_.opener,         p_.engine,    p_.transport,   associations_, *this,
            *this,             volumeCommands_};
}

void MainWindowSettings::createVolumeControls() {
    QWidget* controlBar = p_.container.picControlBar();
    volSystemVolume_ = new ::Volume(controlBar);
    volSystemVolume_->setObjectName(QStringLiteral("volSystemVolume"));
    volSystemVolume_->setAccessibleName(QStringLiteral("系统音量"));
    volSystemVolume_->setSystemVolume(&p_.services.systemVolume);
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
    p_.container.setVolumeControls(volSystemVolume_, btnMute_);
}

// Exactly one entry is checked; "while playing" puts the window on top at once, and the
// transport lowers it again when playback pauses or stops.
void MainWindowSettings::wireTopmostMenu() {
    p_.menus.makeChoice(MainMenus::kTopmostRules, this, [this](int rule) {
        SetTopmost(MainMenus::kTopmostRules[size_t(rule)] != MenuEntry::TopmostNever);
    });
}

void MainWindowSettings::wireHelpMenu() {
    const auto on = [this](MenuEntry entry, auto command) {
        connect(p_.menus.item(entry), &MenuItem::triggered, this, command);
    };
    on(MenuEntry::HelpContents, [this] { showHelp(); });
    on(MenuEntry::HelpCheckUpdates, [this] {
        p_.services.messages.show(
            box(QStringLiteral("添加代码：检查更新(&U)..."), MessageIcon::Information));
    });
    const auto opens = [this](const char* address) {
        return [this, address] {
            ShellOpen(p_.services.shell, p_.services.messages, QString::fromUtf8(address));
        };
    };
    on(MenuEntry::HelpContact, opens(VersionInfo::feedbackPage));
    on(MenuEntry::HelpMail, opens(VersionInfo::mailTo));
    on(MenuEntry::HelpHomePage, opens(VersionInfo::homePage));
}

// Beside the program when built or unpacked, under share/doc when installed.
void MainWindowSettings::showHelp() {
    const AppServices& services = p_.services;
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
            drag_(&p_.window);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// A maximised window reports the screen; the settings keep the place it returns to. Positions
// are the frame's, sizes the inside's.
QRect MainWindowSettings::geometryTwips() const {
    const QRect normal = p_.window.normalGeometry();
    const bool enlarged =
        p_.window.windowState().testAnyFlags(Qt::WindowMaximized | Qt::WindowFullScreen);
    const QRect inside = enlarged && normal.isValid() ? normal : p_.window.geometry();
    const QPoint frameOffset = p_.window.geometry().topLeft() - p_.window.pos();
    return toTwips(QRect(inside.topLeft() - frameOffset, inside.size()));
}

void MainWindowSettings::setGeometryTwips(const QRect& twips) {
    p_.window.move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    p_.window.resize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

QRect MainWindowSettings::screenTwips() const {
    const QScreen* screen = p_.window.screen();
    return screen ? toTwips(screen->availableGeometry()) : QRect();
}

void MainWindowSettings::setBarVisible(int bar, bool visible) {
    if (bar >= 0 && bar < BottomContainerLayout::BarCount)
        p_.container.setBarVisible(BottomContainer::Bar(bar), visible);
}

void MainWindowSettings::SetTopmost(bool on) {
    MFormExpanded::SetTopmost(&p_.window, on);
}

void MainWindowSettings::SetTransparency(int percent) {
    MFormExpanded::SetTransparency(&p_.window, percent);
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
