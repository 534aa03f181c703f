#pragma once
// The master playback control of the sound card, as the volume logic needs it.
class PlaybackMixer {
public:
    virtual ~PlaybackMixer() = default;
    // Opens the control; 0 when it is ready, else a negative error code. Only the first call
    // does the work: later ones give its result again.
    virtual int open() = 0;
    // The control's own range, valid after a successful open.
    virtual long minimum() const = 0;
    virtual long maximum() const = 0;
    virtual bool setVolume(long value) = 0;
    // Sound on or off; false when the control has no switch or is not open.
    virtual bool setSwitch(bool on) = 0;
};
