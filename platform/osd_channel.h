#pragma once
#include "platform/osd_message.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QStringList>
#include <QObject>
#include <QTimer>

class QLocalServer;
class QLocalSocket;

// Where the companion listens: a socket in the user's runtime folder named after its title.
QString osdSocketPath();

// The companion's command line when a program starts it: the program it serves, whose end
// (however it ends) ends the companion too.
QStringList osdCompanionArguments(qint64 ownerPid);
// The program a companion serves, from its arguments; 0 when started by hand (it then stays).
qint64 osdOwnerFromArguments(const QStringList &arguments);

// The program's end: hands blocks to the companion and starts it when it is not running,
// without ever waiting. A block waiting for the companion is replaced by a newer one.
class OsdSender : public QObject {
    Q_OBJECT
public:
    // Up to five starts of the companion, 500 ms apart; then the waiting block is dropped.
    static constexpr int kMaxStarts = 5;
    static constexpr int kStartIntervalMs = 500;
    // How often the socket is tried while the companion comes up.
    static constexpr int kConnectIntervalMs = 50;

    explicit OsdSender(const QString &companionProgram, QObject *parent = nullptr);
    ~OsdSender() override;

    void send(const QByteArray &block);
    bool isWaiting() const { return m_waiting; }

signals:
    void delivered(const QByteArray &block);
    void dropped(const QByteArray &block);

private:
    void tryConnect();
    void connectFailed();
    void finishAttempt(QLocalSocket *socket);

    QString m_program;
    QByteArray m_pending;
    bool m_waiting = false;
    int m_starts = 0;
    QElapsedTimer m_sinceStart;
    QTimer m_retry;
    QLocalSocket *m_attempt = nullptr;
};

// The companion's end: accepts blocks from any number of connections, one or more blocks per
// connection, and passes on those that parse. A refused block ends its connection: after it the
// stream can no longer be cut into blocks.
class OsdListener : public QObject {
    Q_OBJECT
public:
    explicit OsdListener(QObject *parent = nullptr);
    ~OsdListener() override;

    // Listens at `path`, replacing a socket file left by a companion that died. The caller must
    // hold the companion's single-instance lock, or it could take a live companion's name.
    bool listen(const QString &path = osdSocketPath());
    QString errorString() const;

signals:
    void messageReceived(const OsdMessage &message);
    void messageRefused(const QString &why);

private:
    void accept();
    void readFrom(QLocalSocket *socket);
    void refuse(QLocalSocket *socket, const QString &why);

    QLocalServer *m_server = nullptr;
    QHash<QLocalSocket *, QByteArray> m_buffers;
};
