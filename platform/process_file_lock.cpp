#include "platform/process_file_lock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ProcessFileLock::ProcessFileLock(const QString &path)
    : m_path(path)
{
}

ProcessFileLock::~ProcessFileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ProcessFileLock::tryLock()
{
    return acquire(false, 0);
}

bool ProcessFileLock::lock(int timeoutMs)
{
    return acquire(true, timeoutMs);
}

bool ProcessFileLock::acquire(bool wait, int timeoutMs)
{
    QMutexLocker guard(&m_mutex);
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    if (m_fd < 0) {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        // O_NOFOLLOW: a link planted at the lock's name is not followed.
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0)
            return false;
    }
    // flock has no time-out of its own: ask again every few milliseconds until the deadline.
    const QDeadlineTimer deadline(wait ? timeoutMs : 0);
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_depth = 1;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (!wait || deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

void ProcessFileLock::unlock()
{
    QMutexLocker guard(&m_mutex);
    if (m_depth == 0)
        return;
    if (--m_depth == 0 && m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
}
