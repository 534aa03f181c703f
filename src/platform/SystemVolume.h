#pragma once
// The master speaker level of the system, as the volume slider drives it. The real mixer
// implementation maps 0..kFullScale linearly onto the range of its own playback control.
class SystemVolume {
public:
    // The level of the slider's top position (930 × 75).
    static constexpr int kFullScale = 69750;

    virtual ~SystemVolume() = default;
    // Sets the speaker level, 0..kFullScale; false when the mixer could not be opened or set.
    // Reporting a failure to the user is the implementation's business: the slider calls this on
    // every move of a drag and must not be interrupted by a message box each time.
    virtual bool setSpeakerVolume(int level) = 0;
};
