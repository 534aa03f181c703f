#include "settings/clsVolume.h"

#include "support/RecordingMessageSink.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// A mixer control with a given range that records what it is told.
class ScriptedMixer : public PlaybackMixer {
public:
    int open() override {
        ++opens;
        return openError;
    }
    long minimum() const override { return min; }
    long maximum() const override { return max; }
    bool setVolume(long value) override {
        volumes.append(value);
        return true;
    }
    bool setSwitch(bool on) override {
        switches.append(on);
        return true;
    }

    int openError = 0;
    long min = 0, max = 65535;
    int opens = 0;
    QList<long> volumes;
    QList<bool> switches;
};

struct MappingCase {
    long minimum, maximum;
    int position;
    long expected;
};

void PrintTo(const MappingCase& c, std::ostream* os) {
    *os << c.position << "_in_" << c.minimum << "_" << c.maximum;
}

class SliderToControl : public testing::TestWithParam<MappingCase> {};

TEST_P(SliderToControl, MapsLinearlyOntoTheControlsRange) {
    const MappingCase& c = GetParam();
    EXPECT_EQ(clsVolume::sliderToControl(c.position, c.minimum, c.maximum), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SliderToControl,
    testing::Values(
        // A 16-bit control: the top of the slider is the top of the control, never beyond.
        MappingCase{0, 65535, 930, 65535}, MappingCase{0, 65535, 520, 36643},
        MappingCase{0, 65535, 0, 0}, MappingCase{0, 65535, 465, 32768}, // 32767.5: to even
        // A typical ALSA master of 0..87 steps.
        MappingCase{0, 87, 930, 87}, MappingCase{0, 87, 520, 49}, MappingCase{0, 87, 1, 0},
        MappingCase{0, 87, 5, 0}, MappingCase{0, 87, 6, 1},
        // Ranges below zero, out-of-range positions, an empty and a reversed range.
        MappingCase{-10, 10, 465, 0}, MappingCase{-10, 10, 0, -10}, MappingCase{-10, 10, 930, 10},
        MappingCase{0, 87, -5, 0}, MappingCase{0, 87, 2000, 87}, MappingCase{5, 5, 600, 5},
        MappingCase{9, 3, 600, 9},
        // The widest range there is: no overflow anywhere.
        MappingCase{LONG_MIN, LONG_MAX, 930, LONG_MAX},
        MappingCase{LONG_MIN, LONG_MAX, 0, LONG_MIN}, MappingCase{LONG_MIN, LONG_MAX, 465, 0}));

TEST(SliderToControl, NeverGoesBackwardsAlongTheSlider) {
    for (const long max : {87L, 100L, 65535L, 1000000007L}) {
        long previous = clsVolume::sliderToControl(0, 0, max);
        for (int position = 1; position <= 930; ++position) {
            const long value = clsVolume::sliderToControl(position, 0, max);
            EXPECT_GE(value, previous) << position << " of " << max;
            EXPECT_LE(value, max);
            previous = value;
        }
    }
}

struct clsVolumeTest : testing::Test {
    ScriptedMixer mixer;
    RecordingMessageSink messages;
    clsVolume volume{mixer, messages};
};

TEST_F(clsVolumeTest, TheMixerIsOpenedOnceForEveryChange) {
    for (int position : {930, 520, 0, 23})
        EXPECT_TRUE(volume.setSliderVolume(position));
    EXPECT_EQ(mixer.opens, 1);
    EXPECT_EQ(mixer.volumes, QList<long>({65535, 36643, 0, 1621}));
    EXPECT_EQ(volume.prSpeakerVolume(), 1621);
    EXPECT_EQ(volume.prSpeakerMinVolume(), 0);
    EXPECT_EQ(volume.prSpeakerMaxVolume(), 65535);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(clsVolumeTest, PositionZeroSwitchesTheSoundOffAndAnyOtherOn) {
    volume.setSliderVolume(0);
    volume.setSliderVolume(520);
    EXPECT_EQ(mixer.switches, QList<bool>({false, true}));
}

TEST_F(clsVolumeTest, WithoutAMixerTheMessageComesOnceAndTheSliderGoesOn) {
    mixer.openError = -2;
    for (int position = 0; position <= 930; position += 23)
        EXPECT_FALSE(volume.setSliderVolume(position));
    EXPECT_FALSE(volume.setPrSpeakerVolume(10));
    EXPECT_FALSE(volume.meOpenMixer());
    EXPECT_EQ(mixer.opens, 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QString("Could not open the mixer."));
    EXPECT_EQ(messages.shown[0].title, QString("Volume Control"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(volume.prMixerErr(), -2);
    EXPECT_TRUE(mixer.volumes.isEmpty());
    EXPECT_TRUE(mixer.switches.isEmpty());
}

TEST_F(clsVolumeTest, AControlValueIsKeptInsideTheControlsRange) {
    mixer.min = -20;
    mixer.max = 40;
    volume.setPrSpeakerVolume(69750); // what the slider's top times 75 would have been
    volume.setPrSpeakerVolume(-100);
    EXPECT_EQ(mixer.volumes, QList<long>({40, -20}));
}

} // namespace
