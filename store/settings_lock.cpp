#include "store/settings_lock.h"

#include "platform/lock_file.h"
#include "platform/single_instance.h"
#include "store/app_paths.h"
#include "store/product_definition.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace {

// The lock as this process holds it: one owning thread at a time (re-entrant), the file held
// while any thread owns it or has lent it out.
struct ProcessHold {
    QMutex mutex;
    QWaitCondition released;
    QThread *owner = nullptr; // guarded by mutex, as are the rest
    int depth = 0;
    int lent = 0;
    std::unique_ptr<QLockFile> file;
};

ProcessHold &hold()
{
    static ProcessHold h;
    return h;
}

// Files are staged only under this lock: one found by a new holder was left by a run that was
// killed before renaming it.
void removeLeftStagingFiles()
{
    QDirIterator it(configDirectory(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isStagingFileName(it.fileName())) {
            qDebug().noquote() << "Removing" << path << "left by an interrupted save.";
            QFile::remove(path);
        }
    }
}

QString &lastLockFailure()
{
    static QString cause; // guarded by hold().mutex
    return cause;
}

// QLockFile says only that it could not make its file: the cause comes from making one like
// it beside it (no space, a read-only folder, a file where the folder should be).
QString lockFileFailure(const QString &path)
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    const QByteArray probe = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    QByteArray name = probe;
    const int fd = ::mkstemp(name.data());
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        // As much as a lock file holds: its process, program and host.
        const QByteArray content(256, 'x');
        if (::write(fd, content.constData(), size_t(content.size())) != content.size() || ::fsync(fd) != 0)
            error = errno ? errno : ENOSPC;
        ::close(fd);
        ::unlink(name.constData());
    }
    return error ? qt_error_string(error) : QStringLiteral("The lock file could not be created");
}

bool lockFile(ProcessHold &h, int timeoutMs)
{
    const QString path = settingsLockPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    removeUnusableLockFile(path);
    h.file = std::make_unique<QLockFile>(path);
    // Only a dead holder gives it up; a live one may be saving a large profile.
    h.file->setStaleLockTime(0);
    lastLockFailure().clear();
    if (h.file->tryLock(qMax(0, timeoutMs))) {
        removeLeftStagingFiles();
        return true;
    }
    if (h.file->error() == QLockFile::LockFailedError) {
        qDebug().noquote() << "The settings lock" << path << "is held by another program; nothing was saved.";
    } else {
        lastLockFailure() = lockFileFailure(path);
        qDebug().noquote() << "The settings lock" << path << "could not be made:" << lastLockFailure();
    }
    h.file.reset();
    return false;
}

// Waits (with `h.mutex` held) until no thread owns the lock, then takes it for this thread.
bool takeOwnership(ProcessHold &h, QDeadlineTimer deadline)
{
    while (h.owner && h.owner != QThread::currentThread()) {
        if (!h.released.wait(&h.mutex, deadline))
            return false;
    }
    h.owner = QThread::currentThread();
    return true;
}

void giveUpOwnership(ProcessHold &h)
{
    h.owner = nullptr;
    if (h.lent == 0 && h.file) {
        h.file->unlock();
        h.file.reset();
    }
    h.released.wakeAll();
}

} // namespace

QString settingsLockPath()
{
    return configDirectory() + QLatin1Char('/')
        + SingleInstanceLock::lockFileName(productName() + QStringLiteral(" settings"));
}

SettingsLock::SettingsLock()
{
    ProcessHold &h = hold();
    QDeadlineTimer deadline(kSettingsLockWaitMs);
    QMutexLocker locker(&h.mutex);
    if (!takeOwnership(h, deadline)) {
        qDebug("Another thread kept the settings lock too long; nothing was saved.");
        return;
    }
    if (!h.file && !lockFile(h, int(deadline.remainingTime()))) {
        giveUpOwnership(h);
        return;
    }
    ++h.depth;
    m_locked = true;
}

SettingsLock::~SettingsLock()
{
    if (!m_locked)
        return;
    ProcessHold &h = hold();
    QMutexLocker locker(&h.mutex);
    if (--h.depth == 0)
        giveUpOwnership(h);
}

SettingsLockLoan::SettingsLockLoan(const SettingsLock &lock)
    : m_active(lock.isLocked())
{
    if (!m_active)
        return;
    ProcessHold &h = hold();
    QMutexLocker locker(&h.mutex);
    m_depth = h.depth;
    h.depth = 0;
    ++h.lent;
    h.owner = nullptr;
    h.released.wakeAll();
}

SettingsLockLoan::~SettingsLockLoan()
{
    if (!m_active)
        return;
    ProcessHold &h = hold();
    QMutexLocker locker(&h.mutex);
    takeOwnership(h, QDeadlineTimer(QDeadlineTimer::Forever));
    --h.lent;
    h.depth = m_depth;
}

QString lastSettingsLockFailure()
{
    ProcessHold &h = hold();
    QMutexLocker locker(&h.mutex);
    return lastLockFailure();
}

bool isStagingFileName(const QString &fileName)
{
    QStringView name(fileName);
    if (name.endsWith(QLatin1String(".lock")))
        name.chop(5);
    // A dot, a name of at least one character, a dot and six ASCII letters or digits.
    if (name.size() < 9 || name.front() != QLatin1Char('.') || name.at(name.size() - 7) != QLatin1Char('.'))
        return false;
    for (const QChar c : name.right(6)) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')))
            return false;
    }
    return true;
}
