// Settings files that are damaged or crafted: what the store reads from them, and that a save
// never leaves a file half written or silently fails.
#include "../store/profile_samples.h"
#include "../store/store_fixture.h"

#include "platform/lock_file.h"
#include "platform/single_instance.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/language_config.h"
#include "store/lighting_effects.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "store/settings_lock.h"
#include "store/settings_text.h"

#include <QLockFile>
#include <QProcess>
#include <QSettings>

#include <future>
#include <memory>
#include <sys/stat.h>
#include <thread>

namespace {

// A list with 2^31 - 1 elements, as a crafted file declares it: decoding it allocates without bound.
const QByteArray kHugeList = "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";
const QByteArray kRed = "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)";

// Runs `work` on a thread of its own; false when it has not finished within the deadline (the
// thread is then left blocked: the test has failed anyway).
// Path -> content of every regular file under `dir`.
QMap<QString, QByteArray> fileContents(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, StoreFixture::readFile(path));
    }
    return files;
}

bool finishesWithin(std::function<void()> work, int seconds = 20)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([work, done] {
        work();
        done->set_value();
    }).detach();
    return finished.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready;
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StoreFixture> m_fx;

private slots:
    void init() { m_fx = std::make_unique<StoreFixture>(); }
    void cleanup() { m_fx.reset(); }

    void undecodableValuesAreFoundAsQSettingsSplitsThem_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("refused");
        QTest::newRow("huge list") << "Sync=" + kHugeList << true;
        QTest::newRow("huge hash") << QByteArray("KeyInfo=@Variant(\\0\\0\\0\\x1c\\x7f\\xff\\xff\\xff)") << true;
        QTest::newRow("date-time form") << QByteArray("a=@DateTime(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)") << true;
        QTest::newRow("escaped at sign") << QByteArray("a=\\x40Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)") << true;
        QTest::newRow("octal at sign") << QByteArray("a=\\100Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)") << true;
        QTest::newRow("quoted") << "a=\"" + kHugeList + "\"" << true;
        QTest::newRow("continued line") << QByteArray("a=@Vari\\\nant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)") << true;
        QTest::newRow("list element") << "a=1, " + kHugeList << true;
        QTest::newRow("colour in a list") << "a=1, " + kRed << true;
        QTest::newRow("colour one byte short") << QByteArray("a=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0)") << true;
        QTest::newRow("colour") << "LedMode\\LED_MODE_2_RGB=" + kRed << false;
        QTest::newRow("escaped text") << QByteArray("a=@@Variant(x)") << false;
        QTest::newRow("quoted comma") << QByteArray("a=\"x, @Variant(\"") << false;
        QTest::newRow("comment") << "; a=" + kHugeList << false;
    }
    void undecodableValuesAreFoundAsQSettingsSplitsThem()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, refused);
        const QByteArray text = "[Config]\nbefore=1\n" + line + "\nafter=2\n";
        QStringList keys;
        const QByteArray checked = withoutUndecodableValues(text, &keys);
        QCOMPARE(keys.size(), refused ? 1 : 0);
        QCOMPARE(checked == text, !refused);

        // What is left decodes without harm and keeps its neighbours.
        m_fx->writeFile(configFilePath(), checked);
        QSettings settings(configFilePath(), QSettings::IniFormat);
        for (const QString &key : settings.allKeys())
            (void)settings.value(key);
        QCOMPARE(settings.value(QStringLiteral("Config/before")).toInt(), 1);
        QCOMPARE(settings.value(QStringLiteral("Config/after")).toInt(), 2);
    }

    void craftedValuesReadAsAbsentEverywhere()
    {
        m_fx->writeFile(configFilePath(), "[Config]\nLiftHigh=3\nSync=" + kHugeList + "\nProfile1=Main\n");
        m_fx->writeFile(slotProfilePath(QStringLiteral("Main")),
                        "[PROFILE]\npollrate=2\nBUTTON_INFO_18_KeyInfo_0_=@Variant(\\0\\0\\0\\x1c\\x7f\\xff\\xff\\xff)\n"
                        "LedMode\\LED_MODE_2_RGB=" + kRed + "\n");
        m_fx->writeFile(macroFilePath(QStringLiteral("m")), "[Setting]\nCount=" + kHugeList + "\n");
        m_fx->writeFile(productDefinitionPath(), "[PROFILE]\nProductName=" + kHugeList + "\nMinDelay=5\n");

        auto s = std::make_unique<DeviceSettings>();
        loadAllSettings(*s);
        QCOMPARE(int(s->LiftHigh), 2); // anything but 1 mm is 2 mm, as the window shows it
        QCOMPARE(int(s->Sync), 0);
        QCOMPARE(int(s->profiles[0].pollrate), 2);
        QCOMPARE(s->profiles[0].ledModes[2].RGB, QColor(255, 0, 0));
        QCOMPARE(readMacroFile(QStringLiteral("m")).events.size(), 0);
        QCOMPARE(productName(), QString());
        QCOMPARE(productMinDelay(), 5);

        // Reading changes nothing; the next save writes the file without the crafted value.
        QVERIFY(StoreFixture::readFile(configFilePath()).contains("@Variant(\\0\\0\\0\\v"));
        s->LiftHigh = 4;
        QVERIFY(saveSettingsForApply(*s));
        const QByteArray saved = StoreFixture::readFile(configFilePath());
        QVERIFY(!saved.contains("@Variant"));
        QVERIFY(saved.contains("LiftHigh=4"));
        QVERIFY(StoreFixture::readFile(slotProfilePath(QStringLiteral("Main"))).contains("LED_MODE_2_RGB=@Variant"));
    }

    void nonRegularFilesAreNeverOpened()
    {
        QVERIFY(::mkfifo(QFile::encodeName(configFilePath()).constData(), 0600) == 0
                || (QDir().mkpath(m_fx->configs()) && ::mkfifo(QFile::encodeName(configFilePath()).constData(), 0600) == 0));
        QDir().mkpath(macroFilePath(QStringLiteral("dir")));
        auto s = std::make_shared<DeviceSettings>();
        QVERIFY2(finishesWithin([s] {
                     loadAllSettings(*s);
                     (void)readMacroFile(QStringLiteral("dir"));
                     (void)readLanguageFont(0);
                 }),
                 "a read blocked on a FIFO");
        QCOMPARE(int(s->ProfileID), 0);
        // A save into it fails and says where, instead of replacing the FIFO or blocking.
        QString failed;
        bool saved = true;
        QVERIFY(finishesWithin([&] { saved = saveSettingsForApply(*s, &failed); }));
        QVERIFY(!saved);
        QCOMPARE(failed, configFilePath());
        QVERIFY(QFileInfo(configFilePath()).exists() && !QFileInfo(configFilePath()).isFile());
    }

    void aFailedSaveChangesNoFile()
    {
        auto s = std::make_unique<DeviceSettings>();
        for (int i = 0; i < kProfileCount; ++i) {
            fillProfile(s->profiles[i], i);
            s->ProfileNames[i] = QStringLiteral("Slot%1").arg(i);
        }
        QVERIFY(saveSettingsForApply(*s));

        // Slot 3's file cannot be written: a directory holds its name. The others are written
        // to their staging files first; none may be renamed into place.
        QVERIFY(QFile::remove(slotProfilePath(QStringLiteral("Slot3"))));
        QVERIFY(QDir().mkpath(slotProfilePath(QStringLiteral("Slot3"))));
        const QMap<QString, QByteArray> before = fileContents(m_fx->configs());
        s->LiftHigh = 9;
        for (int i = 0; i < kProfileCount; ++i)
            s->profiles[i].pollrate = 4;
        QString failed;
        QVERIFY(!saveSettingsForApply(*s, &failed));
        QCOMPARE(failed, slotProfilePath(QStringLiteral("Slot3")));
        // No file changed, and no staging file is left beside them.
        QCOMPARE(fileContents(m_fx->configs()), before);
        QVERIFY(!StoreFixture::readFile(configFilePath()).contains("LiftHigh=9"));
    }

    // A killed save leaves its staging file; the next holder of the lock removes it, and only it.
    void leftStagingFilesGoAndNothingElse()
    {
        const QStringList left = {QStringLiteral("/.Config.ini.a1B2c3"), QStringLiteral("/Profile/.Slot1.ini.ZZ09zz.lock")};
        const QStringList kept = {QStringLiteral("/.hidden.ini"), QStringLiteral("/Config.ini.a1B2c3"), QStringLiteral("/..a1B2c"),
                                  QStringLiteral("/.Config.ini.a1B2-3"), QStringLiteral("/.Config.ini.a1B2c\u00e9")};
        for (const QString &name : left + kept)
            m_fx->writeFile(m_fx->configs() + name, "x");
        {
            SettingsLock lock;
            QVERIFY(lock.isLocked());
        }
        for (const QString &name : left)
            QVERIFY2(!QFileInfo::exists(m_fx->configs() + name), qPrintable(name));
        for (const QString &name : kept)
            QVERIFY2(QFileInfo::exists(m_fx->configs() + name), qPrintable(name));
    }

    void theUnnamedSlotHasItsOwnFile()
    {
        auto s = std::make_unique<DeviceSettings>();
        fillProfile(s->profiles[0], 3);
        QVERIFY(saveSettingsForApply(*s));
        QVERIFY(QFileInfo(m_fx->configs() + QStringLiteral("/Profile/.prof")).isFile());
        auto back = std::make_unique<DeviceSettings>();
        loadAllSettings(*back);
        QCOMPARE(back->ProfileNames[0], QString());
        QCOMPARE(profileDifference(back->profiles[0], s->profiles[0]), QString());
    }

    void storedNumbersAreHeldToWhatCanBeUsed()
    {
        m_fx->writeFile(configFilePath(),
                        "[FONT_LIST]\nLANGNUM=2147483647\nFONT_SIZE_0=2147483647\nFONT_SIZE_1=-5\n[Config]\nGColorID=99\n");
        m_fx->writeFile(languageConfigPath(), "[Config]\nLangID=2147483647\n");
        m_fx->writeFile(productDefinitionPath(),
                        "[PROFILE]\nButtonCount=2147483557\nMouseDpi=0\nDPICount=0\nMinDelay=0\nSleepMax=99999\n");
        m_fx->writeFile(slotProfilePath(QStringLiteral("Odd")), "[PROFILE]\ndpi=200\nLedMode=255\n");
        m_fx->writeFile(macroFilePath(QStringLiteral("long")), "[Setting]\nCount=2147483647\nLoopType=77\n");

        QVERIFY(readLanguageFont(0).pixelSize <= 100);
        QCOMPARE(readLanguageFont(1).pixelSize, 0);
        LanguageTable table;
        readLanguageTable(table);
        QVERIFY(table.count >= 0 && table.count <= kLanguageSlots);
        QVERIFY(readLanguageIndex() >= 0 && readLanguageIndex() < kLanguageSlots);
        QVERIFY(readAccentIndex() >= 0 && readAccentIndex() < kAccentColorCount);
        QVERIFY(productButtonCount() <= 40);
        QVERIFY(productDpiStageCount() >= 0 && productDpiStageCount() <= kDpiStageCount);
        QCOMPARE(productMinDelay(), 1); // a divisor: never 0
        int low = 0;
        int high = 0;
        productSleepRange(&low, &high);
        QCOMPARE(high, 255);
        ProfileData p;
        loadSlotProfile(p, QStringLiteral("Odd"));
        QCOMPARE(int(p.dpi), kDpiStageCount - 1);
        QCOMPARE(int(p.LedMode), kLedMenuEffectCount - 1);
        const MacroFile macro = readMacroFile(QStringLiteral("long"));
        QVERIFY(macro.events.size() <= 10000);
        QCOMPARE(macro.loopType, 3);
    }

    void importNeedsTheWholeExport()
    {
        auto s = std::make_unique<DeviceSettings>();
        for (int i = 0; i < kProfileCount; ++i)
            fillProfile(s->profiles[i], i);
        const QString full = m_fx->root() + QStringLiteral("/all.conf");
        exportAllSettings(*s, full);
        QCOMPARE(missingExportKey(IniFile(full)), QString());

        // The first lines of it only, as a cut-off copy would be.
        const QList<QByteArray> lines = StoreFixture::readFile(full).split('\n');
        const QString cut = m_fx->root() + QStringLiteral("/cut.conf");
        m_fx->writeFile(cut, lines.mid(0, 14).join('\n'));
        QVERIFY(!missingExportKey(IniFile(cut)).isEmpty());
        // One key of the last profile missing is enough to refuse it.
        QByteArray almost = StoreFixture::readFile(full);
        almost.replace("\nLedMode\\LED_MODE_13_breath=", "\nLedMode\\LED_MODE_13_breathe=");
        m_fx->writeFile(cut, almost);
        QVERIFY(missingExportKey(IniFile(cut)).endsWith(QLatin1String("LED_MODE_13_breath")));
    }

    void unusableLockFilesAreStale_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("directory");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("\x01\x02 not a lock\n") << false;
        QTest::newRow("directory") << QByteArray() << true;
        // A process number that cannot be running (above the kernel's limit).
        QTest::newRow("dead holder") << QByteArray("999999999\nzelmouse\n") + QSysInfo::machineHostName().toUtf8() + '\n' << false;
    }
    void unusableLockFilesAreStale()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, directory);
        const QString path = settingsLockPath();
        if (directory)
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        else
            m_fx->writeFile(path, content);
        {
            const SettingsLock lock;
            QVERIFY(lock.isLocked());
        }
        QVERIFY(!QFileInfo::exists(path));

        // The same for the single-instance lock.
        const QString runtime = m_fx->root() + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        SingleInstanceLock instance(QStringLiteral("Hostile test"));
        if (directory)
            QVERIFY(QDir().mkpath(instance.lockFilePath()));
        else
            m_fx->writeFile(instance.lockFilePath(), content);
        QVERIFY(instance.tryAcquire());
    }

    void aLiveHolderKeepsItsLock()
    {
        const QString path = m_fx->root() + QStringLiteral("/held.lock");
        QLockFile held(path);
        QVERIFY(held.tryLock(0));
        QVERIFY(!removeUnusableLockFile(path));
        QVERIFY(QFileInfo(path).isFile());
        QLockFile second(path);
        QVERIFY(!second.tryLock(0));
    }
};

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
