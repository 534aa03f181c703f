#include "app/OptionsController.h"

#include "app/frmMain.h"
#include "settings/frmOption.h"

#include <QCoreApplication>

OptionsController::OptionsController(frmMain& main)
    : QObject(&main), main_(main), designCaption_(main.windowTitle()) {
    MainMenus& menus = main.menus();
    connect(menus.mnuViewSubs(6), &MenuItem::triggered, this, [this] { open(false); });
    connect(menus.mnuHelpSubs(8), &MenuItem::triggered, this, [this] { open(true); });
}

void OptionsController::open(bool aboutRequested) {
    const AppServices& services = main_.services();
    const frmOption::Services dialog{services.paths, services.messages, services.shell,
                                     QCoreApplication::applicationFilePath()};
    frmOption::Start(*this, dialog, aboutRequested, &main_);
}

ProgramOptions& OptionsController::options() {
    return main_.options();
}

KeyMap& OptionsController::keyMap() {
    return main_.keyMap();
}

const NoteTable& OptionsController::noteTable() const {
    return main_.noteTable();
}

QString OptionsController::caption() const {
    return main_.windowTitle();
}

void OptionsController::setCaption(const QString& caption) {
    main_.setWindowTitle(caption);
}

QString OptionsController::playingFile() const {
    return main_.engine().score().strPlayingFile;
}

void OptionsController::SetTransparency(qint16 percent) {
    main_.windowSettings().SetTransparency(percent);
}

void OptionsController::applyAssociations(const std::array<bool, 2>& blnAssociate) {
    main_.windowSettings().associations().applyOptions(blnAssociate);
}
