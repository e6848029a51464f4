#include "platform/osd_channel.h"

#include "platform/platform_log.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

QString osdSocketPath()
{
    return runtimeSocketPath(osdWindowTitle());
}

namespace {
const QString kOwnerOption = QStringLiteral("--owner");
}

QStringList osdCompanionArguments(qint64 ownerPid)
{
    return {kOwnerOption, QString::number(ownerPid)};
}

qint64 osdOwnerFromArguments(const QStringList &arguments)
{
    const int at = arguments.indexOf(kOwnerOption);
    if (at < 0 || at + 1 >= arguments.size())
        return 0;
    bool ok = false;
    const qint64 pid = arguments.at(at + 1).toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

// ---------------------------------------------------------------------------------------------
// Sender

OsdSender::OsdSender(const QString &companionProgram, QObject *parent)
    : QObject(parent)
    , m_program(companionProgram)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kConnectIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, &OsdSender::tryConnect);
}

OsdSender::~OsdSender() = default;

void OsdSender::send(const QByteArray &block)
{
    m_pending = block;
    if (m_waiting)
        return; // the attempt under way delivers the newest block
    m_waiting = true;
    m_starts = 0;
    tryConnect();
}

void OsdSender::tryConnect()
{
    auto *socket = new QLocalSocket(this);
    m_attempt = socket;
    connect(socket, &QLocalSocket::connected, this, [this, socket]() {
        if (socket != m_attempt)
            return;
        const QByteArray block = m_pending;
        socket->write(block);
        // Leaves once everything is written; the companion reads until the end of the stream.
        socket->disconnectFromServer();
        m_attempt = nullptr;
        m_pending.clear();
        m_waiting = false;
        qCDebug(lcOsd, "Notice handed to the on-screen display");
        emit delivered(block);
    });
    connect(socket, &QLocalSocket::errorOccurred, this, [this, socket](QLocalSocket::LocalSocketError error) {
        if (socket == m_attempt && error != QLocalSocket::PeerClosedError) {
            m_attempt = nullptr;
            connectFailed();
        }
        finishAttempt(socket);
    });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket]() { finishAttempt(socket); });
    socket->connectToServer(osdSocketPath());
}

void OsdSender::finishAttempt(QLocalSocket *socket)
{
    if (socket != m_attempt)
        socket->deleteLater();
}

void OsdSender::connectFailed()
{
    if (m_starts == 0 || m_sinceStart.elapsed() >= kStartIntervalMs) {
        if (m_starts == kMaxStarts) {
            qCDebug(lcOsd, "The on-screen display did not answer after %d starts; the notice is dropped", kMaxStarts);
            const QByteArray block = m_pending;
            m_pending.clear();
            m_waiting = false;
            emit dropped(block);
            return;
        }
        ++m_starts;
        m_sinceStart.restart();
        if (!QProcess::startDetached(m_program, osdCompanionArguments(QCoreApplication::applicationPid())))
            qCDebug(lcOsd, "The on-screen display %s could not be started", qPrintable(m_program));
    }
    m_retry.start();
}

// ---------------------------------------------------------------------------------------------
// Listener

OsdListener::OsdListener(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    qRegisterMetaType<OsdMessage>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &OsdListener::accept);
}

OsdListener::~OsdListener() = default;

bool OsdListener::listen(const QString &path)
{
    QLocalServer::removeServer(path);
    if (m_server->listen(path))
        return true;
    qCWarning(lcOsd, "The on-screen display cannot listen at %s: %s", qPrintable(path),
              qPrintable(m_server->errorString()));
    return false;
}

QString OsdListener::errorString() const
{
    return m_server->errorString();
}

void OsdListener::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket]() {
            readFrom(socket);
            const QByteArray rest = m_buffers.take(socket);
            // A stream that ends inside a block: the parser names the size.
            if (!rest.isEmpty()) {
                const QString why = parseOsdMessage(rest).error;
                qCWarning(lcOsd, "Notice ignored: %s", qPrintable(why));
                emit messageRefused(why);
            }
            socket->deleteLater();
        });
        readFrom(socket);
    }
}

void OsdListener::readFrom(QLocalSocket *socket)
{
    auto buffer = m_buffers.find(socket);
    if (buffer == m_buffers.end())
        return;
    buffer->append(socket->readAll());
    while (buffer->size() >= kOsdMessageSize) {
        const OsdParseResult parsed = parseOsdMessage(buffer->left(kOsdMessageSize));
        buffer->remove(0, kOsdMessageSize);
        if (!parsed.ok) {
            refuse(socket, parsed.error);
            return;
        }
        emit messageReceived(parsed.message);
        buffer = m_buffers.find(socket); // a receiver may have run the event loop
        if (buffer == m_buffers.end())
            return;
    }
}

void OsdListener::refuse(QLocalSocket *socket, const QString &why)
{
    qCWarning(lcOsd, "Notice ignored: %s", qPrintable(why));
    m_buffers.remove(socket);
    emit messageRefused(why);
    socket->abort();
}
