#include "device/status_poller_control.h"

#include <mutex>

namespace {
std::mutex g_mutex;
StatusPollerControl g_control;

StatusPollerControl current()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_control;
}
} // namespace

void setStatusPollerControl(const StatusPollerControl &control)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_control = control;
}

void stopStatusPoller()
{
    if (auto stop = current().stopAndWait)
        stop();
}

void startStatusPoller()
{
    if (auto start = current().startNew)
        start();
}
