#include "device_test_support.h"

#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/packet.h"
#include "device/zel_get_battery_thread.h"

#include <QMutex>
#include <QSignalSpy>
#include <QtTest>
#include <cstring>
#include <functional>

// The retry schedule and the poller's rhythm on a virtual clock: the blocking calls are
// replaced, the emulated mouse only provides an open handle.
class ExchangeScheduleTest : public QObject {
    Q_OBJECT
    DeviceTestBed *bed = nullptr;
    TraceCapture traces;

    // One call of the exchange, as the schedule sees it.
    struct Call {
        char kind; // 'W' write, 'R' read, 'S' sleep
        int ms;    // read time-out or sleep length
        qint64 at; // virtual time when it started
    };
    QMutex mutex;
    QVector<Call> calls;
    qint64 now = 0;
    // Decides the reply of the n-th read (0-based); returns the byte count.
    std::function<int(int, unsigned char *)> reply;
    std::function<void(qint64)> onTick;
    int reads = 0;
    bool failWrites = false;

    void record(char kind, int ms)
    {
        QMutexLocker lock(&mutex);
        calls.append({kind, ms, now});
        now += kind == 'W' ? 0 : ms;
        if (onTick)
            onTick(now);
    }

    void installFakeIo()
    {
        calls.clear();
        now = 0;
        reads = 0;
        failWrites = false;
        onTick = nullptr;
        ExchangeIo io;
        io.write = [this](hid_device *, const unsigned char *, size_t length) {
            record('W', 0);
            return failWrites ? -1 : static_cast<int>(length);
        };
        io.readTimeout = [this](hid_device *, unsigned char *data, size_t, int ms) {
            const int n = reply ? reply(reads++, data) : 0;
            record('R', ms);
            return n;
        };
        io.sleepMs = [this](int ms) { record('S', ms); };
        setExchangeIo(io);
    }

    QString pattern() const
    {
        QString s;
        for (const Call &c : calls)
            s += QStringLiteral("%1%2 ").arg(c.kind).arg(c.ms);
        return s.trimmed();
    }

    static int echoOf(const Packet &p, unsigned char *data)
    {
        std::memcpy(data, p.data() + 1, 32);
        return 32;
    }

private slots:
    void initTestCase()
    {
        traces.start();
        bed = new DeviceTestBed;
        bed->connect(MouseEmulator::Receiver);
    }
    void cleanupTestCase() { delete bed; }
    void init()
    {
        traces.clear();
        reply = nullptr;
        installFakeIo();
    }

    void neverAnsweringMouseGetsThirtyReadsThenTwoRewrites()
    {
        QCOMPARE(SendCommand(configPacket(0x01).data(), kPacketLength), ExchangeRetriesExhausted);
        QString expected = QStringLiteral("W0 S10 R150");
        for (int i = 0; i < 29; ++i)
            expected += QStringLiteral(" S50 R150");
        expected += QStringLiteral(" W0 S10 R150 W0 S10 R150");
        QCOMPARE(pattern(), expected);
        QCOMPARE(now, qint64(3 * 10 + 32 * 150 + 29 * 50));
    }

    void differingEchoesRereadTwentyTimesThenRewriteTwice()
    {
        reply = [](int, unsigned char *data) {
            std::memset(data, 0x55, 32);
            return 32;
        };
        QCOMPARE(SendCommand(configPacket(0x02).data(), kPacketLength), ExchangeRetriesExhausted);
        QString expected = QStringLiteral("W0 S10 R150");
        for (int i = 0; i < 19; ++i)
            expected += QStringLiteral(" S50 R150");
        expected += QStringLiteral(" W0 S10 R150 W0 S10 R150");
        QCOMPARE(pattern(), expected);
        QCOMPARE(traces.count(QStringLiteral("command check fail, re read 0")), 19);
        QCOMPARE(traces.count(QStringLiteral("command check fail, re write 1")), 1);
        QCOMPARE(traces.count(QStringLiteral("command check fail, re write 2")), 1);
        QCOMPARE(traces.count(QStringLiteral("multi command check fail, go back--------------------------------------")), 1);
    }

    void rewriteCountIsSharedByBothKinds()
    {
        // 30 failed reads (first rewrite), then a differing echo 20 times: the rewrite count
        // goes on from 1, so only one more rewrite is allowed.
        const Packet p = configPacket(0x03);
        reply = [](int n, unsigned char *data) {
            if (n < 30)
                return 0;
            std::memset(data, 0x77, 32);
            return 32;
        };
        QCOMPARE(SendCommand(p.data(), kPacketLength), ExchangeRetriesExhausted);
        QCOMPARE(traces.count(QStringLiteral("re write")), 1);
        QCOMPARE(traces.count(QStringLiteral("command check fail, re write 2")), 1);
        QCOMPARE(traces.count(QStringLiteral("multi command check fail, go back--------------------------------------")), 1);
    }

    void sixthAllZeroReplyAfterACheckFailureIsACheckFailure()
    {
        const Packet p = configPacket(0x04, {1, 2, 3});
        reply = [p](int n, unsigned char *data) {
            if (n == 0) {
                std::memset(data, 0x11, 32);
                return 32;
            }
            if (n <= 6)
                return 32; // all zero
            return echoOf(p, data);
        };
        QCOMPARE(SendCommand(p.data(), kPacketLength), ExchangeOk);
        QCOMPARE(pattern().count(QLatin1Char('W')), 6);
        const QStringList lines = traces.lines();
        const int multi = lines.indexOf(QStringLiteral("multi all 0, go back--------------------------------------"));
        QVERIFY(multi > 0);
        QCOMPARE(lines.value(multi + 1), QStringLiteral("command check fail, re read 0"));
    }

