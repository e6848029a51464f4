#include "device_test_support.h"

#include "device/button_table.h"
#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/macro_download.h"
#include "store/function_catalogue.h"
#include "store/product_definition.h"

#include <QtTest>
#include <cstring>
#include <memory>

// Macro numbering, slot images and their download in the full write.
class MacroDownloadTest : public QObject {
    Q_OBJECT
    DeviceTestBed *bed = nullptr;
    TraceCapture traces;
    std::unique_ptr<DeviceSettings> settings;

    // E = event i of the file (1, 0x10 + i, 0), D = the inserted delay, Z = zeros.
    static QByteArray expectedImage(const char *pattern)
    {
        QByteArray image;
        int event = 0;
        for (const char *c = pattern; *c; ++c) {
            if (*c == 'E')
                image += QByteArray::fromRawData("\x01", 1) + char(0x10 + event++) + char(0);
            else if (*c == 'D')
                image += QByteArray("\x06\x01\x00", 3);
            else if (*c == 'Z')
                image += QByteArray(3, '\0');
        }
        return image;
    }

    static QVector<MacroEvent> fileEvents(int n)
    {
        QVector<MacroEvent> events;
        for (int i = 0; i < n; ++i)
            events.append(MacroEvent{1, 0, uint8_t(0x10 + i)});
        return events;
    }

    static QVector<QVector<int>> fileRows(int n, bool withDelay = false)
    {
        QVector<QVector<int>> rows;
        for (int i = 0; i < n; ++i)
            rows.append({withDelay && i == n - 1 ? 6 : 0x84, 4 + i % 20, 0});
        return rows;
    }

    static QByteArray bytes(const MacroImage &image) { return QByteArray(reinterpret_cast<const char *>(image.data()), kMacroSlotSize); }
    static QByteArray imageOf(const QVector<MacroEvent> &events, int count) { return bytes(macroImage(events.constData(), count)); }
    static QByteArray firmwareSlot(const FirmwareState &s, int k)
    {
        return QByteArray(reinterpret_cast<const char *>(s.macroSlots[k]), kMacroSlotSize);
    }

    void assignMacro(int profile, int button, const QString &name, int function = ButtonFunction::Macro)
    {
        ButtonSlot &b = settings->profiles[profile].buttons[button];
        b.Fun = function;
        b.macroname = name;
    }

