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

QString SingleInstanceLock::lockFileName(const QString &instanceName)
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
    const QByteArray hash = QCryptographicHash::hash(instanceName.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("zelmouse-") + readable + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".lock");
}

QString runtimeLockPath(const QString &instanceName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(SingleInstanceLock::lockFileName(instanceName));
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
    removeUnusableLockFile(m_path);
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a dead holder gives the lock up.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
