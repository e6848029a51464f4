#include "store/dpi_scale.h"
#include "store/key_table.h"

#include <QtTest>

class StoreTablesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setFrenchKeyNames(-1, 0); }

    void keyCodesAndUsagesTranslateBothWays()
    {
        QCOMPARE(keyTablePairCount(), 104);
        int usage = -7;
        QVERIFY(keyCodeToHidUsage(0x1E, usage));
        QCOMPARE(usage, 0x04);
        int code = -7;
        QVERIFY(hidUsageToKeyCode(0x04, code));
        QCOMPARE(code, 0x1E);
        code = -7;
        QVERIFY(!hidUsageToKeyCode(0x64, code));
        QCOMPARE(code, -7);
        // Every pair maps back to itself: no code or usage appears twice.
        int pairs = 0;
        for (int c = 0; c < 256; ++c) {
            int u = -1, back = -1;
            if (!keyCodeToHidUsage(c, u))
                continue;
            ++pairs;
            QVERIFY(hidUsageToKeyCode(u, back));
            QCOMPARE(back, c);
        }
        QCOMPARE(pairs, 104);
        QVERIFY(keyCodeToHidUsage(0xEE, usage));
        QCOMPARE(usage, 0xE4);
        QVERIFY(keyCodeToHidUsage(0x5D, usage));
        QCOMPARE(usage, 0x65);
    }

    void mouseButtonsHaveNamesButNoUsage()
    {
        for (int c = 0xF0; c <= 0xF2; ++c) {
            int usage = -3;
            QVERIFY(!keyCodeToHidUsage(c, usage));
            QCOMPARE(usage, -3);
        }
        QCOMPARE(keyName(0xF0), QStringLiteral("Left Button"));
        QCOMPARE(keyName(0xF2), QStringLiteral("Middle Button"));
    }

    void codesWithoutAKeyHaveNoName()
    {
        QList<unsigned> unnamed = {0x00, 0x54, 0x55, 0x56, 0x59, 0x5A};
        for (unsigned c = 0x5E; c <= 0xDF; ++c)
            unnamed << c;
        for (unsigned c = 0xF3; c <= 0xFF; ++c)
            unnamed << c;
        unnamed << 0x100 << 0xFFFFFFFFu;
        for (unsigned c : unnamed) {
            QVERIFY2(keyName(c, false).isEmpty(), qPrintable(QString::number(c, 16)));
            QVERIFY(keyName(c, true).isEmpty());
        }
        int named = 0;
        for (unsigned c = 0; c < 256; ++c)
            named += !keyName(c).isEmpty();
        QCOMPARE(named, 107);
    }

    void frenchNamesOnlyWhenTheProductIndexMatches()
    {
        setFrenchKeyNames(-1, -1); // absent in the product file never matches
        QCOMPARE(keyName(0x10), QStringLiteral("Q"));
        setFrenchKeyNames(1, 0);
        QCOMPARE(keyName(0x1E), QStringLiteral("A"));
        setFrenchKeyNames(1, 1);
        QVERIFY(frenchKeyNames());
        QCOMPARE(keyName(0x10), QStringLiteral("a"));
        QCOMPARE(keyName(0x1E), QStringLiteral("q"));
        QCOMPARE(keyName(0xE0), QStringLiteral("Num Del"));
        QCOMPARE(keyName(0x1D), QStringLiteral("LCtrl"));
        QCOMPARE(keyName(0xEE), QStringLiteral("RCtrl"));
        QCOMPARE(keyName(0x03), QString::fromUtf8("\u00e9"));
        QCOMPARE(keyName(0x04), QStringLiteral("\""));
        QCOMPARE(keyName(0x29), QString::fromUtf8("\u00b2"));
        QCOMPARE(keyName(0x0D), QStringLiteral("=")); // no French name of its own
        QCOMPARE(keyName(0x3B), QStringLiteral("F1"));
        QCOMPARE(keyName(0xE0, false), QStringLiteral("Num De"));
        QCOMPARE(keyName(0x1D, false), QStringLiteral("LCtr"));
        QCOMPARE(keyName(0xEE, false), QStringLiteral("RCtr"));
        QCOMPARE(keyName(0x2B, false), QStringLiteral("\\"));
    }

    void dpiScale_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("dpi");
        QTest::newRow("3389 320") << 3389 << 320 << 16000;
        QTest::newRow("3389 321") << 3389 << 321 << 16100;
        QTest::newRow("3389 1") << 3389 << 1 << 50;
        QTest::newRow("3325 50") << 3325 << 50 << 5000;
        QTest::newRow("3325 51") << 3325 << 51 << 5200;
        QTest::newRow("3325 76") << 3325 << 76 << 10400;
        QTest::newRow("33252 76") << 33252 << 76 << 10400;
        QTest::newRow("3327 61") << 3327 << 61 << 6200;
        QTest::newRow("3327 62") << 3327 << 62 << 6400;
        QTest::newRow("3327 93") << 3327 << 93 << 12600;
        QTest::newRow("3327 106") << 3327 << 106 << 16400;
        QTest::newRow("3327 107") << 3327 << 107 << 16800;
        QTest::newRow("3104 14") << 3104 << 14 << 500;
        QTest::newRow("3104 15") << 3104 << 15 << 600;
        QTest::newRow("3104 107") << 3104 << 107 << 4320;
        QTest::newRow("3212 21") << 3212 << 21 << 800;
        QTest::newRow("3212 95") << 3212 << 95 << 4860;
        QTest::newRow("3212 111") << 3212 << 111 << 7200;
        QTest::newRow("3212 64") << 3212 << 64 << 2430;
        QTest::newRow("3212 63") << 3212 << 63 << 2390 + 10; // 2394 -> 2390 -> 2400
        QTest::newRow("3360 121") << 3360 << 121 << 12200;
        QTest::newRow("33112 120") << 33112 << 120 << 12000;
        QTest::newRow("3333 81") << 3333 << 81 << 8200;
        QTest::newRow("33352 161") << 33352 << 161 << 16200;
        QTest::newRow("3370 201") << 3370 << 201 << 10100;
        QTest::newRow("3370 200") << 3370 << 200 << 10000;
        QTest::newRow("33952 519") << 33952 << 519 << 26000;
        QTest::newRow("3395 520") << 3395 << 520 << 26100;
        QTest::newRow("3399 399") << 3399 << 399 << 20000;
        QTest::newRow("3399 400") << 3399 << 400 << 20100;
        QTest::newRow("no sensor") << 0 << 50 << 0;
        QTest::newRow("unknown") << 3326 << 50 << 0;
        QTest::newRow("damaged code") << 3325 << 2147483647 << 2147483647; // clamped, no overflow
    }
    void dpiScale()
    {
        QFETCH(int, sensor);
        QFETCH(int, code);
        QFETCH(int, dpi);
        QCOMPARE(dpiFromCode(code, sensor), dpi);
    }
};

QTEST_GUILESS_MAIN(StoreTablesTest)
#include "store_tables_test.moc"
