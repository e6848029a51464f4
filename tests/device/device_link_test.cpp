#include "device_test_support.h"

#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/packet.h"

#include <QtTest>
#include <cstring>

// Discovery, opening and the request/reply exchange against the emulated mouse.
class DeviceLinkTest : public QObject {
    Q_OBJECT
    DeviceTestBed *bed = nullptr;
    TraceCapture traces;

    uint8_t send(const Packet &p) { return SendCommand(p.data(), kPacketLength); }

private slots:
    void initTestCase()
    {
        traces.start();
        bed = new DeviceTestBed;
    }
    void cleanupTestCase() { delete bed; }
    void init() { traces.clear(); }

    void checksumIsTheComplementOfTheSum()
    {
        const uint8_t abc[] = {0x61, 0x62, 0x63};
        QCOMPARE(PacketChecksum(abc, 3), uint8_t(0xD9));
        // Only the first 31 bytes count.
        uint8_t many[40];
        std::memset(many, 1, sizeof many);
        QCOMPARE(PacketChecksum(many, 40), uint8_t(~31));
        QCOMPARE(PacketChecksum(many, -3), uint8_t(0xFF));
        // The status request's checksum over bytes 0..29 equals that over bytes 1..31.
        const Packet request = statusRequestPacket();
        QCOMPARE(request[32], PacketChecksum(&request[1], 31));
    }

    void receiverOnlyIsFoundAndUsed()
    {
        bed->connect(MouseEmulator::Receiver);
        const DeviceModelRecord &r = deviceModelTable().records[0];
        QCOMPARE(deviceModelTable().count, 1u);
        QCOMPARE(QString::fromLatin1(r.name), QString::fromLatin1(kTestModelName));
        QCOMPARE(deviceModelName(), QString::fromLatin1(kTestModelName));
        QCOMPARE(r.connection(kReceiverConnection).foundMouse + r.connection(kReceiverConnection).foundVendor, 2u);
        QCOMPARE(r.connection(kCableConnection).foundMouse + r.connection(kCableConnection).foundVendor, 0u);
        QCOMPARE(QString::fromLatin1(r.connection(kReceiverConnection).pathVendor), MouseEmulator::devicePath(MouseEmulator::Receiver, true));
        QVERIFY(traces.lines().contains(QStringLiteral("receiver mouse interface found: %1").arg(MouseEmulator::devicePath(MouseEmulator::Receiver, false))));
        QVERIFY(traces.lines().contains(QStringLiteral("receiver vendor interface found: %1").arg(MouseEmulator::devicePath(MouseEmulator::Receiver, true))));
        QCOMPARE(deviceReleaseNumber(), 0u);

        QCOMPARE(send(configPacket(0x00, {0xAA, 0x55})), ExchangeOk);
        const auto packets = bed->mouse().packets();
        QCOMPARE(packets.size(), 1);
        QCOMPARE(packets[0].connection, MouseEmulator::Receiver);
        QCOMPARE(bed->mouse().state().beginMarkers, 1);
        QVERIFY(traces.lines().contains(QStringLiteral("send success--------------------------------------")));
    }

    void bothAttachedTalkOverTheCable()
    {
        bed->mouse().setReleaseNumber(MouseEmulator::Cable, 0x0123);
        bed->connect(MouseEmulator::Both);
        const DeviceModelRecord &r = deviceModelTable().records[0];
        QCOMPARE(r.connection(kReceiverConnection).foundMouse + r.connection(kReceiverConnection).foundVendor + r.connection(kCableConnection).foundMouse + r.connection(kCableConnection).foundVendor, 4u);
        QCOMPARE(deviceReleaseNumber(), 0x0123u);
        QCOMPARE(GetReleaseNumber(qPrintable(MouseEmulator::devicePath(MouseEmulator::Cable, true))), 0x0123u);
        QCOMPARE(GetReleaseNumber("\\\\?\\/dev/hidraw3"), 0x0123u);
        QCOMPARE(GetReleaseNumber("/dev/nothing"), 0u);

        QCOMPARE(send(configPacket(0x01, {1, 2, 3})), ExchangeOk);
        QCOMPARE(bed->mouse().packets().value(0).connection, MouseEmulator::Cable);
        QCOMPARE(bed->mouse().state().rateCode, uint8_t(2));
    }

