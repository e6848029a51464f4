#include "platform/lock_file.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// QLockFile keeps a lock on the file's open descriptor while it holds it.
bool heldByAProcessHere(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool processMayBeAlive(const QString &path, qint64 pid, const QString &host, LockFolder folder)
{
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        // A holder on another machine (a shared home folder) cannot be checked from here; in a
        // folder of this machine, a file naming another host was written under another host
        // name (or copied in), and its process number means nothing here.
        return folder == LockFolder::Shared || heldByAProcessHere(path);
    }
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

bool removeUnusableLockFile(const QString &path, LockFolder folder)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (!info.isSymLink() && info.isFile()) {
        QLockFile probe(path);
        qint64 pid = 0;
        QString host;
        QString application;
        if (probe.getLockInfo(&pid, &host, &application) && pid > 0 && processMayBeAlive(path, pid, host, folder))
            return false;
    }
    qDebug().noquote() << "Removing the stale lock file" << path;
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}
