#include "device/device_session.h"
#include "device/device_log.h"

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/exchange_lock.h"
#include "device/status_poller_control.h"
#include "device/zel_get_battery_thread.h"
#include "device/zel_process_thread.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <mutex>

DeviceSession::DeviceSession(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<uchar>("uchar");
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("device session"));
    m_context = new QObject;
    m_context->moveToThread(m_thread);
    m_restartTimer = new QTimer;
    m_restartTimer->setSingleShot(true);
    m_restartTimer->moveToThread(m_thread);
    connect(m_restartTimer, &QTimer::timeout, m_context, [this] { startPollerNow(); });
    m_thread->start();

    // The write sequence stops the poller and starts a new one from the writer thread, while
    // the session thread waits for the writer.
    StatusPollerControl control;
    control.stopAndWait = [this] { stopPollerNow(); };
    control.startNew = [this] { startPollerNow(); };
    setStatusPollerControl(control);
}

DeviceSession::~DeviceSession()
{
    // Requests still queued are dropped: the program is ending.
    QCoreApplication::removePostedEvents(m_context);
    postAndWait([this] {
        m_restartTimer->stop();
        stopPollerNow();
        CloseDevice();
    });
    setStatusPollerControl({});
    m_thread->quit();
    m_thread->wait();
    delete m_restartTimer;
    delete m_context;
    delete m_thread;
    ExitDeviceLibrary();
}

int DeviceSession::discover()
{
    InitDeviceTable();
    return EnumerateDevices();
}

void DeviceSession::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_context, std::move(job), Qt::QueuedConnection);
}

void DeviceSession::postAndWait(std::function<void()> job)
{
    Q_ASSERT(QThread::currentThread() != m_thread);
    QSemaphore done;
    post([&] {
        job();
        done.release();
    });
    done.acquire();
}

void DeviceSession::open(const QString &model)
{
    post([this, name = model.toLatin1()] {
        m_restartTimer->stop();
        stopPollerNow();
        OpenDevice(name.constData());
    });
}

void DeviceSession::close()
{
    post([this] {
        m_restartTimer->stop();
        stopPollerNow();
        CloseDevice();
    });
}

void DeviceSession::reopen(const QString &model, int pauseMs)
{
    post([this, name = model.toLatin1(), pauseMs] {
        m_restartTimer->stop();
        stopPollerNow();
        CloseDevice();
        // The session thread waits, so that the requests after this one find the device open.
        QThread::msleep(static_cast<unsigned long>(pauseMs));
        OpenDevice(name.constData());
    });
}

bool DeviceSession::interfaceArrived(int record, int connection, bool vendorInterface, const QString &path)
{
    const QByteArray latin1 = path.toLatin1();
    return storeInterfacePath(record, connection, vendorInterface ? DeviceInterface::Vendor : DeviceInterface::Mouse,
                              latin1.constData());
}

bool DeviceSession::interfaceRemoved(int record, int connection, bool vendorInterface)
{
    return clearInterfaceFound(record, connection, vendorInterface ? DeviceInterface::Vendor : DeviceInterface::Mouse);
}

void DeviceSession::resume(const QString &model, int pauseMs)
{
    post([this, name = model.toLatin1(), pauseMs] {
        m_restartTimer->stop();
        stopPollerNow();
        CloseDevice();
        if (pauseMs > 0)
            QThread::msleep(static_cast<unsigned long>(pauseMs));
        OpenDevice(name.constData());
        bool open = false;
        {
            std::lock_guard<std::mutex> lock(exchangeMutex());
            open = activeVendorHandle() != nullptr;
        }
        // A poller without an interface would only report the mouse off and end.
        if (open)
            startPollerNow();
        qCDebug(lcDevice, "device %s reopened%s", name.constData(), open ? "" : ": no vendor interface");
    });
}

void DeviceSession::startPoller()
{
    post([this] {
        m_restartTimer->stop();
        startPollerNow();
    });
}

