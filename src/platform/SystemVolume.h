#pragma once
// The system's master output level as the volume slider drives it, in the slider's own units.
class SystemVolume {
public:
    static constexpr int kSliderMaximum = 930;

    virtual ~SystemVolume() = default;
    // Sets the level for a slider position, clamped to 0..kSliderMaximum; 0 also switches the
    // sound off where the mixer can. False when there is no mixer to set.
    virtual bool setSliderVolume(int position) = 0;
};
