#include "profile_samples.h"
#include "store_fixture.h"

#include "store/app_paths.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/macro_files.h"
#include "store/profile_files.h"

#include <QSettings>
#include <memory>

namespace {

QString repeated(const char *utf8, int times)
{
    return QString::fromUtf8(utf8).repeated(times);
}

} // namespace

class StorePathsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StoreFixture> m_fx;

private slots:
    void init()
    {
        m_fx = std::make_unique<StoreFixture>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_fx->root() + QStringLiteral("/home-config")));
    }
    void cleanup()
    {
        setConfigWritableCheck({});
        m_fx.reset();
    }

    void hostileNamesNeitherWriteNorRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("parent") << QStringLiteral("..");
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("climb") << QStringLiteral("../../planted");
        QTest::newRow("dots inside") << QStringLiteral("a..b");
        QTest::newRow("slash") << QStringLiteral("sub/planted");
        QTest::newRow("absolute") << QStringLiteral("/tmp/planted");
        QTest::newRow("backslash") << QStringLiteral("..\\planted");
        QTest::newRow("nul") << QString::fromLatin1("planted\0x", 9);
        QTest::newRow("newline") << QStringLiteral("planted\n[PROFILE]");
        QTest::newRow("delete") << QStringLiteral("planted\x7f");
        QTest::newRow("too long") << QString(256, QLatin1Char('x'));
    }
    void hostileNamesNeitherWriteNorRead()
    {
        QFETCH(QString, name);
        QVERIFY(!isSafeFileName(name));
        // The unnamed slot's file is "Profile/.prof", inside the profile folder.
        if (name.isEmpty())
            QCOMPARE(slotProfilePath(name), m_fx->configs() + QStringLiteral("/Profile/.prof"));
        else
            QVERIFY(slotProfilePath(name).isEmpty());
        QVERIFY(macroFilePath(name).isEmpty());
        QVERIFY(productDirectory(name).isEmpty());
        QVERIFY(productProfilePath(QStringLiteral("Glide"), name).isEmpty());

        // Files a climbing name would reach, planted with non-default values.
        m_fx->writeFile(m_fx->root() + QStringLiteral("/planted.prof"), "[PROFILE]\npollrate=9\n");
        m_fx->writeFile(m_fx->configs() + QStringLiteral("/planted.prof"), "[PROFILE]\npollrate=9\n");
        m_fx->writeFile(m_fx->configs() + QStringLiteral("/planted.MSMACRO"), "[Setting]\nCount=2\nWriteSign=1\n");
        m_fx->writeFile(configFilePath(), "[Config]\nCurrentProductName=Glide\n");
        const QStringList before = m_fx->snapshot();

        ProfileData p;
        fillProfile(p, 1);
        if (!name.isEmpty()) // the unnamed slot has a file of its own, "Profile/.prof"
            saveSlotProfile(name, p);
        MacroFile macro;
        macro.events = {{kMacroKeyPress, 0, 4}};
        writeMacroFile(name, macro);
        writeMacroWriteSign(name, 0);
        addMacroName(name);
        renameMacroName(QStringLiteral("x"), name);
        if (!name.isEmpty()) // empty clears the product: allowed, it names no folder
            writeCurrentProductName(name);
        QVERIFY(!removeMacroFile(name));
        QVERIFY(!renameMacroFile(name, QStringLiteral("fine")));
        QVERIFY(!createLibraryProfile(name));
        QVERIFY(!removeLibraryProfile(name));
        QVERIFY(!copyLibraryProfile(QStringLiteral("fine"), name));
        QCOMPARE(importLibraryProfile(m_fx->root() + QLatin1Char('/') + name + QStringLiteral(".prof")), QString());
        QCOMPARE(m_fx->snapshot(), before);

        loadSlotProfile(p, name);
        QCOMPARE(int(p.pollrate), 0);
        QCOMPARE(int(p.LedMoveOFF), 255);
        QCOMPARE(readMacroEvents(name).size(), 0);
        QCOMPARE(readMacroWriteSign(name), 0);
        QVERIFY(!macroFileExists(name));
        QCOMPARE(readCurrentProductName(), QStringLiteral("Glide"));
    }

    // A hostile product name that reached the configuration file by hand or by an old program
    // must not lead the library out of the configuration folder.
    void hostileProductNameInTheFileIsRefused()
    {
        writeCurrentProductName(QStringLiteral("Glide"));
        writeCurrentProductName(QString());
        QCOMPARE(readCurrentProductName(), QString());
        QVERIFY(loadProductProfileList().isEmpty());
        m_fx->writeFile(configFilePath(), "[Config]\nCurrentProductName=../../outside\n");
        m_fx->writeFile(m_fx->root() + QStringLiteral("/outside/Config.ini"), "[PROFILE_LIST]\nCount=1\n1=planted\n");
        const QStringList before = m_fx->snapshot();
        QVERIFY(loadProductProfileList().isEmpty());
        saveProductProfileList({QStringLiteral("x")});
        QVERIFY(!createLibraryProfile(QStringLiteral("x")));
        QCOMPARE(m_fx->snapshot(), before);
    }

    void hostileSlotNamesAreNotSaved()
    {
        auto s = std::make_unique<DeviceSettings>();
        s->ProfileNames[0] = QStringLiteral("../escape");
        s->ProfileNames[1] = QStringLiteral("Fine");
        saveSettingsForApply(*s);
        QVERIFY(!QFileInfo::exists(m_fx->appDir() + QStringLiteral("/escape.prof")));
        QVERIFY(QFileInfo::exists(slotProfilePath(QStringLiteral("Fine"))));
        QSettings raw(configFilePath(), QSettings::IniFormat);
        QVERIFY(!raw.contains(QStringLiteral("Config/Profile1")));
        QCOMPARE(raw.value(QStringLiteral("Config/Profile2")).toString(), QStringLiteral("Fine"));
    }

    void longNamesInAnyScriptRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("accents") << repeated("\u00e9", 100);
        QTest::newRow("cyrillic") << repeated("\u0416", 100);
        QTest::newRow("chinese") << repeated("\u4e2d", 100);
        QTest::newRow("emoji") << repeated("\U0001F5B1", 50); // 100 UTF-16 units, 200 bytes
        QTest::newRow("mixed") << QString::fromUtf8("Profil \u00e9t\u00e9 \u0416 \u4e2d #1, (copy) 'x'");
    }
    void longNamesInAnyScriptRoundTrip()
    {
        QFETCH(QString, name);
        QVERIFY(isSafeFileName(name));
        const QString path = slotProfilePath(name);
        QVERIFY(path.startsWith(m_fx->configs() + QStringLiteral("/Profile/")));
        QVERIFY(QFile::encodeName(QFileInfo(path).fileName()).size() <= 255 - 16);

        auto s = std::make_unique<DeviceSettings>();
        s->ProfileNames[0] = name;
        s->ProfileNames[2] = QStringLiteral("2") + name.chopped(2);
        fillProfile(s->profiles[0], 4);
        s->profiles[0].ProfileName = name;
        saveSettingsForApply(*s);
        QVERIFY(QFileInfo::exists(path));

        auto back = std::make_unique<DeviceSettings>();
        loadAllSettings(*back);
        QCOMPARE(back->ProfileNames[0], name);
        QCOMPARE(profileDifference(back->profiles[0], s->profiles[0]), QString());

        MacroFile macro;
        macro.events = {{kMacroDelay, 0, 10}};
        writeMacroFile(name, macro);
        addMacroName(name);
        QCOMPARE(listMacroNames(), QStringList{name});
        QCOMPARE(readMacroEvents(name), macro.events);

        writeCurrentProductName(name);
        QCOMPARE(readCurrentProductName(), name);
        saveProductProfileList({name});
        QCOMPARE(loadProductProfileList(), QStringList{name});
    }

    void namesTooLongForTheFileSystemStayDistinct()
    {
        const QString a = repeated("\u4e2d", 99) + QStringLiteral("a");
        const QString b = repeated("\u4e2d", 99) + QStringLiteral("b");
        QVERIFY(slotProfilePath(a) != slotProfilePath(b));
        ProfileData pa, pb;
        pa.pollrate = 1;
        pb.pollrate = 2;
        saveSlotProfile(a, pa);
        saveSlotProfile(b, pb);
        loadSlotProfile(pa, a);
        loadSlotProfile(pb, b);
        QCOMPARE(int(pa.pollrate), 1);
        QCOMPARE(int(pb.pollrate), 2);
        // Names that fit are used as they are, as the stored format has them.
        QCOMPARE(fileNameForName(QStringLiteral("Fast"), QStringLiteral(".prof")), QStringLiteral("Fast.prof"));
    }

    void configFolderBesideTheProgramWhenWritable()
    {
        QCOMPARE(configDirectory(), m_fx->configs());
        saveActiveProfileIndex(3);
        QCOMPARE(readActiveProfileIndex(), 3);
        QVERIFY(QFileInfo::exists(m_fx->configs() + QStringLiteral("/Config.ini")));
    }

    // Installed under a system prefix: the folder cannot be written, so the user's own copy is
    // used, seeded once from the installed one and never re-seeded over the user's changes.
    void readOnlyInstallationUsesASeededUserCopy()
    {
        m_fx->writeFile(m_fx->configs() + QStringLiteral("/Config.ini"), "[MouseSenSor]\n1=3389\n");
        m_fx->writeFile(m_fx->configs() + QStringLiteral("/MacroDB/m.MSMACRO"), "[Setting]\nCount=1\n");
        const QString installed = m_fx->configs();
        QStringList asked;
        setConfigWritableCheck([&](const QString &dir) {
            asked << dir;
            return dir != installed;
        });
        const QString user = m_fx->root() + QStringLiteral("/home-config/zelmouse/Configs");
        QCOMPARE(configDirectory(), user);
        QCOMPARE(asked, QStringList{installed});
        QCOMPARE(readSensorModel(), 3389);
        QVERIFY(macroFileExists(QStringLiteral("m")));
        const QByteArray installedBefore = StoreFixture::readFile(installed + QStringLiteral("/Config.ini"));
        writeBatteryLevel(57);
        QCOMPARE(StoreFixture::readFile(installed + QStringLiteral("/Config.ini")), installedBefore);
        QVERIFY(StoreFixture::readFile(user + QStringLiteral("/Config.ini")).contains("Battery=57"));

        // A later start (choice made again) keeps the user's file.
        setConfigWritableCheck([&](const QString &dir) { return dir != installed; });
        QCOMPARE(configDirectory(), user);
        QCOMPARE(readBatteryLevel(), 57);
    }

    // The real probe: as root permission bits do not stop writes, so make the folder
    // impossible to create by putting it under a regular file.
    void folderUnderARegularFileIsNotWritable()
    {
        m_fx->writeFile(m_fx->root() + QStringLiteral("/blocker"), "not a folder");
        setApplicationDirectoryOverride(m_fx->root() + QStringLiteral("/blocker/app"));
        const QString user = m_fx->root() + QStringLiteral("/home-config/zelmouse/Configs");
        QCOMPARE(configDirectory(), user);
        QVERIFY(QFileInfo(user).isDir());
        writeApplyFailedFlag(1);
        QCOMPARE(readApplyFailedFlag(), 1);
        // No probe file is left behind in a writable folder.
        setApplicationDirectoryOverride(m_fx->appDir());
        QCOMPARE(configDirectory(), m_fx->configs());
        QCOMPARE(QDir(m_fx->configs()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(StorePathsTest)
#include "store_paths_test.moc"