void DeviceSession::stopPoller()
{
    post([this] {
        m_restartTimer->stop();
        stopPollerNow();
    });
}

void DeviceSession::restartPoller(int pauseMs)
{
    post([this, pauseMs] {
        stopPollerNow();
        m_restartTimer->start(pauseMs);
    });
}

void DeviceSession::selectProfile(int slot)
{
    post([this, slot] {
        const uint8_t status = selectNow(slot);
        // Emitted on the caller's thread, like every signal of the session.
        QMetaObject::invokeMethod(
            this, [this, slot, status] { emit profileSelectFinished(slot, status); }, Qt::QueuedConnection);
    });
}

void DeviceSession::write(const DeviceSettings &settings, bool forceFull)
{
    ++m_writesPending;
    auto copy = std::make_shared<DeviceSettings>(settings);
    post([this, copy, forceFull] {
        const uint8_t status = writeNow(*copy, forceFull);
        // Counted down on the caller's thread, just before the result is delivered there.
        QMetaObject::invokeMethod(
            this,
            [this, status] {
                --m_writesPending;
                emit writeFinished(status);
            },
            Qt::QueuedConnection);
    });
}

void DeviceSession::waitForIdle()
{
    postAndWait([] {});
}

uint8_t DeviceSession::selectProfileAndWait(int slot)
{
    uint8_t status = ExchangeOk;
    postAndWait([&] { status = selectNow(slot); });
    return status;
}

uint8_t DeviceSession::writeAndWait(const DeviceSettings &settings, bool forceFull)
{
    uint8_t status = ExchangeOk;
    postAndWait([&] { status = writeNow(settings, forceFull); });
    return status;
}

bool DeviceSession::vendorInterfaceOpen() const
{
    std::lock_guard<std::mutex> lock(exchangeMutex());
    return activeVendorHandle() != nullptr;
}

bool DeviceSession::pollerRunning() const
{
    QMutexLocker lock(&m_pollerMutex);
    return m_poller != nullptr;
}

void DeviceSession::startPollerNow()
{
    QMutexLocker lock(&m_pollerMutex);
    if (m_poller)
        return; // at most one poller talks to the mouse
    auto *poller = new ZelGetBatteryThread;
    // Connected before it starts: a poller without a device reports at once and ends.
    connect(poller, &ZelGetBatteryThread::RefreshBatteryStatus, this, &DeviceSession::RefreshBatteryStatus);
    connect(poller, &ZelGetBatteryThread::RefreshStatus, this, &DeviceSession::RefreshStatus);
    connect(poller, &ZelGetBatteryThread::RefreshWriteStatus, this, &DeviceSession::RefreshWriteStatus);
    // Made on the writer thread at the end of a write: it belongs to the session thread.
    if (poller->thread() != m_thread)
        poller->moveToThread(m_thread);
    m_poller = poller;
    poller->start(QThread::InheritPriority);
}

void DeviceSession::stopPollerNow()
{
    QMutexLocker lock(&m_pollerMutex);
    if (!m_poller)
        return;
    m_poller->Stop();
    m_poller->wait();
    delete m_poller;
    m_poller = nullptr;
}

uint8_t DeviceSession::selectNow(int slot)
{
    const ExchangeSequenceLock lock(kExchangeLockPatienceMs);
    if (!lock.held())
        return ExchangeBusy;
    // The select command is not echoed, so only a failed write tells anything.
    const uint8_t selected = SendProfileSelect(slot);
    const uint8_t status = selected ? selected : SendProfileFollowUp();
    qCDebug(lcDevice, "profile %d selected on the mouse: status %d", slot, status);
    return status;
}

uint8_t DeviceSession::writeNow(const DeviceSettings &settings, bool forceFull)
{
    ZelProcessThread writer(settings);
    writer.forceFull = forceFull;
    writer.start(QThread::InheritPriority);
    writer.wait();
    return writer.result;
}
