#pragma once
// Virtual time for the playback engine: timers fire only when the test advances the clock, in
// deadline order (ties in the order they were started), and the clock stands at each deadline
// while its timer fires.
#include "platform/TimeSource.h"

#include <QtGlobal>
#include <algorithm>
#include <vector>

class VirtualTimeSource : public TimeSource {
public:
    std::chrono::nanoseconds now() const override { return now_; }
    std::unique_ptr<DeadlineTimer> createTimer(std::function<void()> onFire) override {
        return std::make_unique<Timer>(*this, std::move(onFire));
    }

    qint64 nowMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now_).count();
    }
    void advanceToMs(qint64 ms) { advanceTo(std::chrono::milliseconds(ms)); }
    void advanceByMs(qint64 ms) { advanceTo(now_ + std::chrono::milliseconds(ms)); }
    // Time passing inside a handler, as in a stall: nothing fires meanwhile.
    void stallMs(qint64 ms) { now_ += std::chrono::milliseconds(ms); }
    bool anyTimerActive() const {
        return std::any_of(timers_.begin(), timers_.end(),
                           [](const Timer* t) { return t->active; });
    }

    void advanceTo(std::chrono::nanoseconds until) {
        // A runaway engine would fire forever; a test never needs this many firings.
        for (int guard = 0; guard < 10'000'000; ++guard) {
            Timer* next = nullptr;
            for (Timer* t : timers_)
                if (t->active && t->deadline <= until &&
                    (!next || t->deadline < next->deadline ||
                     (t->deadline == next->deadline && t->order < next->order)))
                    next = t;
            if (!next) break;
            now_ = std::max(now_, next->deadline);
            next->active = false;
            next->onFire();
        }
        now_ = std::max(now_, until);
    }

private:
    struct Timer : DeadlineTimer {
        Timer(VirtualTimeSource& source, std::function<void()> fire)
            : source(source), onFire(std::move(fire)) {
            source.timers_.push_back(this);
        }
        ~Timer() override { std::erase(source.timers_, this); }
        void startAt(std::chrono::nanoseconds at) override {
            deadline = std::max(at, source.now_);
            active = true;
            order = ++source.order_;
        }
        void stop() override { active = false; }
        bool isActive() const override { return active; }

        VirtualTimeSource& source;
        std::function<void()> onFire;
        std::chrono::nanoseconds deadline{0};
        quint64 order = 0;
        bool active = false;
    };

    std::chrono::nanoseconds now_{0};
    std::vector<Timer*> timers_;
    quint64 order_ = 0;
};
