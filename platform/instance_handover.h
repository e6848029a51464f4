#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// A second start of the program hands over to the running copy: it asks that copy to show its
// window, then ends. The running copy listens on a socket named per product, like its lock.
class InstanceHandover : public QObject {
    Q_OBJECT
public:
    explicit InstanceHandover(QObject *parent = nullptr);
    ~InstanceHandover() override;

    // Call only while holding the instance's lock: a socket file left by a copy that died is
    // replaced.
    bool listen(const QString &instanceName);

    // Asks the copy that holds `instanceName` to show its window; true when it answered. Waits
    // up to `timeoutMs`: meant for a second start, which has no window to keep alive.
    static bool requestShow(const QString &instanceName, int timeoutMs = 3000);

signals:
    void showRequested();

private:
    void accept();

    QLocalServer *m_server = nullptr;
};
