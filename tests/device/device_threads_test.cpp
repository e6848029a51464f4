#include "device_test_support.h"

#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/zel_get_battery_thread.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The threads emit from their own run(); QSignalSpy records in the emitting thread, so the
// tests spy on this relay, which lives on the test's thread and receives the signals queued.
class ThreadSignalRelay : public QObject {
    Q_OBJECT
public:
    explicit ThreadSignalRelay(ZelGetBatteryThread *poller)
    {
        connect(poller, &ZelGetBatteryThread::RefreshBatteryStatus, this, &ThreadSignalRelay::RefreshBatteryStatus,
                Qt::QueuedConnection);
        connect(poller, &ZelGetBatteryThread::RefreshStatus, this, &ThreadSignalRelay::RefreshStatus,
                Qt::QueuedConnection);
    }
signals:
    void RefreshBatteryStatus(uchar charging, uchar level, uchar extra);
    void RefreshStatus(uchar profile, uchar dpiStage, uchar reportRate, uchar mode);
};

// The status poller against the emulated mouse, in real time.
class DeviceThreadsTest : public QObject {
    Q_OBJECT
    DeviceTestBed *bed = nullptr;
    TraceCapture traces;
    std::unique_ptr<ZelGetBatteryThread> poller;

    static QVariantList bytes(std::initializer_list<int> values)
    {
        QVariantList list;
        for (int v : values)
            list << QVariant::fromValue(uchar(v));
        return list;
    }

    void stopPoller()
    {
        if (poller) {
            poller->Stop();
            QVERIFY(poller->wait(2000));
            poller.reset();
        }
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<uchar>("uchar");
        traces.start();
        bed = new DeviceTestBed;
    }
    void cleanupTestCase()
    {
        stopPoller();
        delete bed;
    }
    void init()
    {
        bed->connect(MouseEmulator::Receiver);
        bed->mouse().setBattery(57, 3);
        bed->mouse().setStatus(2, 3);
        traces.clear();
    }
    void cleanup() { stopPoller(); }

    void pollerReportsBatteryStageAndRate()
    {
        poller = std::make_unique<ZelGetBatteryThread>();
        ThreadSignalRelay relay(poller.get());
        QSignalSpy battery(&relay, &ThreadSignalRelay::RefreshBatteryStatus);
        QSignalSpy status(&relay, &ThreadSignalRelay::RefreshStatus);
        poller->start();
        QVERIFY(battery.wait(2000));
        QCOMPARE(battery.takeFirst(), bytes({0, 57, 3}));
        QTRY_VERIFY(status.count() >= 1);
        QCOMPARE(status.takeFirst(), bytes({0, 2, 3, 0}));
        QCOMPARE(bed->mouse().state().statusRequests, 1);

        // The user presses the DPI button: the report arrives while the poller listens.
        bed->mouse().pressDpiButton();
        QVERIFY(status.wait(2000));
        QCOMPARE(status.takeFirst(), bytes({0, 3, 3, 0}));
        QVERIFY(traces.lines().contains(QStringLiteral("hid_read 1 s a aa ff dd 39 3 3 3.\n")));
        // Only the low four bits of byte 7 are the stage.
        bed->mouse().setStatus(0x25, 1);
        bed->mouse().sendStatusReport();
        QVERIFY(status.wait(2000));
        QCOMPARE(status.takeFirst(), bytes({0, 5, 1, 0}));
        QCOMPARE(battery.count(), 0); // unsolicited reports leave the battery alone
    }

    void pollerEndsWithZerosWhenTheMouseGoes()
    {
        poller = std::make_unique<ZelGetBatteryThread>();
        ThreadSignalRelay relay(poller.get());
        QSignalSpy battery(&relay, &ThreadSignalRelay::RefreshBatteryStatus);
        poller->start();
        QVERIFY(battery.wait(2000));
        battery.clear();
        // Unplugged while polling: its exchanges fail silently until the handles are closed
        // (device removal); then it reports (0, 0, 0) and ends.
        bed->mouse().unplug(MouseEmulator::Receiver);
        QTest::qWait(100);
        QVERIFY(poller->isRunning());
        QCOMPARE(battery.count(), 0);
        CloseDevice();
        QVERIFY(poller->wait(2000));
        QCoreApplication::processEvents(); // its last report, queued before it ended
        QCOMPARE(battery.count(), 1);
        QCOMPARE(battery.takeFirst(), bytes({0, 0, 0}));
        QCOMPARE(traces.count(QStringLiteral("ZelGetBatteryThread Stop.\n")), 0);
    }

    void pollerStopsPromptly()
    {
        poller = std::make_unique<ZelGetBatteryThread>();
        ThreadSignalRelay relay(poller.get());
        QSignalSpy battery(&relay, &ThreadSignalRelay::RefreshBatteryStatus);
        poller->start();
        QVERIFY(battery.wait(2000));
        poller->Stop();
        QVERIFY(poller->wait(1000));
        QCOMPARE(traces.count(QStringLiteral("ZelGetBatteryThread Stop.\n")), 1);
    }
};

QTEST_GUILESS_MAIN(DeviceThreadsTest)
#include "device_threads_test.moc"