    void noOpenInterfaceIsStatusOne()
    {
        bed->disconnect();
        QCOMPARE(send(configPacket(0x01)), ExchangeNoDevice);
        QCOMPARE(traces.lines(), (QStringList{QStringLiteral("start--------------------------------------"),
                                              QStringLiteral("no device--------------------------------------"),
                                              QStringLiteral(" "), QStringLiteral(" ")}));
    }

    void traceLinesShowBothDirections()
    {
        bed->connect(MouseEmulator::Receiver);
        traces.clear();
        const Packet p = configPacket(0x01, {0x10});
        QCOMPARE(send(p), ExchangeOk);
        QString hex;
        for (int i = 1; i <= 33; ++i)
            hex += QString::asprintf(i == 1 ? "%02x" : " %02x", i < 33 ? p[i] : 0);
        const QStringList lines = traces.lines();
        QCOMPARE(lines.value(1), QStringLiteral("hid_write length=33 data=") + hex);
        QCOMPARE(lines.value(2), QStringLiteral("hid_read start"));
        QVERIFY(lines.value(3).startsWith(QStringLiteral("hid_read length=32 data=01 10 00")));
        QCOMPARE(lines.mid(4), (QStringList{QStringLiteral("send success--------------------------------------"),
                                            QStringLiteral(" "), QStringLiteral(" ")}));
    }

    void sixAllZeroRepliesCountAsSuccessAfterFiveRewrites()
    {
        bed->connect(MouseEmulator::Receiver);
        MouseEmulator::Misbehaviour zeros;
        zeros.zeroReplies = -1;
        bed->mouse().setMisbehaviour(zeros);
        QCOMPARE(send(configPacket(0x01, {4})), ExchangeOk);
        QCOMPARE(bed->mouse().packets().size(), 6);
        QCOMPARE(traces.count(QStringLiteral("all 0, jump re write ")), 5);
        QCOMPARE(traces.count(QStringLiteral("multi all 0, go back--------------------------------------")), 1);
    }

    void unechoedCommandIsWrittenOnceWithoutARead()
    {
        bed->connect(MouseEmulator::Receiver);
        QCOMPARE(send(profileSelectPacket(0x44, {2})), ExchangeOk);
        QCOMPARE(bed->mouse().packets().size(), 1);
        QCOMPARE(traces.count(QStringLiteral("hid_read start")), 0);
        QCOMPARE(bed->mouse().state().selectedProfile, 2);

        // Its echo still arrives and is read by the next exchange, which reads again.
        traces.clear();
        QCOMPARE(send(profileSelectPacket(0x40, {0xF3, 0x01})), ExchangeOk);
        QCOMPARE(bed->mouse().packets().size(), 2);
        QCOMPARE(traces.count(QStringLiteral("command check fail, re read 0")), 1);
    }

