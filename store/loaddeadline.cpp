#include "store/loaddeadline.h"

LoadDeadline::LoadDeadline(std::chrono::milliseconds limit)
    : cancellable(g_cancellable_new()),
      watchdog([this, limit] {
          std::unique_lock<std::mutex> lock(mutex);
          if (!finished.wait_for(lock, limit, [this] { return done; }))
              g_cancellable_cancel(cancellable);
      })
{
}

LoadDeadline::~LoadDeadline()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
    g_object_unref(cancellable);
}
