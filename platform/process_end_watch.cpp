#include "platform/process_end_watch.h"

#include "platform/platform_log.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A descriptor that becomes readable when the process ends; unlike its number, it can never
// come to mean another process. -1 where the kernel has none (before 5.3).
int openProcessDescriptor(qint64 pid)
{
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    Q_UNUSED(pid);
    errno = ENOSYS;
    return -1;
#endif
}

bool processExists(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

ProcessEndWatch::ProcessEndWatch(qint64 pid, QObject *parent)
    : QObject(parent)
    , m_pid(pid)
{
    if (pid <= 0) {
        finish();
        return;
    }
    m_fd = openProcessDescriptor(pid);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ProcessEndWatch::finish);
        return;
    }
    if (errno == ESRCH) {
        finish();
        return;
    }
    qCDebug(lcPlatform, "No process descriptor for %lld (%s); looking every %d ms", pid, strerror(errno), kPollIntervalMs);
    m_poll = new QTimer(this);
    m_poll->setInterval(kPollIntervalMs);
    connect(m_poll, &QTimer::timeout, this, [this] {
        if (!processExists(m_pid))
            finish();
    });
    m_poll->start();
    if (!processExists(pid))
        finish();
}

ProcessEndWatch::~ProcessEndWatch()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void ProcessEndWatch::finish()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (m_poll)
        m_poll->stop();
    qCDebug(lcPlatform, "Process %lld has ended", m_pid);
    // From the event loop, so that a receiver connected after construction still hears it.
    QTimer::singleShot(0, this, &ProcessEndWatch::ended);
}
