#include "device/exchange_lock.h"

#include "platform/process_file_lock.h"
#include "platform/single_instance.h"
#include "store/product_definition.h"

#include <QMutex>
#include <map>
#include <memory>

namespace {

// One lock object per product for the whole process, so that nested holds are counted.
ProcessFileLock &lockForProduct()
{
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<ProcessFileLock>> locks;
    const QString path = runtimeLockPath(productName() + QStringLiteral(" exchange"));
    QMutexLocker guard(&mutex);
    std::unique_ptr<ProcessFileLock> &lock = locks[path];
    if (!lock)
        lock = std::make_unique<ProcessFileLock>(path);
    return *lock;
}

} // namespace

ExchangeSequenceLock::ExchangeSequenceLock(int timeoutMs)
{
    m_lock = &lockForProduct();
    m_held = timeoutMs > 0 ? m_lock->lock(timeoutMs) : m_lock->tryLock();
}

ExchangeSequenceLock::~ExchangeSequenceLock()
{
    if (m_held)
        m_lock->unlock();
}
