#include "store/app_paths.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/product_definition.h"
#include "store/profile_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// What a fresh install starts with: the shipped configuration and five factory slots.
class FactoryConfigsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        const QString source = QStringLiteral(ZEL_FACTORY_APP_DIR);
        QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = m_dir.filePath(QDir(source).relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QVERIFY(QFile::copy(file, target));
        }
        setApplicationDirectoryOverride(m_dir.path());
    }

    void startUpLoadsFiveNamedFactorySlots()
    {
        auto settings = std::make_unique<DeviceSettings>();
        loadAllSettings(*settings);
        ProductProfileTemplate factory;
        QCOMPARE(productProfileTemplate(&factory), 0);
        QCOMPARE(int(settings->ProfileID), 0);
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(settings->ProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            const ProfileData &p = settings->profiles[i];
            QCOMPARE(p.pollrate, factory.pollrate);
            QCOMPARE(p.dpi, factory.dpi);
            QCOMPARE(int(p.LedMoveOFF), 0); // present in the file, not the 255 of a missing key
            for (int s = 0; s < productDpiStageCount(); ++s) {
                QCOMPARE(int(p.dpiStages[s].used), 1);
                QCOMPARE(int(p.dpiStages[s].y), factory.dpiXY[s]);
                QVERIFY(p.dpiStages[s].y > 0);
            }
            for (int b = 0; b < 16; ++b)
                QCOMPARE(p.buttons[b].Fun, factory.buttons[b].Fun);
            QCOMPARE(p.ledModes[10].RGB, factory.leds[10].RGB);
        }
    }

    void shippedConfigurationNamesTheModelAndSensor()
    {
        QCOMPARE(readCurrentProductName(), productName());
        QCOMPARE(readMouseListName(), productName());
        QCOMPARE(readSensorModel(), 3389);
        QVERIFY(QFile::exists(defaultProfilePath()));
        uint8_t sensor[7] = {};
        QCOMPARE(productSensorDefaults(sensor), 0);
        auto settings = std::make_unique<DeviceSettings>();
        loadAllSettings(*settings);
        QCOMPARE(settings->LiftHigh, sensor[0]);
        QCOMPARE(settings->Debounce, sensor[2]);
    }
};

QTEST_GUILESS_MAIN(FactoryConfigsTest)
#include "factory_configs_test.moc"
