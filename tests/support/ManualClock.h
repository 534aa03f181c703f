#pragma once
// A monotonic clock that only moves when the test says so.
#include "platform/MonotonicClock.h"

class ManualClock : public MonotonicClock {
public:
    qint64 nowNanoseconds() const override { return now; }
    void advanceMs(double ms) { now += static_cast<qint64>(ms * 1'000'000); }

    qint64 now = 1'000'000'000'000; // far from zero, as a real clock would be
};
