#include "platform/lock_file.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <signal.h>

namespace {

bool processMayBeAlive(qint64 pid, const QString &host)
{
    // A holder on another machine (a shared home folder) cannot be checked from here.
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

bool removeUnusableLockFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (!info.isSymLink() && info.isFile()) {
        QLockFile probe(path);
        qint64 pid = 0;
        QString host;
        QString application;
        if (probe.getLockInfo(&pid, &host, &application) && pid > 0 && processMayBeAlive(pid, host))
            return false;
    }
    qDebug().noquote() << "Removing the stale lock file" << path;
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}