    void silentMouseRunsTheWholeRetrySchedule()
    {
        bed->connect(MouseEmulator::Receiver);
        MouseEmulator::Misbehaviour silent;
        silent.silent = true;
        bed->mouse().setMisbehaviour(silent);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(send(configPacket(0x02, {6})), ExchangeRetriesExhausted);
        // 32 reads of 150 ms, 29 pauses of 50 ms, three writes with their 10 ms.
        QVERIFY2(clock.elapsed() >= 6200, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(bed->mouse().packets().size(), 3);
        QCOMPARE(traces.count(QStringLiteral("hid_read start")), 32);
        QCOMPARE(traces.count(QStringLiteral("re read")), 29);
        for (int i = 0; i < 32; ++i)
            QCOMPARE(traces.count(QStringLiteral("hid_read start read fail %1").arg(i)), 1);
        QCOMPARE(traces.count(QStringLiteral("write fail 0")), 1);
        QCOMPARE(traces.count(QStringLiteral("write fail 1")), 1);
        QCOMPARE(traces.count(QStringLiteral("write fail 2")), 1);
        QCOMPARE(traces.count(QStringLiteral("re write")), 2);
        QCOMPARE(traces.lines().mid(traces.lines().size() - 3),
                 (QStringList{QStringLiteral("multi rewrite fail--------------------------------------"),
                              QStringLiteral(" "), QStringLiteral(" ")}));
    }

    void failingRewriteEndsAtOnceWithFour()
    {
        bed->connect(MouseEmulator::Receiver);
        MouseEmulator::Misbehaviour m;
        m.zeroReplies = -1;
        m.failWritesAfter = 1;
        bed->mouse().setMisbehaviour(m);
        QCOMPARE(send(configPacket(0x01)), ExchangeWriteFailed);
        const auto packets = bed->mouse().packets();
        QCOMPARE(packets.size(), 2);
        QVERIFY(packets[0].accepted);
        QVERIFY(!packets[1].accepted);
        QCOMPARE(traces.count(QStringLiteral("Unable to send a feature report.\n")), 1);
        QCOMPARE(traces.lines().mid(traces.lines().size() - 3),
                 (QStringList{QStringLiteral("hid_write fail--------------------------------------"),
                              QStringLiteral(" "), QStringLiteral(" ")}));
    }

    void unpluggedMouseFailsTheWrite()
    {
        bed->connect(MouseEmulator::Receiver);
        bed->mouse().unplug(MouseEmulator::Receiver);
        QCOMPARE(send(configPacket(0x01)), ExchangeWriteFailed);
        CloseDevice();
        QCOMPARE(send(configPacket(0x01)), ExchangeNoDevice);
    }

    void replugAndReopenWorks()
    {
        bed->connect(MouseEmulator::Cable);
        bed->mouse().unplug(MouseEmulator::Cable);
        CloseDevice();
        bed->connect(MouseEmulator::Cable);
        QCOMPARE(send(configPacket(0x01, {7})), ExchangeOk);
        QCOMPARE(bed->mouse().state().activeStage, uint8_t(7));
    }

    void overlongPathIsRefusedNotTruncated()
    {
        bed->connect(MouseEmulator::Receiver);
        QVERIFY(clearInterfaceFound(0, 1, DeviceInterface::Vendor));
        const QByteArray longPath(300, 'x');
        QVERIFY(!storeInterfacePath(0, 1, DeviceInterface::Vendor, longPath.constData()));
        QCOMPARE(deviceModelTable().records[0].connection(kReceiverConnection).foundVendor, 0u);
        QCOMPARE(QString::fromLatin1(deviceModelTable().records[0].connection(kReceiverConnection).pathVendor),
                 MouseEmulator::devicePath(MouseEmulator::Receiver, true));
        const QByteArray fits(254, 'y');
        QVERIFY(storeInterfacePath(0, 1, DeviceInterface::Vendor, fits.constData()));
        QCOMPARE(QByteArray(deviceModelTable().records[0].connection(kReceiverConnection).pathVendor), fits);
        QVERIFY(!storeInterfacePath(0, 3, DeviceInterface::Vendor, "/dev/x"));
        QVERIFY(!storeInterfacePath(5, 1, DeviceInterface::Vendor, "/dev/x"));
    }

    void openingAnotherModelNameOpensNothing()
    {
        bed->disconnect();
        bed->mouse().plug(MouseEmulator::Receiver);
        InitDeviceTable();
        EnumerateDevices();
        OpenDevice("Some other mouse");
        QCOMPARE(send(configPacket(0x01)), ExchangeNoDevice);
    }
};

QTEST_GUILESS_MAIN(DeviceLinkTest)
#include "device_link_test.moc"
