#include "device_test_support.h"

#include "device/button_table.h"
#include "device/command_set.h"
#include "device/device_link.h"
#include "device/dpi_encoding.h"
#include "device/hid_exchange.h"
#include "device/packet.h"
#include "store/function_catalogue.h"
#include "store/product_definition.h"

#include <QtTest>
#include <memory>

// The write sequence and every packet group, checked on the wire and in what the emulated
// mouse decoded.
class CommandSetTest : public QObject {
    Q_OBJECT
    DeviceTestBed *bed = nullptr;
    TraceCapture traces;
    std::unique_ptr<DeviceSettings> settings;

    static DpiCode dpi(int flag, int low, int high)
    {
        return {uint8_t(flag), uint8_t(low), uint8_t(high)};
    }

    void setMatrix(const QVector<int> &matrix)
    {
        for (int i = 0; i < 16; ++i)
            bed->setProduct(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), matrix.value(i, i));
    }

    static QVector<uint8_t> entry(const FirmwareState &s, int e)
    {
        return {s.buttons[e][0], s.buttons[e][1], s.buttons[e][2], s.buttons[e][3]};
    }

private slots:
    void initTestCase()
    {
        traces.start();
        bed = new DeviceTestBed;
        bed->setConfig(QStringLiteral("MouseSenSor/1"), 3325);
        bed->setButtonCount(6);
        setMatrix({});
    }
    void cleanupTestCase() { delete bed; }
    void init()
    {
        settings = std::make_unique<DeviceSettings>();
        // Every case starts from a mouse this process never wrote to, whatever ran before.
        bed->forgetSent();
        bed->connect(MouseEmulator::Receiver);
        traces.clear();
    }

    void firstWriteSendsThePreviousPairFromTheZeroCopy()
    {
        ProfileData &p = settings->profiles[0];
        p.dpi = 2;
        p.pollrate = 3;
        p.LedMode = 2;
        p.ledModes[2].breath = 0x104;
        p.ledModes[2].bright = 7;
        p.ledModes[2].RGB = QColor(10, 20, 30);
        p.LedSleepTime = 5;
        p.LedMoveOFF = 255;
        settings->LiftHigh = 2;
        settings->AngleValue = 1;
        settings->Debounce = 9;
        settings->Sync = 1;
        p.dpiStages[0].x = p.dpiStages[0].y = 50;
        p.buttons[0].Fun = ButtonFunction::Left;
        p.buttons[40].Fun = ButtonFunction::ScrollUp;
        p.buttons[41].Fun = ButtonFunction::ScrollDown;

        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(bed->sentCodes(), (QVector<int>{0x01, 0x02, 0x00, 0x01, 0x02, 0x07, 0x08, 0x09, 0x05, 0x06, 0x00}));
        const QVector<Report> sent = bed->sentPackets();
        // The pre-pair: 0x01 with bytes 2 to 6 zero, 0x02 with only byte 5 set (LedMoveOFF 0).
        for (int b = 2; b <= 6; ++b)
            QCOMPARE(sent[0][b - 1], uint8_t(0));
        QCOMPARE(sent[1][1], uint8_t(0x06));
        for (int b = 3; b <= 10; ++b)
            QCOMPARE(sent[1][b - 1], uint8_t(b == 5 ? 1 : 0));
        QCOMPARE(sent[2][1], uint8_t(0xAA));
        QCOMPARE(sent[2][2], uint8_t(0x55));
        QCOMPARE(sent[10][1], uint8_t(0xCC));
        QCOMPARE(sent[10][2], uint8_t(0x33));

        const FirmwareState s = bed->mouse().state();
        QCOMPARE(s.checksumErrors, 0);
        QCOMPARE(s.beginMarkers, 1);
        QCOMPARE(s.endMarkers, 1);
        QVERIFY(!s.writeOpen);
        QCOMPARE(s.activeStage, uint8_t(2));
        QCOMPARE(s.rateCode, uint8_t(3));
        QCOMPARE(s.ledMode, uint8_t(2));
        QCOMPARE(s.ledSpeed, uint8_t(0x04));
        QCOMPARE(s.ledBrightness, uint8_t(7));
        QCOMPARE(s.liftHigh, uint8_t(2));
        QCOMPARE(s.ledSleepTime, uint8_t(5));
        QCOMPARE(s.ledMoveOff, uint8_t(0)); // 255 means off
        QCOMPARE(s.angleOrDebounce, uint8_t(1));
        QCOMPARE(s.sync, uint8_t(1));
        QCOMPARE(QVector<uint8_t>(s.rgb, s.rgb + 3), (QVector<uint8_t>{10, 20, 30}));
        QCOMPARE(entry(s, 0), (QVector<uint8_t>{0x81, 0, 0, 0}));
        QCOMPARE(entry(s, 14), (QVector<uint8_t>{0x8B, 0, 0, 0}));
        QCOMPARE(entry(s, 15), (QVector<uint8_t>{0x8C, 0, 0, 0}));
        QCOMPARE(QVector<uint8_t>(s.dpiStages[0], s.dpiStages[0] + 5), (QVector<uint8_t>{0, 115, 0, 115, 0}));

        // The next write's pre-pair repeats what this one sent.
        bed->mouse().clearPackets();
        QCOMPARE(bed->write(*settings), ExchangeOk);
        const QVector<Report> again = bed->sentPackets();
        QCOMPARE(again[0], sent[3]);
        QCOMPARE(again[1], sent[4]);
    }

    void failingWriteStopsThereAndKeepsTheNewCopy()
    {
        QCOMPARE(bed->write(*settings), ExchangeOk);
        bed->mouse().clearPackets();
        MouseEmulator::Misbehaviour m;
        m.failWritesAfter = 5;
        bed->mouse().setMisbehaviour(m);
        settings->profiles[0].dpi = 6;
        QCOMPARE(bed->write(*settings), ExchangeWriteFailed);
        QCOMPARE(bed->sentCodes(), (QVector<int>{0x01, 0x02, 0x00, 0x01, 0x02}));
        // The next write's pre-pair is what the failed one meant to send.
        bed->connect(MouseEmulator::Receiver);
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(bed->sentPackets().first()[1], uint8_t(6));
    }

    void unplugDuringTheWriteEndsIt()
    {
        MouseEmulator::Misbehaviour m;
        m.unplugAtPacket = 6;
        bed->mouse().setMisbehaviour(m);
        QCOMPARE(bed->write(*settings), ExchangeWriteFailed);
        QTRY_COMPARE_WITH_TIMEOUT(bed->mouse().plugged(), MouseEmulator::None, 2000);
        QCOMPARE(bed->sentCodes().size(), 5);
    }

    void noDeviceIsStatusOne()
    {
        bed->disconnect();
        QCOMPARE(bed->write(*settings), ExchangeNoDevice);
    }

    void lightingBytesFollowTheEffect_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("brightness");
        QTest::newRow("off") << 0 << 0 << 0;
        QTest::newRow("static") << 1 << 0 << 0x33;
        QTest::newRow("breathing") << 2 << 0x22 << 0x33;
        QTest::newRow("mode 3") << 3 << 0x22 << 0;
        QTest::newRow("mode 4") << 4 << 0x22 << 0;
        QTest::newRow("mode 13") << 13 << 0x22 << 0x33;
        QTest::newRow("past the effects") << 200 << 0 << 0;
    }
    void lightingBytesFollowTheEffect()
    {
        QFETCH(int, mode);
        QFETCH(int, speed);
        QFETCH(int, brightness);
        ProfileData &p = settings->profiles[0];
        p.LedMode = uint8_t(mode);
        for (LedEffect &e : p.ledModes) {
            e.breath = 0x122;
            e.bright = 0x233;
            e.RGB = QColor(1, 2, 3);
        }
        QCOMPARE(bed->write(*settings), ExchangeOk);
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(int(s.ledMode), mode);
        QCOMPARE(int(s.ledSpeed), speed);
        QCOMPARE(int(s.ledBrightness), brightness);
        QCOMPARE(int(s.rgb[2]), mode < 14 ? 3 : 0);
    }

    void syncModeThreeSendsDebounce()
    {
        bed->setProduct(QStringLiteral("PROFILE/SyncMode"), 3);
        settings->AngleValue = 4;
        settings->Debounce = 8;
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(bed->mouse().state().angleOrDebounce, uint8_t(8));
        bed->setProduct(QStringLiteral("PROFILE/SyncMode"), 0);
    }

    void wheelReversedSwapsItsEntries()
    {
        ProfileData &p = settings->profiles[0];
        p.buttons[40].Fun = ButtonFunction::ScrollUp;
        p.buttons[41].Fun = ButtonFunction::ScrollDown;
        bed->setProduct(QStringLiteral("PROFILE/ScrollRev"), 1);
        QCOMPARE(bed->write(*settings), ExchangeOk);
        bed->setProduct(QStringLiteral("PROFILE/ScrollRev"), 0);
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(entry(s, 15), (QVector<uint8_t>{0x8B, 0, 0, 0}));
        QCOMPARE(entry(s, 14), (QVector<uint8_t>{0x8C, 0, 0, 0}));
    }

    void matrixPlacesButtonsAndBadValuesAreSkipped()
    {
        ProfileData &p = settings->profiles[0];
        for (int i = 0; i < 6; ++i)
            p.buttons[i].Fun = i + 1; // 0x81 0x82 0x83 0x85 0x84 0x90
        setMatrix({5, 4, 3, 2, 1, 200});
        QCOMPARE(bed->write(*settings), ExchangeOk);
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(entry(s, 5), (QVector<uint8_t>{0x81, 0, 0, 0}));
        QCOMPARE(entry(s, 4), (QVector<uint8_t>{0x82, 0, 0, 0}));
        QCOMPARE(entry(s, 1), (QVector<uint8_t>{0x84, 0, 0, 0}));
        QCOMPARE(s.checksumErrors, 0);
        QVERIFY(traces.lines().contains(QStringLiteral("button position 5 has no entry, not sent\n")));
        setMatrix({});
    }

    void buttonCountPastTheTableIsCut()
    {
        bed->setButtonCount(40);
        ProfileData &p = settings->profiles[0];
        for (int i = 0; i < kButtonSlotCount; ++i)
            p.buttons[i].Fun = ButtonFunction::Middle;
        p.buttons[40].Fun = ButtonFunction::ScrollUp;
        p.buttons[41].Fun = ButtonFunction::ScrollDown;
        QCOMPARE(bed->write(*settings), ExchangeOk);
        bed->setButtonCount(6);
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(entry(s, 13), (QVector<uint8_t>{0x83, 0, 0, 0}));
        QCOMPARE(entry(s, 14), (QVector<uint8_t>{0x8B, 0, 0, 0}));
        QCOMPARE(entry(s, 15), (QVector<uint8_t>{0x8C, 0, 0, 0}));
    }

    void buttonEntriesEncodeTheirParameters()
    {
        uint8_t out[4];
        auto bytes = [&](ButtonSlot slot) {
            encodeButtonBytes(slot, 3325, out);
            return QVector<uint8_t>(out, out + 4);
        };
        ButtonSlot combo;
        combo.Fun = ButtonFunction::ComboKey;
        const uint8_t usages[] = {0xE0, 0xE1, 0x04, 0x04, 0xE1, 0xE0};
        for (int i = 0; i < 6; ++i)
            combo.KeyInfo[i].map = usages[i];
        QCOMPARE(bytes(combo), (QVector<uint8_t>{0x8F, 3, 4, 0}));

        ButtonSlot fire;
        fire.Fun = ButtonFunction::FireKey;
        fire.LoopNumber = 9;
        fire.KeyNumber = 250;
        QCOMPARE(bytes(fire), (QVector<uint8_t>{0x99, 0x81, 3, 0}));
        fire.Res1 = 0x82;
        QCOMPARE(bytes(fire), (QVector<uint8_t>{0x99, 0x82, 9, 25}));

        ButtonSlot single;
        single.Fun = ButtonFunction::SingleKey;
        single.Res1 = 0x1E; // A
        QCOMPARE(bytes(single), (QVector<uint8_t>{0x90, 0, 0x04, 0}));
        single.Res1 = 0x54; // no HID usage
        QCOMPARE(bytes(single), (QVector<uint8_t>{0x90, 0, 0, 0}));

        ButtonSlot sniper;
        sniper.Fun = ButtonFunction::Sniper;
        sniper.Res1 = 10;
        QCOMPARE(bytes(sniper), (QVector<uint8_t>{0x9A, 1, 22, 22}));
        sniper.Res1 = 250; // past the sensor's table: its last code
        QCOMPARE(bytes(sniper), (QVector<uint8_t>{0x9A, 1, 115, 115}));

        ButtonSlot media;
        media.Fun = 46;
        QCOMPARE(bytes(media), (QVector<uint8_t>{0x8E, 1, 131, 1}));
        media.Fun = 999;
        QCOMPARE(bytes(media), (QVector<uint8_t>{0, 0, 0, 0}));
    }

    void sniperCodesPerSensor()
    {
        QCOMPARE(sniperCode(3389, 17), uint8_t(17));
        QCOMPARE(sniperCode(3327, 61), uint8_t(140));
        QCOMPARE(sniperCode(3335, 0), uint8_t(143));
        QCOMPARE(sniperCode(3335, 255), uint8_t(188));
        QCOMPARE(sniperCode(3360, 5), uint8_t(4));
        QCOMPARE(sniperCode(1234, 5), uint8_t(4));
    }

    void dpiValuesEncodePerSensor()
    {
        QCOMPARE(EncodeDpiValue(3325, 50), dpi(0, 115, 0));
        QCOMPARE(EncodeDpiValue(3325, 51), dpi(1, 59, 0));
        QCOMPARE(EncodeDpiValue(3325, 76), dpi(2, 59, 0));
        QCOMPARE(EncodeDpiValue(3389, 400), dpi(1, 0xF0, 0x00));
        QCOMPARE(EncodeDpiValue(3389, 300), dpi(0, 0x2C, 0x01));
        QCOMPARE(EncodeDpiValue(3311, 121), dpi(1, 72, 0));
        QCOMPARE(EncodeDpiValue(3370, 201), dpi(1, 100, 0));
        QCOMPARE(EncodeDpiValue(3327, 93), dpi(4, 95, 0));
        QCOMPARE(EncodeDpiValue(3360, 121), dpi(1, 60, 0));
        QCOMPARE(EncodeDpiValue(3212, 95), dpi(2, 32, 0));
        QCOMPARE(EncodeDpiValue(3104, 107), dpi(1, 54, 0));
        QCOMPARE(EncodeDpiValue(3333, 80), dpi(1, 93, 0));
        QCOMPARE(EncodeDpiValue(3335, 161), dpi(1, 144, 0));
        QCOMPARE(EncodeDpiValue(3395, 0x1234), dpi(0, 0x34, 0x12));
        QCOMPARE(EncodeDpiValue(33952, 520, DpiAxis::X), dpi(1, 0x04, 0x01));
        QCOMPARE(EncodeDpiValue(33952, 520, DpiAxis::Y), dpi(0, 0x08, 0x02));
        QCOMPARE(EncodeDpiValue(4242, 50), dpi(0, 0, 0));
        // Values past a lookup table take its last code instead of reading beyond it.
        QCOMPARE(EncodeDpiValue(3325, 5000), dpi(2, 115, 0));
        QCOMPARE(EncodeDpiValue(3311, 0xFFFFFFFFu), dpi(1, 143, 0));
        QCOMPARE(EncodeDpiValue(3333, 1000), dpi(1, 187, 0));
        QCOMPARE(EncodeDpiValue(3327, 400), dpi(4, 140, 0));
        QCOMPARE(EncodeDpiValue(3335, 9999), dpi(1, 188, 0));
    }

    void dpiStagesGoOutForTheConfiguredSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QVector<uint8_t>>("stage0");
        QTest::newRow("3325") << 3325 << QVector<uint8_t>{1, 59, 0, 115, 0};
        QTest::newRow("3104 swaps the axes") << 3104 << QVector<uint8_t>{0, 50, 0, 51, 0};
        QTest::newRow("3335 sends x twice") << 3335 << QVector<uint8_t>{0, 60, 0, 60, 0};
        QTest::newRow("unknown sensor") << 777 << QVector<uint8_t>{0, 0, 0, 0, 0};
    }
    void dpiStagesGoOutForTheConfiguredSensor()
    {
        QFETCH(int, sensor);
        QFETCH(QVector<uint8_t>, stage0);
        bed->setConfig(QStringLiteral("MouseSenSor/1"), sensor);
        DpiStage *stages = settings->profiles[0].dpiStages;
        stages[0].x = 51;
        stages[0].y = 50;
        stages[0].used = 0; // sent all the same
        stages[7].x = stages[7].y = 3;
        QCOMPARE(bed->write(*settings), ExchangeOk);
        bed->setConfig(QStringLiteral("MouseSenSor/1"), 3325);
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(QVector<uint8_t>(s.dpiStages[0], s.dpiStages[0] + 5), stage0);
        QCOMPARE(s.dpiStages[7][1], uint8_t(sensor == 777 ? 0 : sensor == 3325 ? 6 : sensor == 3335 ? 3 : 3));
    }

    // Every packet of a write as raw bytes 1 to 32, checksums worked out by hand, so that a
    // fault shared by the link and the emulator's decoding cannot hide.
    void wholeWriteByteForByte()
    {
        auto packet = [](std::initializer_list<int> head, int checksum) {
            Report r{};
            int i = 0;
            for (int b : head)
                r[i++] = uint8_t(b);
            r[31] = uint8_t(checksum);
            return r;
        };
        bed->setButtonCount(14);
        ProfileData &p = settings->profiles[0];
        p.dpi = 1;
        p.pollrate = 2;
        p.LedMode = 5;
        p.ledModes[5].breath = 0x203;
        p.ledModes[5].bright = 0x180;
        p.ledModes[5].RGB = QColor(255, 128, 1);
        p.LedSleepTime = 3;
        p.LedMoveOFF = 0;
        settings->LiftHigh = 1;
        settings->AngleValue = 7;
        settings->Debounce = 4;
        for (int i = 0; i < 14; ++i)
            p.buttons[i].Fun = 999;
        p.buttons[0].Fun = ButtonFunction::Left;
        p.buttons[1].Fun = 2;
        p.buttons[2].Fun = ButtonFunction::FireKey;
        p.buttons[2].Res1 = 0x2C;
        p.buttons[2].LoopNumber = 5;
        p.buttons[2].KeyNumber = 129;
        p.buttons[3].Fun = 46;
        p.buttons[4].Fun = 25;
        p.buttons[40].Fun = ButtonFunction::ScrollUp;
        p.buttons[41].Fun = ButtonFunction::ScrollDown;
        p.dpiStages[0].x = 76;
        p.dpiStages[0].y = 10;
        p.dpiStages[7].x = p.dpiStages[7].y = 51;

        QCOMPARE(bed->write(*settings), ExchangeOk);
        bed->setButtonCount(6);
        const QVector<Report> sent = bed->sentPackets();
        QCOMPARE(sent.size(), 11);
        const QVector<Report> expected{
            packet({0x00, 0xAA, 0x55}, 0x00),
            packet({0x01, 1, 2, 5, 0x03, 0x80}, 0x73),
            packet({0x02, 0x06, 1, 3, 1, 7, 0, 0xFF, 0x80, 0x01}, 0x6B),
            packet({0x07, 0x81, 0, 0, 0, 0x82, 0, 0, 0, 0x99, 0x2C, 5, 12, 0x8E, 1, 0x83, 1, 0x8F, 4, 0x2B, 0}, 0x4E),
            packet({0x08}, 0xF7),
            packet({0x09, 0x8B, 0, 0, 0, 0x8C, 0, 0, 0}, 0xDF),
            packet({0x05, 2, 0x3B, 0, 0x16, 0}, 0xA7),
            packet({0x06, 0, 0, 0, 0, 0, 1, 0x3B, 0, 0x3B, 0}, 0x82),
            packet({0x00, 0xCC, 0x33}, 0x00),
        };
        QCOMPARE(sent.mid(2), expected);

        // The status request: 0x0A 0xAA 0xFF 0xDD, nothing else but its checksum.
        Packet request{};
        request[1] = 0x0A;
        request[2] = 0xAA;
        request[3] = 0xFF;
        request[4] = 0xDD;
        request[32] = 0x6F;
        QCOMPARE(statusRequestPacket(), request);
    }

    void profileSelectSendsTheCommandAndItsFollowUps()
    {
        QCOMPARE(SendProfileSelect(3), ExchangeOk);
        QCOMPARE(SendProfileFollowUp(), ExchangeOk);
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(s.selectedProfile, 3);
        QCOMPARE(s.followUps, (QVector<uint8_t>{0x01, 0x04, 0x01, 0x02, 0x08, 0x10}));
        const QVector<Report> sent = bed->sentPackets();
        QCOMPARE(sent.size(), 7);
        QCOMPARE(sent[0][31], uint8_t(0)); // no checksum in this family
        QCOMPARE(sent[0][3], uint8_t(0x44));
        QCOMPARE(sent[6][4], uint8_t(0xF3));
        QCOMPARE(sent[6][5], uint8_t(0x10));
    }

    void followUpsStopAtTheFirstFailure()
    {
        MouseEmulator::Misbehaviour m;
        m.failWritesAfter = 2;
        bed->mouse().setMisbehaviour(m);
        QCOMPARE(SendProfileFollowUp(), ExchangeWriteFailed);
        QCOMPARE(bed->mouse().packets().size(), 3);
        QCOMPARE(bed->mouse().state().followUps, (QVector<uint8_t>{0x01, 0x04}));
    }
};

QTEST_GUILESS_MAIN(CommandSetTest)
#include "command_set_test.moc"
