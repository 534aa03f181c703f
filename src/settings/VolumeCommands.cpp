#include "settings/VolumeCommands.h"

#include "platform/SystemVolume.h"

VolumeCommands::VolumeCommands(MainMenus& menus, VolumeControls& controls, QObject* parent)
    : QObject(parent), menus_(menus), controls_(controls) {
    connect(menus_.item(MenuEntry::VolumeUp), &MenuItem::triggered, this,
            [this] { controls_.setVolume(controls_.Volume() + kStep); });
    connect(menus_.item(MenuEntry::VolumeDown), &MenuItem::triggered, this,
            [this] { controls_.setVolume(controls_.Volume() - kStep); });
    connect(menus_.item(MenuEntry::VolumeMute), &MenuItem::triggered, this, [this] {
        controls_.setMuteValue(menus_.item(MenuEntry::VolumeMute)->checked() ? 1 : 0);
        muteButtonClicked();
    });
}

void VolumeCommands::muteButtonClicked() {
    const bool mute = controls_.muteValue() == 0;
    controls_.setVolume(mute ? 0 : kUnmutedVolume);
    menus_.item(MenuEntry::VolumeUp)->setEnabled(!mute);
    menus_.item(MenuEntry::VolumeDown)->setEnabled(!mute);
    menus_.item(MenuEntry::VolumeMute)->setChecked(mute);
    controls_.setSliderEnabled(!mute);
}

QString VolumeCommands::toolTip(int volume) {
    return QString::number(volume * 100 / SystemVolume::kSliderMaximum) + QLatin1Char('%');
}
