#pragma once
#include <QObject>

class QSocketNotifier;
class QTimer;

// Tells when another process has ended, however it ended: a companion that must not outlive
// the program that started it watches that program with it.
class ProcessEndWatch : public QObject {
    Q_OBJECT
public:
    // Where the system cannot hand out a process descriptor, the process is looked at this often.
    static constexpr int kPollIntervalMs = 500;

    explicit ProcessEndWatch(qint64 pid, QObject *parent = nullptr);
    ~ProcessEndWatch() override;

    // False once the process was seen to end (or was never there).
    bool isRunning() const { return m_running; }

signals:
    // Once, from the event loop; also when the process had ended before the watch began.
    void ended();

private:
    void finish();

    qint64 m_pid = 0;
    int m_fd = -1;
    bool m_running = true;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_poll = nullptr;
};
