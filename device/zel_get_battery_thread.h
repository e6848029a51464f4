#pragma once
#include <QThread>
#include <atomic>

// The status poller: asks the mouse for its status about every 2.8 s, listens for the reports
// it sends on its own in between, and reports battery, DPI stage and report rate. Ends when
// stopped or when no vendor interface is open.
class ZelGetBatteryThread : public QThread {
    Q_OBJECT
public:
    explicit ZelGetBatteryThread(QObject *parent = nullptr);

    // Takes effect within one 50 ms read and one 100 ms sleep.
    void Stop() { stop = true; }

    std::atomic<bool> stop{false};

signals:
    void RefreshBatteryStatus(uchar charging, uchar level, uchar extra);
    void RefreshStatus(uchar profile, uchar dpiStage, uchar reportRate, uchar mode);

protected:
    void run() override;
};
