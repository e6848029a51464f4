#pragma once

#include <functional>
#include <thread>

// Runs a piece of start-up work on another thread from construction on; wait(), and the
// destructor, wait for it. Where no thread can be started, started() is false and nothing ran:
// the caller then does the work where it would have without this.
class BackgroundTask {
public:
    BackgroundTask() = default;
    explicit BackgroundTask(std::function<void()> work);
    ~BackgroundTask();
    BackgroundTask(BackgroundTask &&) = default;
    BackgroundTask &operator=(BackgroundTask &&other);

    bool started() const { return m_started; }
    void wait();

private:
    std::thread m_thread;
    bool m_started = false;
};
