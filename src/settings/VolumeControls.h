#pragma once
// The volume slider and the mute button as the volume commands see them.
class VolumeControls {
public:
    virtual ~VolumeControls() = default;

    // The slider's position, 0..930.
    virtual int Volume() const = 0;
    // Clamps, raises the slider's change event and drives the system volume.
    virtual void setVolume(int volume) = 0;
    virtual void setSliderEnabled(bool on) = 0;
    // The mute button's Value: 0 muted, anything else not.
    virtual int muteValue() const = 0;
    virtual void setMuteValue(int value) = 0;
};
