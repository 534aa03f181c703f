#pragma once
// The steady clock and precise timers of the event loop. A timer waits on the loop until the
// last whole millisecond before its deadline and then waits out the remainder, so firings sit
// on their deadlines instead of drifting with the loop's millisecond granularity.
#include "platform/TimeSource.h"

#include <QElapsedTimer>

class SteadyTimeSource : public TimeSource {
public:
    SteadyTimeSource();
    std::chrono::nanoseconds now() const override;
    std::unique_ptr<DeadlineTimer> createTimer(std::function<void()> onFire) override;

private:
    QElapsedTimer clock_;
};
