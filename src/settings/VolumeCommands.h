#pragma once
// The Volume menu and the mute button: louder and softer in steps of 23, mute to 0 and unmute to
// 520 (the level before muting is not kept), the louder and softer entries disabled while muted.
#include "core/MainMenus.h"
#include "settings/VolumeControls.h"

class VolumeCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kStep = 23;
    static constexpr int kUnmutedVolume = 520;

    // Handles the clicks of the Volume menu from now on.
    VolumeCommands(MainMenus& menus, VolumeControls& controls, QObject* parent = nullptr);
    // What a click on the mute button does once the press has flipped its Value: mutes when
    // Value is 0, else unmutes.
    void muteButtonClicked();

    // The slider's tooltip: the whole part of volume / 930 × 100, then "%".
    static QString toolTip(int volume);

private:
    MainMenus& menus_;
    VolumeControls& controls_;
};
