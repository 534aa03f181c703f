#pragma once
// Time as the playback engine sees it: a monotonic clock and one-shot timers that fire at an
// absolute time on that clock. The program uses the steady clock and the event loop; tests use
// virtual time and never sleep.
#include "platform/MonotonicClock.h"

#include <chrono>
#include <functional>
#include <memory>

class DeadlineTimer {
public:
    virtual ~DeadlineTimer() = default;
    // Fires once at `deadline` (at once when it has passed), through the event loop: never from
    // inside this call. Starting again replaces the pending deadline.
    virtual void startAt(std::chrono::nanoseconds deadline) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class TimeSource : public MonotonicClock {
public:
    virtual std::chrono::nanoseconds now() const = 0;
    qint64 nowNanoseconds() const final { return now().count(); }
    // `onFire` is called on each firing for as long as the timer lives.
    virtual std::unique_ptr<DeadlineTimer> createTimer(std::function<void()> onFire) = 0;
};
