// The audio thread rests only after enough silence, and no message is ever left unplayed: one
// that arrives while a period renders keeps the next period awake, one that arrives during a rest
// ends it.
#include "platform/midi/AudioRestGate.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr int kPeriod = 128;

// Runs beginPeriod on another thread, as the audio driver does, once the gate should rest.
class RestingThread {
public:
    explicit RestingThread(AudioRestGate& gate)
        : thread_([this, &gate] { rested_ = gate.beginPeriod(); }) {
        while (!gate.resting())
            std::this_thread::yield();
    }
    bool join() {
        thread_.join();
        return rested_;
    }

private:
    bool rested_ = false;
    std::thread thread_;
};

void quietFor(AudioRestGate& gate, int periods) {
    for (int i = 0; i < periods; ++i) {
        gate.beginPeriod();
        gate.endPeriod(kPeriod, true);
    }
}

TEST(AudioRestGateTest, RestsAfterEnoughSilenceUntilTheNextMessage) {
    AudioRestGate gate(2 * kPeriod);
    quietFor(gate, 2);
    RestingThread audio(gate);
    gate.wake();
    EXPECT_TRUE(audio.join());
    EXPECT_FALSE(gate.resting());
}

TEST(AudioRestGateTest, MessageDuringTheLastQuietPeriodKeepsTheNextOneAwake) {
    AudioRestGate gate(2 * kPeriod);
    quietFor(gate, 1);
    gate.beginPeriod();
    gate.wake(); // the note-on may have missed this period's rendering
    gate.endPeriod(kPeriod, true);
    EXPECT_FALSE(gate.beginPeriod());
}

TEST(AudioRestGateTest, ASoundingPeriodStartsTheSilenceAgain) {
    AudioRestGate gate(2 * kPeriod);
    quietFor(gate, 1);
    gate.beginPeriod();
    gate.endPeriod(kPeriod, false);
    quietFor(gate, 1);
    EXPECT_FALSE(gate.beginPeriod());
}

TEST(AudioRestGateTest, ClosingEndsTheRestForGood) {
    AudioRestGate gate(kPeriod);
    quietFor(gate, 1);
    RestingThread audio(gate);
    gate.close();
    EXPECT_TRUE(audio.join());
    quietFor(gate, 3);
    EXPECT_FALSE(gate.beginPeriod());
}

TEST(AudioRestGateTest, QuietIsBelowOneStepOfSixteenBitSound) {
    float left[kPeriod] = {}, right[kPeriod] = {};
    EXPECT_TRUE(AudioRestGate::quiet(left, right, kPeriod));
    right[kPeriod - 1] = -AudioRestGate::kQuietLevel;
    EXPECT_FALSE(AudioRestGate::quiet(left, right, kPeriod));
    right[kPeriod - 1] = AudioRestGate::kQuietLevel / 2;
    EXPECT_TRUE(AudioRestGate::quiet(left, right, kPeriod));
}

} // namespace
