#include "settings/VolumeCommands.h"

#include "platform/SystemVolume.h"

VolumeCommands::VolumeCommands(MainMenus& menus, VolumeControls& controls, QObject* parent)
    : QObject(parent), menus_(menus), controls_(controls) {
    connect(&menus_.mnuVolumeSubs, &MenuArray::triggered, this, &VolumeCommands::menuClicked);
}

void VolumeCommands::menuClicked(int index) {
    switch (index) {
    case 0:
        controls_.setVolume(controls_.Volume() + kStep);
        break;
    case 1:
        controls_.setVolume(controls_.Volume() - kStep);
        break;
    case 2:
        controls_.setMuteValue(menus_.mnuVolumeSubs(2)->checked() ? 1 : 0);
        muteButtonClicked();
        break;
    default:
        break;
    }
}

void VolumeCommands::muteButtonClicked() {
    const bool mute = controls_.muteValue() == 0;
    controls_.setVolume(mute ? 0 : kUnmutedVolume);
    menus_.mnuVolumeSubs(0)->setEnabled(!mute);
    menus_.mnuVolumeSubs(1)->setEnabled(!mute);
    menus_.mnuVolumeSubs(2)->setChecked(mute);
    controls_.setSliderEnabled(!mute);
}

QString VolumeCommands::toolTip(int volume) {
    return QString::number(volume * 100 / SystemVolume::kSliderMaximum) + QLatin1Char('%');
}
