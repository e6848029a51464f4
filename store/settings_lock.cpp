#include "store/settings_lock.h"

#include "platform/lock_file.h"
#include "platform/single_instance.h"
#include "store/app_paths.h"
#include "store/product_definition.h"

#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QRecursiveMutex>

namespace {

struct ProcessHold {
    QRecursiveMutex mutex;
    int depth = 0; // guarded by mutex
    std::unique_ptr<QLockFile> file;
};

ProcessHold &hold()
{
    static ProcessHold h;
    return h;
}

bool lockFile(ProcessHold &h)
{
    const QString path = settingsLockPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    removeUnusableLockFile(path);
    h.file = std::make_unique<QLockFile>(path);
    // Only a dead holder gives it up; a live one may be saving a large profile.
    h.file->setStaleLockTime(0);
    if (h.file->tryLock(kSettingsLockWaitMs))
        return true;
    qDebug().noquote() << "The settings lock" << path << "is held by another program; nothing was saved.";
    h.file.reset();
    return false;
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
    if (!h.mutex.tryLock(kSettingsLockWaitMs)) {
        qDebug("Another thread kept the settings lock too long; nothing was saved.");
        return;
    }
    if (h.depth == 0 && !lockFile(h)) {
        h.mutex.unlock();
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
    if (--h.depth == 0) {
        h.file->unlock();
        h.file.reset();
    }
    h.mutex.unlock();
}
