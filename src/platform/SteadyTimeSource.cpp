#include "platform/SteadyTimeSource.h"

#include <QTimer>

namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

class SteadyDeadlineTimer : public DeadlineTimer {
public:
    SteadyDeadlineTimer(const TimeSource& clock, std::function<void()> onFire)
        : clock_(clock), onFire_(std::move(onFire)) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { onTimeout(); });
    }

    void startAt(nanoseconds deadline) override {
        deadline_ = deadline;
        active_ = true;
        waitOnLoop();
    }
    void stop() override {
        active_ = false;
        timer_.stop();
    }
    bool isActive() const override { return active_; }

private:
    void waitOnLoop() {
        const nanoseconds left = deadline_ - clock_.now();
        timer_.start(left > nanoseconds::zero() ? std::chrono::floor<milliseconds>(left)
                                                : milliseconds(0));
    }

    void onTimeout() {
        if (!active_) return;
        const nanoseconds left = deadline_ - clock_.now();
        if (left >= milliseconds(1)) return waitOnLoop(); // woken early: go back to the loop
        // Less than a millisecond to go: the loop cannot wait that precisely.
        while (clock_.now() < deadline_) {
        }
        active_ = false;
        onFire_();
    }

    const TimeSource& clock_;
    std::function<void()> onFire_;
    QTimer timer_;
    nanoseconds deadline_{0};
    bool active_ = false;
};

} // namespace

SteadyTimeSource::SteadyTimeSource() {
    clock_.start();
}

nanoseconds SteadyTimeSource::now() const {
    return nanoseconds(clock_.nsecsElapsed());
}

std::unique_ptr<DeadlineTimer> SteadyTimeSource::createTimer(std::function<void()> onFire) {
    return std::make_unique<SteadyDeadlineTimer>(*this, std::move(onFire));
}
