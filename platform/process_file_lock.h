#pragma once
#include <QMutex>
#include <QString>

// An advisory lock (flock) on a file, shared by the threads of this process and exclusive
// between processes. Nested holds within the process are counted: the lock is released when
// the last one ends. Waiting blocks the calling thread: never wait on the GUI thread.
class ProcessFileLock {
public:
    explicit ProcessFileLock(const QString &path);
    ~ProcessFileLock();
    ProcessFileLock(const ProcessFileLock &) = delete;
    ProcessFileLock &operator=(const ProcessFileLock &) = delete;

    bool tryLock();
    // Waits at most timeoutMs for another process to let go.
    bool lock(int timeoutMs);
    void unlock();
    QString path() const { return m_path; }

private:
    bool acquire(bool wait, int timeoutMs);

    QString m_path;
    QMutex m_mutex;
    int m_fd = -1;
    int m_depth = 0;
};
