#pragma once
#include <QString>
#include <memory>

class QLockFile;

// One running copy per product. The lock lives in the user's runtime folder and is
// released by the system when the holder dies, so a crash never blocks the next start.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString &instanceName);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // True when this process now holds the lock; false when another live process does.
    bool tryAcquire();
    QString lockFilePath() const { return m_path; }

    // A file name for any instance name: readable where safe, unique by a hash always.
    static QString lockFileName(const QString &instanceName);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// Where the lock of an instance name lives: the user's runtime folder (the temporary folder
// when there is none).
QString runtimeLockPath(const QString &instanceName);

// Where the local socket of a name lives: beside the locks, so only this user reaches it.
QString runtimeSocketPath(const QString &name);

// The instance name of a product: its name followed by the fixed suffix.
QString instanceNameForProduct(const QString &productName);
