#pragma once
#include "store/device_settings.h"

#include <QThread>
#include <atomic>
#include <cstdint>

// The writer: one apply of the settings it is given. Saves them, sends the whole configuration
// to the mouse, records the outcome and signals the progress dialog.
class ZelProcessThread : public QThread {
    Q_OBJECT
public:
    explicit ZelProcessThread(const DeviceSettings &settings, QObject *parent = nullptr);

    void Stop() { stop = true; }

    std::atomic<uint8_t> result{0}; // ExchangeStatus of the write
    // Set by Reset All. Every write sends the whole configuration, so it changes nothing sent.
    std::atomic<bool> forceFull{false};
    std::atomic<bool> stop{false};  // set before start: run() does nothing

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    const DeviceSettings m_settings;
};
