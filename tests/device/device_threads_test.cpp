#include "device_test_support.h"

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/status_poller_control.h"
#include "device/zel_get_battery_thread.h"
#include "device/zel_process_thread.h"
#include "store/config_file.h"
#include "store/device_settings.h"

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
    explicit ThreadSignalRelay(ZelProcessThread *writer)
    {
        connect(writer, &ZelProcessThread::DoProcessDlg, this, &ThreadSignalRelay::DoProcessDlg, Qt::QueuedConnection);
    }
signals:
    void RefreshBatteryStatus(uchar charging, uchar level, uchar extra);
    void RefreshStatus(uchar profile, uchar dpiStage, uchar reportRate, uchar mode);
    void DoProcessDlg();
};

// The status poller and the writer thread against the emulated mouse, in real time.
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

    void writerAppliesAndRecordsSuccess()
    {
        currentSettings = DeviceSettings();
        currentSettings.ProfileNames[0] = QStringLiteral("Work");
        currentSettings.profiles[0].pollrate = 2;
        currentSettings.profiles[0].dpi = 4;
        appliedSettings = DeviceSettings();
        writeApplyFailedFlag(1);

        // The window's poller control: the writer stops a running poller and starts a new one.
        poller = std::make_unique<ZelGetBatteryThread>();
        ThreadSignalRelay pollerRelay(poller.get());
        QSignalSpy firstBattery(&pollerRelay, &ThreadSignalRelay::RefreshBatteryStatus);
        poller->start();
        QVERIFY(firstBattery.wait(2000));
        int stops = 0;
        int starts = 0;
        setStatusPollerControl({[&] {
                                    ++stops;
                                    poller->Stop();
                                    poller->wait();
                                },
                                [&] { ++starts; }});
        ZelProcessThread writer(currentSettings);
        ThreadSignalRelay relay(&writer);
        QSignalSpy done(&relay, &ThreadSignalRelay::DoProcessDlg);
        writer.start();
        QVERIFY(done.wait(5000));
        QVERIFY(writer.wait(1000));
        setStatusPollerControl({});
        QCOMPARE(int(writer.result), 0);
        QCOMPARE(stops, 1);
        QCOMPARE(starts, 1);
        QCOMPARE(readApplyFailedFlag(), 0);
        QCOMPARE(appliedSettings.profiles[0].pollrate, uint8_t(2));
        QCOMPARE(appliedSettings.ProfileNames[0], QStringLiteral("Work"));
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(s.rateCode, uint8_t(2));
        QCOMPARE(s.activeStage, uint8_t(4));
        QCOMPARE(s.endMarkers, 1);
        // Nothing but the writer talked to the mouse once the poller was stopped: after the
        // pre-pair every packet is the write's.
        QVector<int> codes = bed->sentCodes();
        codes.removeAll(0x0A);
        QCOMPARE(codes.mid(codes.size() - 9), (QVector<int>{0x00, 0x01, 0x02, 0x07, 0x08, 0x09, 0x05, 0x06, 0x00}));
    }

    void writerRecordsFailure()
    {
        bed->disconnect();
        currentSettings = DeviceSettings();
        currentSettings.profiles[0].dpi = 5;
        appliedSettings = DeviceSettings();
        writeApplyFailedFlag(0);
        ZelProcessThread writer(currentSettings);
        ThreadSignalRelay relay(&writer);
        QSignalSpy done(&relay, &ThreadSignalRelay::DoProcessDlg);
        writer.start();
        QVERIFY(done.wait(5000));
        writer.wait();
        QCOMPARE(int(writer.result), int(ExchangeNoDevice));
        QCOMPARE(readApplyFailedFlag(), 1);
        QCOMPARE(appliedSettings.profiles[0].dpi, uint8_t(5)); // copied whatever the result
    }

    void stoppedWriterDoesNothing()
    {
        currentSettings = DeviceSettings();
        currentSettings.profiles[0].dpi = 7;
        appliedSettings = DeviceSettings();
        ZelProcessThread writer(currentSettings);
        writer.Stop();
        ThreadSignalRelay relay(&writer);
        QSignalSpy done(&relay, &ThreadSignalRelay::DoProcessDlg);
        writer.start();
        QVERIFY(writer.wait(2000));
        QCoreApplication::processEvents();
        QCOMPARE(done.count(), 0);
        QCOMPARE(traces.lines(), QStringList{QStringLiteral("isStop.\n")});
        QVERIFY(bed->mouse().packets().isEmpty());
        QCOMPARE(appliedSettings.profiles[0].dpi, uint8_t(0));
    }
};

QTEST_GUILESS_MAIN(DeviceThreadsTest)
#include "device_threads_test.moc"
