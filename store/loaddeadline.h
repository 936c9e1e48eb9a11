#ifndef LOADDEADLINE_H
#define LOADDEADLINE_H

#include <gio/gio.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Cancels the address-book calls of one load when they run past the limit: a
// stalled service would otherwise freeze the window for the D-Bus default of
// 25 s per call, and a load makes several.
class LoadDeadline
{
public:
    explicit LoadDeadline(std::chrono::milliseconds limit);
    ~LoadDeadline();

    LoadDeadline(const LoadDeadline &) = delete;
    LoadDeadline &operator=(const LoadDeadline &) = delete;

    GCancellable *const cancellable;

private:
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread watchdog;
};

#endif
