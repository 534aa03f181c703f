#pragma once
// A clock that only ever moves forward, at nanosecond resolution: what the stopwatches of the
// program read, so that tests can run them in virtual time.
#include <QtGlobal>

class MonotonicClock {
public:
    static constexpr qint64 kNanosecondsPerSecond = 1'000'000'000;

    virtual ~MonotonicClock() = default;
    // Nanoseconds since an arbitrary fixed point; never goes back.
    virtual qint64 nowNanoseconds() const = 0;
};
