#ifndef BENCHFIGURE_H
#define BENCHFIGURE_H

// What every benchmark prints: one tab-separated line per figure on standard
// output, "figure, median, min, max, limit" (limit 0: none), which
// scripts/bench turns into its table. The unit is in the figure's name.
#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

const int kRuns = 5;

inline double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

inline void report(const char *figure, std::vector<double> samples, double limit)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%s\t%.1f\t%.1f\t%.1f\t%g\n", figure, median(samples), samples.front(), samples.back(), limit);
    std::fflush(stdout);
}

// A figure that is the ratio of two medians, printed with both.
inline void reportRatio(const char *figure, double numerator, double denominator, double limit)
{
    const double ratio = numerator / denominator;
    std::printf("%s (%.1f / %.1f)\t%.2f\t%.2f\t%.2f\t%g\n", figure, numerator, denominator, ratio, ratio, ratio,
                limit);
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

// What the user waits for after a tap: every event it caused handled (the
// views lay their items out on a deferred event), then the whole window painted.
inline void settle(QWidget *window)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < 100 && dispatcher->processEvents(QEventLoop::AllEvents); ++round) {
    }
    window->grab();
}

// The process's resident size in MB.
inline double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

} // namespace bench

#endif
