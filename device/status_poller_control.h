#pragma once
#include <functional>

// The write sequence stops the status poller before its exchanges and starts a new one after a
// successful write. The poller belongs to whoever shows its reports (the main window), which
// tells the device link here how to do both. Without a control both are no-ops.
struct StatusPollerControl {
    std::function<void()> stopAndWait; // returns once the poller has finished
    std::function<void()> startNew;
};
void setStatusPollerControl(const StatusPollerControl &control);
void stopStatusPoller();
void startStatusPoller();
