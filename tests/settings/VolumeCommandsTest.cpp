#include "settings/VolumeCommands.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The slider and the mute button as plain values; the slider clamps as the real one does.
struct FakeVolumeControls : VolumeControls {
    int Volume() const override { return volume; }
    void setVolume(int v) override {
        volume = std::clamp(v, 0, 930);
        set.append(volume);
    }
    void setSliderEnabled(bool on) override { sliderEnabled = on; }
    int muteValue() const override { return mute; }
    void setMuteValue(int value) override { mute = value; }

    int volume = 520;
    QList<int> set;
    bool sliderEnabled = true;
    int mute = 1;
};

struct VolumeCommandsTest : testing::Test {
    MainMenus menus;
    FakeVolumeControls controls;
    VolumeCommands commands{menus, controls};

    bool louderSofterEnabled() const {
        return menus.item(MenuEntry::VolumeUp)->enabled() && menus.item(MenuEntry::VolumeDown)->enabled();
    }
};

TEST_F(VolumeCommandsTest, LouderAndSofterStepBy23AndStopAtTheEnds) {
    controls.volume = 920;
    menus.item(MenuEntry::VolumeUp)->trigger();
    EXPECT_EQ(controls.volume, 930);
    controls.volume = 10;
    menus.item(MenuEntry::VolumeDown)->trigger();
    EXPECT_EQ(controls.volume, 0);
    controls.volume = 500;
    menus.item(MenuEntry::VolumeUp)->trigger();
    EXPECT_EQ(controls.volume, 523);
}

// A click on the button flips its Value before the handling runs, as the pressed button does.
TEST_F(VolumeCommandsTest, TheMuteButtonMutesToZeroAndUnmutesTo520WhateverCameBefore) {
    controls.volume = 800;
    controls.mute = 0;
    commands.muteButtonClicked();
    EXPECT_EQ(controls.volume, 0);
    EXPECT_FALSE(controls.sliderEnabled);
    EXPECT_FALSE(louderSofterEnabled());
    EXPECT_TRUE(menus.item(MenuEntry::VolumeMute)->checked());

    controls.mute = 1;
    commands.muteButtonClicked();
    EXPECT_EQ(controls.volume, 520);
    EXPECT_TRUE(controls.sliderEnabled);
    EXPECT_TRUE(louderSofterEnabled());
    EXPECT_FALSE(menus.item(MenuEntry::VolumeMute)->checked());
}

TEST_F(VolumeCommandsTest, TheMuteEntryTogglesAndKeepsTheButtonInStep) {
    menus.item(MenuEntry::VolumeMute)->trigger();
    EXPECT_EQ(controls.mute, 0);
    EXPECT_TRUE(menus.item(MenuEntry::VolumeMute)->checked());
    EXPECT_EQ(controls.volume, 0);
    menus.item(MenuEntry::VolumeMute)->trigger();
    EXPECT_EQ(controls.mute, 1);
    EXPECT_FALSE(menus.item(MenuEntry::VolumeMute)->checked());
    EXPECT_EQ(controls.set, (QList<int>{0, 520}));
}

TEST(VolumeToolTip, IsTheWholePercentOf930) {
    const QList<std::pair<int, QString>> cases{{930, "100%"}, {520, "55%"}, {0, "0%"},
                                               {929, "99%"},  {10, "1%"},   {9, "0%"}};
    for (const auto& [volume, text] : cases)
        EXPECT_EQ(VolumeCommands::toolTip(volume), text) << volume;
}

} // namespace
