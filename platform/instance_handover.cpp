#include "platform/instance_handover.h"

#include "platform/platform_log.h"
#include "platform/single_instance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
const QByteArray kShowAnswer = QByteArrayLiteral("shown\n");

} // namespace

InstanceHandover::InstanceHandover(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceHandover::accept);
}

InstanceHandover::~InstanceHandover() = default;

bool InstanceHandover::listen(const QString &instanceName)
{
    const QString path = runtimeSocketPath(instanceName);
    QLocalServer::removeServer(path);
    if (m_server->listen(path))
        return true;
    qCWarning(lcPlatform, "A second start cannot reach this copy: %s", qPrintable(m_server->errorString()));
    return false;
}

void InstanceHandover::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            // Nothing but the one request is understood; a line of it is at most this long.
            if (socket->bytesAvailable() < kShowRequest.size())
                return;
            const QByteArray request = socket->read(kShowRequest.size());
            if (request != kShowRequest) {
                qCWarning(lcPlatform, "Ignored a hand-over request that was not understood");
                socket->abort();
                return;
            }
            qCDebug(lcPlatform, "A second start asked for the window");
            socket->write(kShowAnswer);
            socket->disconnectFromServer();
            // Answered first: showing the window may open a modal box that would keep the
            // second start waiting.
            QTimer::singleShot(0, this, &InstanceHandover::showRequested);
        });
    }
}

bool InstanceHandover::requestShow(const QString &instanceName, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(runtimeSocketPath(instanceName));
    if (!socket.waitForConnected(int(deadline.remainingTime()))) {
        // Not listening: a copy still starting, or one from before the hand-over existed.
        qCDebug(lcPlatform, "No running copy listens for the hand-over (socket error %d)", int(socket.error()));
        return false;
    }
    socket.write(kShowRequest);
    QByteArray answer;
    while (answer.size() < kShowAnswer.size() && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        answer += socket.read(kShowAnswer.size() - answer.size());
    }
    if (answer != kShowAnswer) {
        qCDebug(lcPlatform, "The running copy did not answer the hand-over");
        return false;
    }
    return true;
}
