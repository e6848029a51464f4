// The device session: requests return to the caller at once and their outcome comes later;
// a write through it keeps the write sequence's order with the poller.
#include "device_test_support.h"

#include "device/device_session.h"
#include "device/hid_exchange.h"
#include "store/config_file.h"
#include "store/device_settings.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

class DeviceSessionTest : public QObject {
    Q_OBJECT
    DeviceTestBed *bed = nullptr;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<uchar>("uchar");
        bed = new DeviceTestBed;
    }
    void cleanupTestCase() { delete bed; }
    void init() { bed->connect(MouseEmulator::Receiver); }
    void cleanup() { resetExchangeIo(); }

    void slotChangeWithASilentMouseReturnsAtOnceAndReportsLater()
    {
        // A mouse that never answers, whose reads end only when the test lets them: the
        // exchange is certainly still running while the caller goes on.
        QSemaphore reads;
        ExchangeIo io = exchangeIo();
        io.readTimeout = [&reads](hid_device *, unsigned char *, size_t, int) {
            reads.acquire();
            return 0;
        };
        io.sleepMs = [](int) {};
        setExchangeIo(io);

        DeviceSession session;
        QSignalSpy finished(&session, &DeviceSession::profileSelectFinished);
        session.selectProfile(2);
        QCOMPARE(finished.count(), 0);
        bool loopRan = false;
        QTimer::singleShot(0, this, [&loopRan] { loopRan = true; });
        QTRY_VERIFY(loopRan);
        QCOMPARE(finished.count(), 0);

        // The select itself is not echoed; its first follow-up runs the whole retry schedule.
        reads.release(1000);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).toInt(), 2);
        QCOMPARE(finished.at(0).at(1).value<uchar>(), uchar(ExchangeRetriesExhausted));
        QCOMPARE(bed->mouse().state().selectedProfile, 2);
    }

    void writeStopsThePollerAndStartsANewOneAfterward()
    {
        DeviceSession session;
        QSignalSpy battery(&session, &DeviceSession::RefreshBatteryStatus);
        session.startPoller();
        QVERIFY(battery.wait(5000));

        DeviceSettings settings;
        settings.profiles[0].pollrate = 3;
        settings.profiles[0].dpi = 1;
        settings.ProfileNames[0] = QStringLiteral("Session");
        QSignalSpy written(&session, &DeviceSession::writeFinished);
        session.write(settings);
        QVERIFY(session.writing());
        QVERIFY(written.wait(10000));
        QVERIFY(!session.writing());
        QCOMPARE(written.at(0).at(0).value<uchar>(), uchar(ExchangeOk));
        QCOMPARE(bed->mouse().state().rateCode, uint8_t(3));
        QTRY_VERIFY_WITH_TIMEOUT(session.pollerRunning(), 5000);
        // Between the begin and end markers only the write talked to the mouse.
        const QVector<int> codes = bed->sentCodes();
        const int end = codes.lastIndexOf(0x00);
        const int begin = codes.lastIndexOf(0x00, end - 1);
        QVERIFY(!codes.mid(begin, end - begin).contains(0x0A));
    }

    void writeRecordsItsOutcomeAndKeepsWhatItSent()
    {
        DeviceSession session;
        auto settings = std::make_unique<DeviceSettings>();
        settings->profiles[0].dpi = 3;
        settings->profiles[0].pollrate = 2;
        settings->ProfileNames[0] = QStringLiteral("Work");
        appliedSettings = DeviceSettings();
        writeApplyFailedFlag(1);
        QSignalSpy progress(&session, &DeviceSession::writeProgress);
        QSignalSpy written(&session, &DeviceSession::writeFinished);
        session.write(*settings);
        QVERIFY(written.wait(10000));
        QCOMPARE(written.at(0).at(0).value<uchar>(), uchar(ExchangeOk));
        QCOMPARE(readApplyFailedFlag(), 0);
        // Delivered on this thread together with the result.
        QCOMPARE(appliedSettings.ProfileNames[0], QStringLiteral("Work"));
        QVERIFY(progress.count() >= 9);
        QCOMPARE(progress.last().at(0).toInt(), progress.last().at(1).toInt());

        // The next write first repeats the pair this one sent; when the mouse goes meanwhile,
        // the failure is remembered and no poller is started.
        session.stopPoller();
        session.waitForIdle();
        bed->mouse().clearPackets();
        settings->profiles[0].dpi = 5;
        QCOMPARE(session.writeAndWait(*settings), uint8_t(ExchangeOk));
        QCOMPARE(bed->sentPackets().first()[1], uint8_t(3));
        session.stopPoller();
        bed->disconnect();
        settings->profiles[0].dpi = 6;
        QCOMPARE(session.writeAndWait(*settings), uint8_t(ExchangeNoDevice));
        QCOMPARE(readApplyFailedFlag(), 1);
        QCOMPARE(appliedSettings.profiles[0].dpi, uint8_t(6));
        QVERIFY(!session.pollerRunning());
    }

    void requestsRunInTheOrderTheyWereMade()
    {
        DeviceSession session;
        // The poller's 500 ms pause does not hold up the write made after it.
        session.restartPoller(500);
        QCOMPARE(session.writeAndWait(DeviceSettings()), uint8_t(ExchangeOk));
        QVERIFY(session.pollerRunning()); // started by the write
        session.close();
        session.waitForIdle();
        QVERIFY(!session.vendorInterfaceOpen());
        QVERIFY(!session.pollerRunning());
        QCOMPARE(session.selectProfileAndWait(1), uint8_t(ExchangeNoDevice));
    }
};

QTEST_GUILESS_MAIN(DeviceSessionTest)
#include "device_session_test.moc"
