#pragma once
// The system's monotonic high-resolution clock.
#include "platform/MonotonicClock.h"

class SteadyMonotonicClock : public MonotonicClock {
public:
    qint64 nowNanoseconds() const override;
};
