#pragma once
// Lets the audio thread of the built-in synthesizer sleep while nothing sounds, and wakes it for
// the next message. Rendering silence hundreds of times a second would cost a desktop piano that
// sits open for hours a good part of a core.
//
// The audio thread calls beginPeriod before it renders a period and endPeriod after; any other
// thread calls wake after handing a message to the synthesizer. A message that arrives while a
// period is being rendered keeps the next period from resting, so none is ever left unplayed.
#include <condition_variable>
#include <mutex>

class AudioRestGate {
public:
    // The output counts as silent below this peak level: under one step of 16-bit sound.
    static constexpr float kQuietLevel = 1.0f / 65536.0f;

    // Rest once this many frames in a row were silent: the reverb tail has died away by then.
    explicit AudioRestGate(long quietFramesBeforeRest);

    // Audio thread: waits while the synthesizer is at rest and no message has come since the
    // last period began. True when it rested.
    bool beginPeriod();
    // Audio thread: `silent` when no voice sounds and the period stayed below kQuietLevel.
    void endPeriod(int frames, bool silent);
    // Any thread, after a message went to the synthesizer.
    void wake();
    // No more resting, so that the audio driver can be stopped.
    void close();
    // True while the audio thread waits.
    bool resting() const;
    // Periods begun so far: the first one begun after a message is the one that sounds it.
    unsigned long periodsBegun() const;

    // The peak test of endPeriod for one period of two channels.
    static bool quiet(const float* left, const float* right, int frames);

private:
    mutable std::mutex mutex_;
    std::condition_variable woken_;
    const long quietFramesBeforeRest_;
    long quietFrames_ = 0;
    unsigned long messages_ = 0;
    unsigned long messagesSeen_ = 0;
    unsigned long periodsBegun_ = 0;
    bool closed_ = false;
    bool resting_ = false;
};
