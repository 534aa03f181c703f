#include "app/OptionsController.h"

#include "app/AppServices.h"
#include "app/MainWindowSettings.h"
#include "core/MainMenus.h"
#include "score/PlaybackEngine.h"
#include "settings/frmOption.h"

#include <QCoreApplication>
#include <QWidget>

OptionsController::OptionsController(Parts parts)
    : QObject(&parts.window), p_(parts), designCaption_(parts.window.windowTitle()) {
    connect(p_.menus.item(MenuEntry::ViewOptions), &MenuItem::triggered, this,
            [this] { open(false); });
    connect(p_.menus.item(MenuEntry::HelpAbout), &MenuItem::triggered, this,
            [this] { open(true); });
}

void OptionsController::open(bool aboutRequested) {
    const AppServices& services = p_.services;
    const frmOption::Services dialog{services.paths, services.messages, services.shell,
                                     QCoreApplication::applicationFilePath()};
    frmOption::Start(*this, dialog, aboutRequested, &p_.window);
}

QString OptionsController::caption() const {
    return p_.window.windowTitle();
}

void OptionsController::setCaption(const QString& caption) {
    p_.window.setWindowTitle(caption);
}

QString OptionsController::playingFile() const {
    return p_.engine.score().strPlayingFile;
}

void OptionsController::SetTransparency(qint16 percent) {
    p_.windowSettings.SetTransparency(percent);
}

void OptionsController::applyAssociations(const std::array<bool, 2>& blnAssociate) {
    p_.windowSettings.associations().applyOptions(blnAssociate);
}