    void allZeroCountRestartsAfterACheckFailure()
    {
        // Three zeros, one differing reply, five zeros, then the echo: the differing reply
        // restarts the all-zero count, so eight zero replies never reach the sixth.
        const Packet p = configPacket(0x05);
        reply = [p](int n, unsigned char *data) {
            if (n == 3) {
                std::memset(data, 0x22, 32);
                return 32;
            }
            return n < 9 ? 32 : echoOf(p, data);
        };
        QCOMPARE(SendCommand(p.data(), kPacketLength), ExchangeOk);
        QCOMPARE(traces.count(QStringLiteral("all 0, jump re write ")), 3 + 5);
        QCOMPARE(traces.count(QStringLiteral("multi all 0, go back--------------------------------------")), 0);
    }

    void writeFailureEndsAtOnce()
    {
        failWrites = true;
        QCOMPARE(SendCommand(configPacket(0x01).data(), kPacketLength), ExchangeWriteFailed);
        QCOMPARE(pattern(), QStringLiteral("W0"));
    }

    void pollerRequestsEveryTwoPointEightSeconds()
    {
        ZelGetBatteryThread poller;
        QSignalSpy battery(&poller, &ZelGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy status(&poller, &ZelGetBatteryThread::RefreshStatus);
        onTick = [&](qint64 t) {
            if (t >= 3 * 2790 + 500)
                poller.Stop();
        };
        poller.start();
        QVERIFY(poller.wait(10000));
        QVector<qint64> writes;
        for (const Call &c : calls) {
            if (c.kind == 'W')
                writes.append(c.at);
        }
        QVERIFY(writes.size() >= 3);
        QCOMPARE(writes[0], qint64(60)); // one listening read and its pause come first
        for (int i = 1; i < writes.size(); ++i)
            QCOMPARE(writes[i] - writes[i - 1], qint64(2790));
        // Nothing answered: nothing reported.
        QCOMPARE(battery.count(), 0);
        QCOMPARE(status.count(), 0);
        QCOMPARE(traces.count(QStringLiteral("ZelGetBatteryThread.\n")), 1);
        QCOMPARE(traces.count(QStringLiteral("ZelGetBatteryThread Stop.\n")), 1);
    }

    void pollerStopTakesEffectWithinOneReadAndOneSleep()
    {
        for (qint64 stopAt : {qint64(1000), qint64(2790 + 60 + 5), qint64(2790 + 60 + 120)}) {
            installFakeIo();
            ZelGetBatteryThread poller;
            qint64 requested = -1;
            onTick = [&](qint64 t) {
                if (requested < 0 && t >= stopAt) {
                    requested = t;
                    poller.Stop();
                }
            };
            poller.start();
            QVERIFY(poller.wait(10000));
            QVERIFY(requested >= 0);
            // Every call after the request, including the one in progress, is at most one
            // 50 ms read and one 100 ms sleep.
            qint64 after = 0;
            for (const Call &c : calls) {
                if (c.at >= requested)
                    after += c.kind == 'W' ? 0 : c.ms;
            }
            QVERIFY2(after <= 160, qPrintable(QString::number(after)));
        }
    }

    void statusReportsAreDecoded()
    {
        // The first read (listening) has nothing; the request's read gets a report with stage
        // byte 0x23; later listening reads get an unsolicited one.
        reply = [](int n, unsigned char *data) {
            if (n == 0)
                return 0;
            const unsigned char report[8] = {0x0A, 0xAA, 0xFF, 0xDD, 61, 7, 0x23, 3};
            std::memcpy(data, report, 8);
            if (n >= 2)
                data[6] = 0x15;
            return 32;
        };
        ZelGetBatteryThread poller;
        QSignalSpy battery(&poller, &ZelGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy status(&poller, &ZelGetBatteryThread::RefreshStatus);
        onTick = [&](qint64 t) {
            if (t >= 400)
                poller.Stop();
        };
        poller.start();
        QVERIFY(poller.wait(10000));
        QVERIFY(battery.count() == 1);
        QCOMPARE(battery[0], (QVariantList{QVariant::fromValue(uchar(0)), QVariant::fromValue(uchar(61)), QVariant::fromValue(uchar(7))}));
        QVERIFY(status.count() >= 2);
        QCOMPARE(status[0], (QVariantList{QVariant::fromValue(uchar(0)), QVariant::fromValue(uchar(3)), QVariant::fromValue(uchar(3)), QVariant::fromValue(uchar(0))}));
        QCOMPARE(status[1].value(1).value<uchar>(), uchar(5));
        QCOMPARE(traces.count(QStringLiteral("hid_read 1 f a aa ff dd 3d 7 23 3.\n")), 1);
        QVERIFY(traces.count(QStringLiteral("hid_read 1 s a aa ff dd 3d 7 15 3.\n")) >= 1);
    }
};

QTEST_GUILESS_MAIN(ExchangeScheduleTest)
#include "exchange_schedule_test.moc"
