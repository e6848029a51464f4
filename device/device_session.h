#pragma once
#include "device/exchange_status.h"
#include "store/device_settings.h"
#include "store/product_definition.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QThread;
class QTimer;
class ZelGetBatteryThread;

// The one owner of everything that talks to the mouse: discovery, opening and closing its
// interfaces, the status poller, the writer and profile select. The window and the
// command-line tool send it requests and receive its signals; a request returns at once and
// never waits for the mouse on the caller's thread.
//
// Threads and what they own:
// - The caller's thread (the GUI thread in the window): this object and its signals, which
//   arrive there queued; discover(), which only asks the system for its HID devices.
// - The session thread: carries out the requests one at a time, in the order they were made.
//   It alone opens and closes the interfaces, writes, and creates, stops and deletes the
//   poller, so a handle is never closed under a reader and at most one poller runs. It alone
//   holds the copy the last write sent and the product snapshot of the open mouse.
// - The poller thread (ZelGetBatteryThread), started and stopped by the session thread.
// The device table is written on the caller's thread only (discover() and the presence
// tracker, trackInterfaceChange()); the session thread reads its paths, under the
// table's own lock, when it opens. The handles are opened and closed only on the session
// thread; the poller and the write use them under exchangeMutex(). `appliedSettings` is read
// and written on the caller's thread only: read when a write is asked for, written when its
// result is delivered.
//
// Lock order: the settings lock, then ExchangeSequenceLock (between processes), then
// m_pollerMutex, then exchangeMutex() (one packet and its echo).
class DeviceSession : public QObject {
    Q_OBJECT
public:
    explicit DeviceSession(QObject *parent = nullptr);
    // Finishes the request in progress, drops the queued ones, stops the poller, closes the
    // interfaces and ends the HID library.
    ~DeviceSession() override;

    // Builds the device table and lists the system's HID devices (no exchange with the mouse).
    // Returns EnumerateDevices' result. Call it before the first request.
    int discover();

    // Requests, carried out in order on the session thread.
    void open(const QString &model);
    void close();
    // Close, give the mouse pauseMs, open again.
    void reopen(const QString &model, int pauseMs);
    // Stop the poller, close, give the mouse pauseMs, open again, and poll again only when a
    // vendor interface could be opened: what a device change needs.
    void resume(const QString &model, int pauseMs);
    void startPoller();
    void stopPoller();
    // Stop now and start again after pauseMs, unless the poller was started, stopped or the
    // interfaces closed meanwhile.
    void restartPoller(int pauseMs);
    // The slot menu's profile select and its follow-ups; reported by profileSelectFinished.
    void selectProfile(int slot);
    // The one way settings reach the mouse, for the window's Apply and for writes without a
    // dialog: saves `settings` (a copy is taken now), marks an edited macro sent, stops the
    // poller, sends them with the echo check and, when all went, polls again. Reports
    // writeProgress while sending, then writeFinished; `appliedSettings` is `settings` from
    // that delivery on, unless they could not be saved.
    void write(const DeviceSettings &settings);

    // True from write() until writeFinished has been emitted.
    bool writing() const { return m_writesPending > 0; }

    // For the command-line tool and tests, never the GUI thread: wait until every request made
    // so far has been carried out; the blocking forms of select and write.
    void waitForIdle();
    uint8_t selectProfileAndWait(int slot);
    uint8_t writeAndWait(const DeviceSettings &settings);
    // Whether a vendor interface is open (waits for an exchange in progress).
    bool vendorInterfaceOpen() const;
    bool pollerRunning() const;

signals:
    void RefreshBatteryStatus(uchar charging, uchar level, uchar extra);
    void RefreshStatus(uchar profile, uchar dpiStage, uchar reportRate, uchar mode);
    // `sent` of `total` packets of the write have gone.
    void writeProgress(int sent, int total);
    void writeFinished(uchar status);
    void profileSelectFinished(int slot, uchar status);

private:
    void post(std::function<void()> job);
    void postAndWait(std::function<void()> job);
    // Session thread.
    void startPollerNow();
    void stopPollerNow();
    void forgetProduct();
    uint8_t selectNow(int slot);
    uint8_t writeNow(const DeviceSettings &settings, const DeviceSettings &applied);

    QThread *m_thread = nullptr;
    QObject *m_context = nullptr;   // lives on the session thread; requests are posted to it
    QTimer *m_restartTimer = nullptr;
    mutable QMutex m_pollerMutex;
    ZelGetBatteryThread *m_poller = nullptr;
    int m_writesPending = 0;        // caller's thread only
    // Session thread: what the last write sent (zero before the first), and the product of the
    // open mouse, read at its first write.
    std::unique_ptr<DeviceSettings> m_sent;
    std::optional<ProductSnapshot> m_product;
};