    QVector<int> macroCodes() const
    {
        QVector<int> codes;
        for (int code : bed->sentCodes()) {
            if (code >= 0x10 && code <= 0x7B)
                codes.append(code);
        }
        return codes;
    }

private slots:
    void initTestCase()
    {
        traces.start();
        bed = new DeviceTestBed;
        bed->setButtonCount(14);
        for (int i = 0; i < 16; ++i)
            bed->setProduct(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), i);
        // The imaging pause is part of the protocol but costs nothing to check here.
        ExchangeIo io = exchangeIo();
        io.sleepMs = [](int ms) {
            if (ms != 50)
                QThread::msleep(ms);
        };
        setExchangeIo(io);
    }
    void cleanupTestCase() { delete bed; }
    void init()
    {
        settings = std::make_unique<DeviceSettings>();
        bed->connect(MouseEmulator::Receiver);
        traces.clear();
    }

    void imagesInsertDelaysWhenTheFileHasNone_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("0") << 0 << "DZ";
        QTest::newRow("negative") << -5 << "DZ";
        QTest::newRow("3") << 3 << "EEEDD";
        QTest::newRow("4") << 4 << "EEEEDDZ";
        QTest::newRow("5") << 5 << "EEEEDEDZ";
        QTest::newRow("8") << 8 << "EEEEDEEEEDDZ";
    }
    void imagesInsertDelaysWhenTheFileHasNone()
    {
        QFETCH(int, count);
        QFETCH(QString, pattern);
        const QVector<MacroEvent> events = fileEvents(std::max(count, 0));
        const QByteArray image = imageOf(events, count);
        const QByteArray expected = expectedImage(qPrintable(pattern));
        QCOMPARE(image.left(expected.size()), expected);
        QCOMPARE(image.mid(expected.size()), QByteArray(kMacroSlotSize - expected.size(), '\0'));
        QCOMPARE(macroImageLength(events.constData(), count), expected.size());
    }

    void imagesKeepFilesWithADelayAsTheyAre()
    {
        QVector<MacroEvent> events = fileEvents(3);
        events[1] = MacroEvent{kMacroDelay, 0x01, 0x02};
        const QByteArray image = imageOf(events, events.size());
        QCOMPARE(image.left(9), QByteArray("\x01\x10\x00\x06\x02\x01\x01\x12\x00", 9));
        QCOMPARE(image.mid(9), QByteArray(kMacroSlotSize - 9, '\0'));
    }

    void imagesAreCutAtTwoHundredBytesAndNeverOverrun()
    {
        QVector<MacroEvent> events = fileEvents(100);
        events[0].map = kMacroDelay;
        const QByteArray image = imageOf(events, 100000);
        // No more than a button's 63 events are read.
        QCOMPARE(image.mid(3 * 63), QByteArray(kMacroSlotSize - 3 * 63, '\0'));
        QCOMPARE(uint8_t(image[3 * 62 + 1]), uint8_t(0x10 + 62));
    }

    void indexesFollowFirstUse()
    {
        const QString names[] = {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        for (int i = 0; i < 4; ++i)
            assignMacro(0, i, names[i]);
        const ButtonTable table = encodeButtonTable(settings->profiles[0], readProductSnapshot());
        QCOMPARE(table.macros, (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")}));
        QCOMPARE((QVector<int>{table.entries[0][1], table.entries[1][1], table.entries[2][1], table.entries[3][1]}),
                 (QVector<int>{0, 1, 0, 2}));
    }

    void noMacroButtonsSendNoSlot()
    {
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QVERIFY(macroCodes().isEmpty());
    }

    void sharedMacroIsSentOnce()
    {
        bed->writeMacro(QStringLiteral("spray"), 5, fileRows(5));
        assignMacro(0, 2, QStringLiteral("spray"));
        assignMacro(0, 40, QStringLiteral("spray"), ButtonFunction::GunFile);
        settings->profiles[0].buttons[2].Res1 = 1;
        settings->profiles[0].buttons[40].LoopNumber = 0x0203;
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(macroCodes(), (QVector<int>{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18}));
        const FirmwareState s = bed->mouse().state();
        QCOMPARE(s.checksumErrors, 0);
        // 0x84 4 0, 0x84 5 0, 0x84 6 0, 0x84 7 0, delay, 0x84 8 0, delay, zeros.
        QCOMPARE(firmwareSlot(s, 0).left(24), QByteArray("\x84\x04\x00\x84\x05\x00\x84\x06\x00\x84\x07\x00"
                                                        "\x06\x01\x00\x84\x08\x00\x06\x01\x00\x00\x00\x00", 24));
        // Loop mode 1 sets bit 7 and plays until released; mode 0 carries the loop count.
        QCOMPARE(QVector<uint8_t>(s.buttons[2], s.buttons[2] + 4), (QVector<uint8_t>{0x91, 0x80, 0xFF, 0xFF}));
        QCOMPARE(QVector<uint8_t>(s.buttons[14], s.buttons[14] + 4), (QVector<uint8_t>{0x9D, 0x00, 0x03, 0x02}));
    }

    void macroOnlyInAnotherProfileIsNotSent()
    {
        bed->writeMacro(QStringLiteral("other"), 2, fileRows(2));
        assignMacro(2, 1, QStringLiteral("other"));
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QVERIFY(macroCodes().isEmpty());

        // With a macro in profile 0 as well, only that one goes out.
        bed->mouse().clearPackets();
        bed->writeMacro(QStringLiteral("mine"), 2, fileRows(2));
        assignMacro(0, 5, QStringLiteral("mine"));
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(macroCodes().size(), 9);
        QCOMPARE(firmwareSlot(bed->mouse().state(), 0)[1], char(4));
    }

    void twelveMacrosFillEverySlot()
    {
        for (int i = 0; i < 12; ++i) {
            bed->writeMacro(QStringLiteral("m%1").arg(i), 3, fileRows(3, true));
            assignMacro(0, i, QStringLiteral("m%1").arg(i));
        }
        QCOMPARE(bed->write(*settings), ExchangeOk);
        const QVector<int> codes = macroCodes();
        QCOMPARE(codes.size(), 12 * 9);
        QCOMPARE(codes.first(), 0x10);
        QCOMPARE(codes.last(), 0x7B);
        const FirmwareState s = bed->mouse().state();
        for (int k = 0; k < 12; ++k)
            QCOMPARE(firmwareSlot(s, k), imageOf(readMacroEvents(QStringLiteral("m%1").arg(k), 64), 3));
        QCOMPARE(s.buttons[11][1], uint8_t(11));
        QCOMPARE(bed->sentCodes().last(), 0x00);
    }

    void moreThanTwelveMacrosSendNoSlotButSucceed()
    {
        for (int i = 0; i < 13; ++i) {
            bed->writeMacro(QStringLiteral("m%1").arg(i), 3, fileRows(3));
            assignMacro(0, i, QStringLiteral("m%1").arg(i));
        }
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QVERIFY(macroCodes().isEmpty());
        QCOMPARE(traces.count(QStringLiteral("iIndex>=MAX_MACRO_NUMBER_560\n")), 1);
        QCOMPARE(bed->mouse().state().endMarkers, 1);
    }

    void macrosThatDoNotFitAreSentEmpty_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("withDelay");
        QTest::addColumn<bool>("fits");
        QTest::newRow("63 with a delay") << 63 << 63 << true << true;
        QTest::newRow("64 with a delay") << 64 << 64 << true << false;
        QTest::newRow("51 without") << 51 << 51 << false << true;
        QTest::newRow("52 without") << 52 << 52 << false << false;
        QTest::newRow("huge count") << 2000000000 << 3 << false << false;
        QTest::newRow("negative count") << -7 << 3 << false << true;
    }
    void macrosThatDoNotFitAreSentEmpty()
    {
        QFETCH(int, count);
        QFETCH(int, rows);
        QFETCH(bool, withDelay);
        QFETCH(bool, fits);
        const QString name = QStringLiteral("long%1").arg(QTest::currentDataTag()).remove(QLatin1Char(' '));
        bed->writeMacro(name, count, fileRows(rows, withDelay));
        assignMacro(0, 0, name);
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(macroCodes().size(), 9);
        const QByteArray image = firmwareSlot(bed->mouse().state(), 0);
        const bool empty = image.left(6) == QByteArray("\x06\x01\x00\x00\x00\x00", 6) && image.mid(6) == QByteArray(250, '\0');
        QCOMPARE(empty, !fits || count <= 0);
        QCOMPARE(traces.count(QStringLiteral("macro does not fit a slot, sent empty: %1\n").arg(name)), fits ? 0 : 1);
    }

    void missingMacroFileIsSentEmpty()
    {
        assignMacro(0, 3, QStringLiteral("nowhere"));
        QCOMPARE(bed->write(*settings), ExchangeOk);
        QCOMPARE(firmwareSlot(bed->mouse().state(), 0).left(6), QByteArray("\x06\x01\x00\x00\x00\x00", 6));
    }

    void failingSlotPacketEndsTheDownload()
    {
        bed->writeMacro(QStringLiteral("a"), 2, fileRows(2));
        bed->writeMacro(QStringLiteral("b"), 2, fileRows(2));
        assignMacro(0, 0, QStringLiteral("a"));
        assignMacro(0, 1, QStringLiteral("b"));
        MouseEmulator::Misbehaviour m;
        m.failWritesAfter = 10 + 9 + 3; // the write up to the macros, slot 0, three packets of slot 1
        bed->mouse().setMisbehaviour(m);
        QCOMPARE(bed->write(*settings), ExchangeWriteFailed);
        QCOMPARE(macroCodes().size(), 9 + 3);
        QCOMPARE(bed->mouse().state().endMarkers, 0);
    }
};

QTEST_GUILESS_MAIN(MacroDownloadTest)
#include "macro_download_test.moc"
