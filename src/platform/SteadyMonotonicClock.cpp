#include "platform/SteadyMonotonicClock.h"

#include <chrono>

qint64 SteadyMonotonicClock::nowNanoseconds() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(since).count();
}
