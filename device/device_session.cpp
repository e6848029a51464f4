#include "device/device_session.h"
#include "device/device_log.h"

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/exchange_lock.h"
#include "device/macro_download.h"
#include "device/write_plan.h"
#include "device/zel_get_battery_thread.h"
#include "store/config_file.h"
#include "store/profile_files.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <mutex>

DeviceSession::DeviceSession(QObject *parent)
    : QObject(parent)
    , m_sent(std::make_unique<DeviceSettings>())
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
        forgetProduct();
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
        forgetProduct();
        OpenDevice(name.constData());
    });
}

void DeviceSession::resume(const QString &model, int pauseMs)
{
    post([this, name = model.toLatin1(), pauseMs] {
        m_restartTimer->stop();
        stopPollerNow();
        CloseDevice();
        if (pauseMs > 0)
            QThread::msleep(static_cast<unsigned long>(pauseMs));
        forgetProduct();
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

void DeviceSession::write(const DeviceSettings &settings)
{
    ++m_writesPending;
    auto copy = std::make_shared<DeviceSettings>(settings);
    auto applied = std::make_shared<DeviceSettings>(appliedSettings);
    post([this, copy, applied] {
        const uint8_t status = writeNow(*copy, *applied);
        // Delivered on the caller's thread, which alone keeps appliedSettings.
        QMetaObject::invokeMethod(
            this,
            [this, copy, status] {
                if (status != ExchangeNotSaved)
                    appliedSettings = *copy;
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

uint8_t DeviceSession::writeAndWait(const DeviceSettings &settings)
{
    uint8_t status = ExchangeOk;
    postAndWait([&] { status = writeNow(settings, appliedSettings); });
    if (status != ExchangeNotSaved)
        appliedSettings = settings;
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

void DeviceSession::forgetProduct()
{
    // Read again at the next write: the mouse opened now may be another.
    m_product.reset();
}

uint8_t DeviceSession::writeNow(const DeviceSettings &settings, const DeviceSettings &applied)
{
    // Marked as not applied before any file changes, so that a run killed anywhere from here
    // on leaves the flag set; cleared only once the mouse has it all. Nothing is sent when the
    // settings cannot be kept: the mouse would hold what the files do not.
    if (!writeApplyFailedFlag(1) || !saveSettingsForApply(settings))
        return ExchangeNotSaved;
    markEditedMacroSent(settings, applied);
    const ExchangeSequenceLock lock(kExchangeLockPatienceMs);
    if (!lock.held())
        return ExchangeBusy;
    stopPollerNow();
    if (!m_product)
        m_product = readProductSnapshot();
    const WritePlan plan = planWrite(*m_sent, settings, *m_product, loadMacroImages(settings.profiles[0]));
    *m_sent = settings;
    const uint8_t status = sendWritePlan(plan, [this](int sent, int total) {
        QMetaObject::invokeMethod(this, [this, sent, total] { emit writeProgress(sent, total); }, Qt::QueuedConnection);
    });
    qCDebug(lcDevice, "settings written to the mouse: status %d", status);
    if (status != ExchangeOk)
        return status; // the poller stays stopped: a mouse that failed a write is not polled
    startPollerNow();
    writeApplyFailedFlag(0);
    return ExchangeOk;
}
