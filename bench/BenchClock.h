#pragma once
// Wall-clock timing for the benchmarks that report a median of several rounds.
#include <QElapsedTimer>

#include <algorithm>
#include <vector>

inline double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

template <typename F> double timeMs(F&& f) {
    QElapsedTimer clock;
    clock.start();
    f();
    return clock.nsecsElapsed() / 1e6;
}
