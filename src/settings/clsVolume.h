#pragma once
// The system volume behind the volume slider: the slider's 0..930 mapped onto the mixer
// control's own range. The mixer is opened once, at the first use; when that fails the user is
// told once and every later change is passed over quietly, so the slider stays usable.
#include "platform/MessageSink.h"
#include "platform/PlaybackMixer.h"
#include "platform/SystemVolume.h"

class clsVolume : public SystemVolume {
public:
    clsVolume(PlaybackMixer& mixer, MessageSink& messages);

    // True when the mixer is open; only the first call tries.
    bool meOpenMixer();
    // 0, or the error of opening the mixer.
    int prMixerErr() const { return mixerErr_; }
    long prSpeakerMinVolume() const { return minimum_; }
    long prSpeakerMaxVolume() const { return maximum_; }
    // The control value set last; the mixer is not read back.
    long prSpeakerVolume() const { return speakerVolume_; }
    // Clamped to the control's range; false when there is no mixer or it refused the value.
    bool setPrSpeakerVolume(long value);

    bool setSliderVolume(int position) override;

    // The control value for a slider position: linear from minimum (0) to maximum (930),
    // rounded half to even, exact for any range of longs.
    static long sliderToControl(int position, long minimum, long maximum);

private:
    PlaybackMixer& mixer_;
    MessageSink& messages_;
    bool tried_ = false;
    bool open_ = false;
    int mixerErr_ = 0;
    long minimum_ = 0;
    long maximum_ = 0;
    long speakerVolume_ = 0;
};
