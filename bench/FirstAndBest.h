#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <utility>

// The first run's and the best of five runs' wall time of command, in milliseconds: the first
// as a user meets it (caches cold), the best as the machine can do it.
inline std::pair<double, double> firstAndBest(const std::function<void()>& command)
{
    double first = 0;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        command();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (run == 0)
            first = ms;
        best = std::min(best, ms);
    }
    return {first, best};
}
