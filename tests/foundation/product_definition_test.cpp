#include "store/app_paths.h"
#include "store/product_definition.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class ProductDefinitionTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    int m_generation = 0;

    // QSettings keeps parsed files in a per-process cache keyed by size and modification
    // time; a rewrite of equal size within one clock tick would look unchanged, so each
    // fixture gets its own timestamp, as an edit by a person always has.
    void writeProductFile(const QByteArray &text)
    {
        QFile f(m_dir.filePath(QStringLiteral("DefaultProfile.bin")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.flush();
        f.setFileTime(QDateTime::currentDateTime().addSecs(++m_generation), QFileDevice::FileModificationTime);
    }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("DefaultProfile.bin")));
        setApplicationDirectoryOverride(m_dir.path());
    }

    void missingFileGivesDefaults()
    {
        QCOMPARE(productButtonCount(), 0);
        QCOMPARE(productDpiStageCount(), 0);
        QCOMPARE(productDisableMacro(), 0);
        QCOMPARE(productLedDisable(), 0);
        QCOMPARE(productShowSleep(), 1);
        QCOMPARE(productMinDelay(), 10);
        QCOMPARE(productFrenchLanguage(), -1);
        QCOMPARE(productShowMouseButton(), 1);
        QCOMPARE(productVersion(), QString());
        int lo = 0, hi = 0;
        productSleepRange(&lo, &hi);
        QCOMPARE(lo, 1);
        QCOMPARE(hi, 9);

        uint8_t bytes[16];
        memset(bytes, 0xAB, sizeof bytes);
        QCOMPARE(productSensorDefaults(bytes), -1);
        QCOMPARE(productDeviceButtonMatrix(bytes), -1);
        QCOMPARE(productPageButtonMatrix(bytes), -1);
        QCOMPARE(bytes[0], uint8_t(0xAB)); // untouched
        ProductProfileTemplate t;
        t.dpi = 77;
        QCOMPARE(productProfileTemplate(&t), -1);
        QCOMPARE(t.dpi, uint8_t(77));
    }

    void emptyAndGarbageFilesGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[[[\n=\x01\x02\r\n", 12);
        QTest::newRow("wrong section") << QByteArray("[OTHER]\nButtonCount=5\nMinDelay=3\n");
        QTest::newRow("not numbers") << QByteArray("[PROFILE]\nMinDelay=abc\nButtonCount=x\n");
    }
    void emptyAndGarbageFilesGiveDefaults()
    {
        QFETCH(QByteArray, text);
        writeProductFile(text);
        QCOMPARE(productButtonCount(), 0);
        QCOMPARE(productDpiStageCount(), 0);
        QCOMPARE(productShowSleep(), 1);
        const int minDelay = productMinDelay();
        // A value that does not convert reads as 0, held to the smallest usable unit of 1 ms;
        // an absent one as its default.
        QVERIFY(minDelay == 10 || (minDelay == 1 && text.contains("MinDelay=abc")));
        uint8_t m[16];
        QCOMPARE(productDeviceButtonMatrix(m), 0); // the file exists
        for (uint8_t v : m)
            QCOMPARE(v, uint8_t(0));
    }

    void countsAreMasked_data()
    {
        QTest::addColumn<int>("buttonCount");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("dpiCount");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("stages");
        QTest::newRow("no mask") << 5 << 0 << 0 << 5 << 5;
        QTest::newRow("mask 3") << 5 << 3 << 0 << 6 << 6;
        QTest::newRow("sample 7 buttons 6 stages") << (7 ^ 0x5A) << 0x5A << (6 ^ 7) << 7 << 6;
    }
    void countsAreMasked()
    {
        QFETCH(int, buttonCount);
        QFETCH(int, mask);
        QFETCH(int, dpiCount);
        writeProductFile(QStringLiteral("[PROFILE]\nButtonCount=%1\nMouseDpi=%2\nDPICount=%3\n")
                             .arg(buttonCount).arg(mask).arg(dpiCount).toLatin1());
        QTEST(productButtonCount(), "buttons");
        QTEST(productDpiStageCount(), "stages");
    }

    void matricesTemplateAndSensorDefaults()
    {
        {
            QSettings s(productDefinitionPath(), QSettings::IniFormat);
            s.setValue(QStringLiteral("PROFILE/ButtonCount"), 7);
            s.setValue(QStringLiteral("PROFILE/BUTTON_INFO_3_Matrix"), 9);
            s.setValue(QStringLiteral("PROFILE/BUTTON_INFO_15_Matrix2"), 255);
            s.setValue(QStringLiteral("PROFILE/BUTTON_INFO_2_Fun"), 47);
            s.setValue(QStringLiteral("PROFILE/BUTTON_INFO_2_Res3"), 0x1FF); // narrowed to a byte
            s.setValue(QStringLiteral("PROFILE/DPI_INFO_7_xy"), 320);
            s.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_12_RGB"), QColor(1, 2, 3));
            s.setValue(QStringLiteral("PROFILE/LedMode/LED_MODE_12_bright"), 4);
            s.setValue(QStringLiteral("PROFILE/pollrate"), 8);
            s.setValue(QStringLiteral("PROFILE/butondelay"), 6);
            s.setValue(QStringLiteral("PROFILE/sync"), 2);
        }
        uint8_t m[16];
        QCOMPARE(productDeviceButtonMatrix(m), 0);
        QCOMPARE(m[3], uint8_t(9));
        QCOMPARE(productPageButtonMatrix(m), 7);
        QCOMPARE(m[15], uint8_t(255));
        QCOMPARE(m[0], uint8_t(0));

        uint8_t sensor[7] = {};
        QCOMPARE(productSensorDefaults(sensor), 0);
        QCOMPARE(sensor[2], uint8_t(6)); // butondelay is third
        QCOMPARE(sensor[6], uint8_t(2)); // sync is last

        ProductProfileTemplate t;
        QCOMPARE(productProfileTemplate(&t), 0);
        QCOMPARE(t.pollrate, uint8_t(8));
        QCOMPARE(t.dpiXY[7], 320);
        QCOMPARE(t.buttons[2].Fun, 47);
        QCOMPARE(t.buttons[2].Res3, uint8_t(0xFF));
        QCOMPARE(t.leds[12].RGB, QColor(1, 2, 3));
        QCOMPARE(t.leds[12].bright, 4);
        QVERIFY(!t.leds[0].RGB.isValid());
    }

    void valuesFollowTheFileOnDisk()
    {
        writeProductFile("[PROFILE]\nButtonCount=5\nVersion=V1\n");
        QCOMPARE(productButtonCount(), 5);
        QCOMPARE(productVersion(), QStringLiteral("V1"));
        writeProductFile("[PROFILE]\nButtonCount=6\nVersion=V2\n");
        QCOMPARE(productButtonCount(), 6);
        QCOMPARE(productVersion(), QStringLiteral("V2"));
        QFile::remove(productDefinitionPath());
        QCOMPARE(productButtonCount(), 0);
    }

    void shippedSampleProductIsComplete()
    {
        setApplicationDirectoryOverride(qEnvironmentVariable("ZEL_SOURCE_DIR") + QStringLiteral("/resources"));
        QCOMPARE(productButtonCount(), 7);
        QCOMPARE(productDpiStageCount(), 6);
        QVERIFY(!productVersion().isEmpty());
        ProductProfileTemplate t;
        QCOMPARE(productProfileTemplate(&t), 0);
        for (int i = 0; i < 14; ++i)
            QVERIFY2(t.leds[i].RGB.isValid(), "every effect has a colour");
        for (int i = 0; i < 6; ++i)
            QVERIFY(t.dpiXY[i] > 0);
    }
};

QTEST_GUILESS_MAIN(ProductDefinitionTest)
#include "product_definition_test.moc"
