// A second start asks the running copy to show its window; the copy answers only that request.

#include "platform/instance_handover.h"
#include "platform/single_instance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Waits end as soon as the condition holds; the bound only matters on a loaded machine.
constexpr int kWaitMs = 20000;

class InstanceHandoverTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;
    const QString m_instance = instanceNameForProduct(QStringLiteral("Glide X7"));

    // The second start blocks while it asks, so it runs beside this thread's event loop.
    static bool askFromAnotherThread(const QString &instance)
    {
        auto asked = std::async(std::launch::async, [instance]() { return InstanceHandover::requestShow(instance, 5000); });
        while (asked.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return asked.get();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void secondStartReachesTheRunningCopy()
    {
        // Nobody listens: the second start learns so at once and still just ends.
        QVERIFY(!InstanceHandover::requestShow(m_instance, 5000));

        InstanceHandover running;
        QSignalSpy shown(&running, &InstanceHandover::showRequested);
        QVERIFY(running.listen(m_instance));
        QVERIFY(askFromAnotherThread(m_instance));
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, kWaitMs);

        // Another product's copy is not asked.
        QVERIFY(!InstanceHandover::requestShow(instanceNameForProduct(QStringLiteral("Other")), 5000));
        QCOMPARE(shown.count(), 1);
    }

    void aCopyThatDiedLeavesNoObstacle()
    {
        // What a crash leaves: a bound socket file with nobody behind it.
        const QByteArray path = QFile::encodeName(runtimeSocketPath(m_instance));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        ::close(fd);
        QVERIFY(QFile::exists(QFile::decodeName(path)));
        QVERIFY(!InstanceHandover::requestShow(m_instance, 5000));

        InstanceHandover next;
        QSignalSpy shown(&next, &InstanceHandover::showRequested);
        QVERIFY(next.listen(m_instance));
        QVERIFY(askFromAnotherThread(m_instance));
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, kWaitMs);
    }

    void anythingElseIsIgnored()
    {
        InstanceHandover running;
        QSignalSpy shown(&running, &InstanceHandover::showRequested);
        QVERIFY(running.listen(m_instance));
        QLocalSocket stranger;
        stranger.connectToServer(runtimeSocketPath(m_instance));
        QVERIFY(stranger.waitForConnected(kWaitMs));
        stranger.write("hide!\n");
        QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState, kWaitMs);
        QCOMPARE(stranger.readAll(), QByteArray());
        QCOMPARE(shown.count(), 0);
    }
};

QTEST_GUILESS_MAIN(InstanceHandoverTest)
#include "instance_handover_test.moc"
