#include "platform/midi/AudioRestGate.h"

#include <cmath>

AudioRestGate::AudioRestGate(long quietFramesBeforeRest)
    : quietFramesBeforeRest_(quietFramesBeforeRest) {}

bool AudioRestGate::beginPeriod() {
    std::unique_lock lock(mutex_);
    bool rested = false;
    if (quietFrames_ >= quietFramesBeforeRest_ && messages_ == messagesSeen_ && !closed_) {
        resting_ = true;
        woken_.wait(lock, [this] { return messages_ != messagesSeen_ || closed_; });
        resting_ = false;
        quietFrames_ = 0;
        rested = true;
    }
    // Whatever came before this point is in the synthesizer and sounds in this period.
    messagesSeen_ = messages_;
    ++periodsBegun_;
    return rested;
}

void AudioRestGate::endPeriod(int frames, bool silent) {
    const std::lock_guard lock(mutex_);
    quietFrames_ = silent ? quietFrames_ + frames : 0;
}

void AudioRestGate::wake() {
    {
        const std::lock_guard lock(mutex_);
        ++messages_;
    }
    woken_.notify_one();
}

void AudioRestGate::close() {
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    woken_.notify_one();
}

bool AudioRestGate::resting() const {
    const std::lock_guard lock(mutex_);
    return resting_;
}

unsigned long AudioRestGate::periodsBegun() const {
    const std::lock_guard lock(mutex_);
    return periodsBegun_;
}

bool AudioRestGate::quiet(const float* left, const float* right, int frames) {
    for (int i = 0; i < frames; ++i)
        if (std::fabs(left[i]) >= kQuietLevel || std::fabs(right[i]) >= kQuietLevel) return false;
    return true;
}
