#include "platform/background_task.h"

#include <system_error>
#include <utility>

BackgroundTask::BackgroundTask(std::function<void()> work)
{
    try {
        m_thread = std::thread(std::move(work));
        m_started = true;
    } catch (const std::system_error &) {
    }
}

BackgroundTask::~BackgroundTask()
{
    wait();
}

BackgroundTask &BackgroundTask::operator=(BackgroundTask &&other)
{
    wait();
    m_thread = std::move(other.m_thread);
    m_started = std::exchange(other.m_started, false);
    return *this;
}

void BackgroundTask::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
