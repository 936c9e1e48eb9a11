#ifndef BENCHFIGURE_H
#define BENCHFIGURE_H

// What every benchmark prints: one tab-separated line per figure on standard
// output, "figure, median, min, max, limit" in milliseconds (limit 0: none),
// which scripts/bench turns into its table.
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

const int kRuns = 5;

inline void report(const char *figure, std::vector<double> samples, double limitMs)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%s\t%.1f\t%.1f\t%.1f\t%g\n", figure, samples[samples.size() / 2], samples.front(),
                samples.back(), limitMs);
    std::fflush(stdout);
}

// Times kRuns runs of step, each after its own untimed preparation.
inline std::vector<double> timeRuns(const std::function<void()> &step, const std::function<void()> &prepare = {})
{
    std::vector<double> samples;
    for (int i = 0; i < kRuns; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return samples;
}

} // namespace bench

#endif
