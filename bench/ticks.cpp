// How evenly the program's timers tick: one forms::Timer on the real Qt
// clock set to 200 ms, as the lamp animations set theirs, timed over 50
// consecutive ticks. Prints each interval's error from 200 ms (median, mean,
// largest), the shortest and longest interval and how far the 50th tick
// lies from 50 x 200 ms. Exits 3 when the median error is above 2 ms.

#include "forms/QtClock.h"
#include "forms/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int kInterval = 200;
constexpr int kTicks = 50;
constexpr double kMedianErrorLimit = 2.0;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);

    forms::QtClock clock;
    QElapsedTimer elapsed;
    std::vector<double> at; // milliseconds since the interval was set
    forms::Timer timer(clock, [&] {
        at.push_back(elapsed.nsecsElapsed() / 1e6);
        if (static_cast<int>(at.size()) == kTicks)
            QCoreApplication::quit();
    });
    elapsed.start();
    timer.setInterval(kInterval);
    QCoreApplication::exec();
    timer.setEnabled(false);

    std::vector<double> intervals;
    std::vector<double> errors;
    double previous = 0;
    for (double t : at) {
        intervals.push_back(t - previous);
        errors.push_back(std::fabs(t - previous - kInterval));
        previous = t;
    }
    const double medianError = median(errors);
    const double meanError = std::accumulate(errors.begin(), errors.end(), 0.0) / errors.size();
    const auto [shortest, longest] = std::minmax_element(intervals.begin(), intervals.end());

    std::printf("ticks: %d x %d ms on the Qt clock\n", kTicks, kInterval);
    std::printf("  error per interval: median %.2f ms, mean %.2f ms, largest %.2f ms\n", medianError, meanError,
                *std::max_element(errors.begin(), errors.end()));
    std::printf("  intervals: %.2f to %.2f ms\n", *shortest, *longest);
    std::printf("  tick %d at %.2f ms (drift %+.2f ms)\n", kTicks, at.back(), at.back() - kTicks * kInterval);
    const bool met = medianError <= kMedianErrorLimit;
    std::printf("  median error %.2f ms <= %.1f ms: %s\n", medianError, kMedianErrorLimit, met ? "met" : "NOT met");
    return met ? 0 : 3;
}
