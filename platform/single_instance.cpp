#include "platform/single_instance.h"

#include "platform/lock_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

QString instanceNameForProduct(const QString &productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

namespace {

QString nameHash(const QString &name)
{
    return QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// A file name for any instance name: readable where safe, unique by a hash always.
QString runtimeFileName(const QString &instanceName, const QString &suffix)
{
    QString readable;
    for (const QChar c : instanceName) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            readable += c;
        else if (!readable.endsWith(QLatin1Char('_')))
            readable += QLatin1Char('_');
        if (readable.size() >= 48)
            break;
    }
    // The hash keeps names apart that differ only in characters dropped above.
    return QStringLiteral("zelmouse-") + readable + QLatin1Char('-') + nameHash(instanceName) + suffix;
}

QString runtimeFilePath(const QString &fileName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(fileName);
}

} // namespace

QString SingleInstanceLock::lockFileName(const QString &instanceName)
{
    return runtimeFileName(instanceName, QStringLiteral(".lock"));
}

QString runtimeLockPath(const QString &instanceName)
{
    return runtimeFilePath(SingleInstanceLock::lockFileName(instanceName));
}

QString runtimeSocketPath(const QString &name)
{
    const QString path = runtimeFilePath(runtimeFileName(name, QStringLiteral(".sock")));
    // A socket path has room for 107 bytes only; the hash alone still keeps names apart.
    if (path.toLocal8Bit().size() <= 100)
        return path;
    return runtimeFilePath(QStringLiteral("zelmouse-") + nameHash(name) + QStringLiteral(".sock"));
}

SingleInstanceLock::SingleInstanceLock(const QString &instanceName)
    : m_path(runtimeLockPath(instanceName))
{
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    // An empty, garbage or directory lock file names no live holder: it must not keep us out.
    removeUnusableLockFile(m_path, LockFolder::ThisMachine);
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a dead holder gives the lock up.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
