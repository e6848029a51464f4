#include "profile_samples.h"
#include "store_fixture.h"

#include "store/app_paths.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"

#include <QSettings>
#include <memory>
#include <sys/stat.h>

namespace {

QString slotFile(const QString &name) { return slotProfilePath(name); }

// Inode and modification time: a QSettings rewrite (temp file + rename) changes both.
QPair<quint64, qint64> identity(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {0, 0};
    return {quint64(st.st_ino), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

void backdate(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
}

std::unique_ptr<DeviceSettings> filledSettings()
{
    auto s = std::make_unique<DeviceSettings>();
    s->ProfileID = 2;
    s->AngleValue = 1;
    s->LiftHigh = 2;
    s->Sync = 3;
    s->Count = 4;
    s->Jitter = 5;
    s->Debounce = 6;
    s->Wake = 7;
    s->SensorMode = 8;
    for (int i = 0; i < kProfileCount; ++i) {
        fillProfile(s->profiles[i], i * 11);
        s->ProfileNames[i] = QStringLiteral("Slot %1").arg(i + 1);
    }
    return s;
}


// The profile key set spelled out key by key, independently of the store's own key builder.
QStringList designProfileKeys(const QString &group, bool withLightOff)
{
    const QString g = group + QLatin1Char('/');
    QStringList keys{g + "pollrate", g + "dpi", g + "mousespeed", g + "dbclickspeed", g + "scrollispage",
                     g + "scrollspeed", g + "accelenable", g + "acee", g + "ProfileName", g + "ProfilePath",
                     g + "LedMode"};
    if (withLightOff)
        keys << g + "LedMoveOFF" << g + "LedSleepTime";
    for (int i = 0; i < 8; ++i) {
        for (const char *suffix : {"used", "link", "xy", "x", "y"})
            keys << g + QStringLiteral("DPI_INFO_%1_%2").arg(i).arg(QLatin1String(suffix));
    }
    for (int b = 0; b < 42; ++b) {
        for (const char *suffix : {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname"})
            keys << g + QStringLiteral("BUTTON_INFO_%1_%2").arg(b).arg(QLatin1String(suffix));
        for (int k = 0; k < 63; ++k) {
            keys << g + QStringLiteral("BUTTON_INFO_%1_KeyInfo_%2_map").arg(b).arg(k)
                 << g + QStringLiteral("BUTTON_INFO_%1_KeyInfo_%2_").arg(b).arg(k)
                 << g + QStringLiteral("BUTTON_INFO_%1_KeyInfo_%2_H").arg(b).arg(k);
        }
    }
    for (int e = 0; e < 14; ++e) {
        for (const char *suffix : {"RGB", "h", "s", "v", "bright", "breath"})
            keys << g + QStringLiteral("LedMode/LED_MODE_%1_%2").arg(e).arg(QLatin1String(suffix));
    }
    return keys;
}

QStringList sortedKeys(const QString &path)
{
    QSettings raw(path, QSettings::IniFormat);
    QStringList keys = raw.allKeys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList keys)
{
    keys.sort();
    return keys;
}
} // namespace

class ProfileFilesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StoreFixture> m_fx;

private slots:
    void init() { m_fx = std::make_unique<StoreFixture>(); }
    void cleanup() { m_fx.reset(); }

    void startupWithoutAnyFileGivesFactoryProfiles()
    {
        auto s = filledSettings();
        loadAllSettings(*s);
        QCOMPARE(int(s->ProfileID), 0);
        QCOMPARE(int(s->AngleValue) + s->Sync + s->Count + s->Jitter + s->Wake + s->SensorMode, 0);
        // As the window shows them and sends them: 2 mm, a debounce of 1.
        QCOMPARE(int(s->LiftHigh), 2);
        QCOMPARE(int(s->Debounce), 1);
        // Zeros would be sent as rate code 0 and DPI code 0: a slot without a file gets what a
        // reset gives it.
        ProfileData expected;
        resetProfile(expected);
        for (int i = 0; i < kProfileCount; ++i) {
            QVERIFY(s->ProfileNames[i].isEmpty());
            QCOMPARE(profileDifference(s->profiles[i], expected), QString());
        }
        QVERIFY(s->profiles[0].pollrate != 0);
        QVERIFY(s->profiles[0].dpiStages[0].x != 0);
        // Reading must not create files, in particular none for the empty name.
        QVERIFY(!QFileInfo::exists(m_fx->configs() + QStringLiteral("/Profile/.prof")));
    }

    void profileKeysAbsentOrDamagedReadAsDesigned()
    {
        m_fx->writeFile(slotFile(QStringLiteral("Odd")),
                        "[PROFILE]\n"
                        "pollrate=300\n"         // byte keeps the low eight bits
                        "dpi=abc\n"              // does not parse
                        "LedSleepTime=0\n"
                        "DPI_INFO_1_x=4294967295\n"
                        "LedMode\\LED_MODE_1_h=4294967295\n" // written as unsigned, read back as -1
                        "BUTTON_INFO_2_Fun=-5\n");
        ProfileData p;
        fillProfile(p, 3);
        loadSlotProfile(p, QStringLiteral("Odd"));
        QCOMPARE(int(p.pollrate), 44);
        QCOMPARE(int(p.dpi), 0);
        QCOMPARE(int(p.LedMoveOFF), 255);
        QCOMPARE(int(p.LedSleepTime), 1); // the lowest the product's sleep range takes
        QCOMPARE(p.dpiStages[1].x, 4294967295u);
        QCOMPARE(p.ledModes[1].h, -1);
        QCOMPARE(p.buttons[2].Fun, -5);
        QCOMPARE(p.buttons[2].KeyInfo[5].code, uint8_t(0));
        QVERIFY(p.ProfileName.isEmpty());
    }

    void everyFieldRoundTripsInBothLayouts()
    {
        ProfileData written;
        fillProfile(written, 7);
        ProfileData read;
        saveProfile(3, written, QString()); // group PROFILE_3 of Config.ini
        loadProfile(3, read, QString());
        QCOMPARE(profileDifference(read, written), QString());
        QVERIFY(readFileHasSection(configFilePath(), "[PROFILE_3]"));

        const QString file = m_fx->root() + QStringLiteral("/one.prof");
        ProfileData read2;
        saveProfile(0, written, file);
        loadProfile(0, read2, file);
        QCOMPARE(profileDifference(read2, written), QString());
        QVERIFY(readFileHasSection(file, "[PROFILE]"));
        // 42 buttons x 63 entries x 3 key-info keys are all written.
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("PROFILE/BUTTON_INFO_41_KeyInfo_62_")).toInt(), 255 - 62);
        QCOMPARE(raw.value(QStringLiteral("PROFILE/LedMode/LED_MODE_2_h")).toString(), QStringLiteral("4294967295"));
    }

    // Every form holds exactly its own key set: a misspelt, missing or extra key would
    // make the other program read a default.
    void everyFormHoldsExactlyTheDesignKeys()
    {
        auto s = filledSettings();
        ProfileData p;
        fillProfile(p, 2);

        const QString single = m_fx->root() + QStringLiteral("/single.prof");
        saveProfile(3, p, single);
        QCOMPARE(sortedKeys(single), sorted(designProfileKeys(QStringLiteral("PROFILE"), true)));
        QCOMPARE(designProfileKeys(QStringLiteral("PROFILE"), true).size(), 2 + 40 + 6 + 42 * (9 + 63 * 3) + 5 + 14 * 6);

        saveProfile(3, p, QString());
        QCOMPARE(sortedKeys(configFilePath()), sorted(designProfileKeys(QStringLiteral("PROFILE_3"), true)));

        const QString conf = m_fx->root() + QStringLiteral("/all.conf");
        writeProductNameToFile(QStringLiteral("Glide X7"), conf);
        exportAllSettings(*s, conf);
        QStringList exportKeys{"Config/ProfileID", "Config/AngleValue", "Config/LiftHigh", "Config/Sync",
                               "Config/Jitter", "Config/Debounce", "Config/Wake", "Config/SensorMode",
                               "Config/Count", "MouseName/Name"};
        for (int i = 0; i < kProfileCount; ++i)
            exportKeys << designProfileKeys(QStringLiteral("PROFILE_%1").arg(i), false);
        QCOMPARE(sortedKeys(conf), sorted(exportKeys));

        QFile::remove(configFilePath());
        saveSettingsForApply(*s);
        QStringList configKeys{"Config/ProfileID", "Config/AngleValue", "Config/LiftHigh", "Config/Sync",
                               "Config/Jitter", "Config/Debounce", "Config/Wake", "Config/SensorMode",
                               "Config/Count", "Config/Profile1", "Config/Profile2", "Config/Profile3",
                               "Config/Profile4", "Config/Profile5"};
        QCOMPARE(sortedKeys(configFilePath()), sorted(configKeys));
        QCOMPARE(sortedKeys(slotFile(QStringLiteral("Slot 2"))), sorted(designProfileKeys(QStringLiteral("PROFILE"), true)));

        writeDefaultProfileFile();
        QCOMPARE(sortedKeys(defaultProfilePath()), sorted(designProfileKeys(QStringLiteral("PROFILE"), true)));
    }

    void exportThenImportKeepsSlotNamesAndLightOff()
    {
        auto s = filledSettings();
        const QString file = m_fx->root() + QStringLiteral("/all.conf");
        writeProductNameToFile(QStringLiteral("Glide X7"), file);
        exportAllSettings(*s, file);

        const QByteArray text = StoreFixture::readFile(file);
        QVERIFY(!text.contains("LedMoveOFF"));
        QVERIFY(!text.contains("LedSleepTime"));
        QVERIFY(!text.contains("Profile1="));
        QVERIFY(text.contains("[PROFILE_4]"));
        QVERIFY(text.contains("SensorMode=8"));
        QCOMPARE(readProductNameOfFile(file), QStringLiteral("Glide X7"));

        auto back = std::make_unique<DeviceSettings>();
        for (int i = 0; i < kProfileCount; ++i) {
            back->ProfileNames[i] = QStringLiteral("kept?");
            back->profiles[i].LedMoveOFF = 99;
            back->profiles[i].LedSleepTime = 98;
        }
        importAllSettings(*back, file);
        QCOMPARE(int(back->ProfileID), 2);
        QCOMPARE(int(back->Count), 4);
        QCOMPARE(int(back->SensorMode), 8);
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(back->ProfileNames[i], QStringLiteral("kept?"));
            QCOMPARE(profileDifference(back->profiles[i], s->profiles[i], false), QString());
            QCOMPARE(int(back->profiles[i].LedMoveOFF), 99);
            QCOMPARE(int(back->profiles[i].LedSleepTime), 98);
        }
    }

    void importTakesSlotNamesTheFileCarries()
    {
        auto s = filledSettings();
        const QString file = m_fx->root() + QStringLiteral("/named.conf");
        exportAllSettings(*s, file);
        {
            QSettings raw(file, QSettings::IniFormat);
            raw.setValue(QStringLiteral("Config/Profile2"), QStringLiteral("Fast"));
        }
        auto back = std::make_unique<DeviceSettings>();
        back->ProfileNames[0] = QStringLiteral("Mine");
        back->ProfileNames[1] = QStringLiteral("Old");
        importAllSettings(*back, file);
        QCOMPARE(back->ProfileNames[0], QStringLiteral("Mine"));
        QCOMPARE(back->ProfileNames[1], QStringLiteral("Fast"));
    }

    void staleProfileListKeysAreIgnored()
    {
        writeCurrentProductName(QStringLiteral("Glide X7"));
        m_fx->writeFile(productListPath(QStringLiteral("Glide X7")),
                        "[PROFILE_LIST]\nCount=3\n1=Profile 1\n2=Fast\n3=Slow\n4=Left over\n");
        QCOMPARE(loadProductProfileList(), (QStringList{"Profile 1", "Fast", "Slow"}));

        saveProductProfileList({QStringLiteral("Only")});
        QCOMPARE(loadProductProfileList(), QStringList{"Only"});
        QSettings raw(productListPath(QStringLiteral("Glide X7")), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("PROFILE_LIST/4")).toString(), QStringLiteral("Left over"));

        m_fx->writeFile(productListPath(QStringLiteral("Glide X7")), "[PROFILE_LIST]\nCount=\n1=x\n");
        QVERIFY(loadProductProfileList().isEmpty());
    }

    // Start-up loads all five slots; the apply save must store all of them, or edits to
    // slots 1..4 are lost at the next start.
    void applySaveStoresEverySlotStartupLoads()
    {
        auto s = filledSettings();
        s->ProfileNames[3].clear();
        saveSettingsForApply(*s);

        auto back = std::make_unique<DeviceSettings>();
        loadAllSettings(*back);
        QCOMPARE(int(back->ProfileID), 2);
        QCOMPARE(int(back->Wake), 7);
        QCOMPARE(int(back->Count), 4);
        for (int i = 0; i < kProfileCount; ++i) {
            if (i == 3) {
                QVERIFY(back->ProfileNames[3].isEmpty());
                continue;
            }
            QCOMPARE(back->ProfileNames[i], s->ProfileNames[i]);
            QCOMPARE(profileDifference(back->profiles[i], s->profiles[i]), QString());
        }
        QVERIFY(!QFileInfo::exists(m_fx->configs() + QStringLiteral("/Profile/.prof")));
    }

    void outOfRangeActiveProfileReadsAsZero()
    {
        m_fx->writeFile(configFilePath(), "[Config]\nProfileID=7\nWake=3\n");
        auto s = filledSettings();
        loadAllSettings(*s);
        QCOMPARE(int(s->ProfileID), 0);
        QCOMPARE(int(s->Wake), 3);
        QCOMPARE(readActiveProfileIndex(), 7); // the raw key is still what the file says
        // Narrowed to a byte first, like the options: 257 is slot 1, -1 (255) is out of range.
        m_fx->writeFile(configFilePath(), "[Config]\nProfileID=257\nWake=258\n");
        loadAllSettings(*s);
        QCOMPARE(int(s->ProfileID), 1);
        QCOMPARE(int(s->Wake), 2);
        m_fx->writeFile(configFilePath(), "[Config]\nProfileID=-1\n");
        loadAllSettings(*s);
        QCOMPARE(int(s->ProfileID), 0);
    }

    // The apply path saves twice in a row; the second save must not rewrite anything.
    void unchangedSaveLeavesFilesAlone()
    {
        auto s = filledSettings();
        saveSettingsForApply(*s);
        const QStringList files = {configFilePath(), slotFile(QStringLiteral("Slot 1")), slotFile(QStringLiteral("Slot 5"))};
        for (const QString &f : files)
            backdate(f);
        QList<QPair<quint64, qint64>> before;
        for (const QString &f : files)
            before << identity(f);

        saveSettingsForApply(*s);
        writeDefaultProfileFile();
        writeDefaultProfileFile();
        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(identity(files[i]) == before[i], qPrintable(files[i]));

        // A real change is written, atomically (a new file replaces the old one).
        s->profiles[4].buttons[17].KeyInfo[40].H ^= 1;
        saveSettingsForApply(*s);
        QCOMPARE(identity(files[0]), before[0]);
        QCOMPARE(identity(files[1]), before[1]);
        QVERIFY(identity(files[2]) != before[2]);
        ProfileData p;
        loadSlotProfile(p, QStringLiteral("Slot 5"));
        QCOMPARE(profileDifference(p, s->profiles[4]), QString());
    }

    void colourSurvivesLoadSaveLoad()
    {
        m_fx->writeFile(slotFile(QStringLiteral("C")),
                        "[PROFILE]\nLedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)\n");
        ProfileData p;
        loadSlotProfile(p, QStringLiteral("C"));
        QCOMPARE(p.ledModes[3].RGB, QColor(0x12, 0x34, 0x56));
        p.pollrate = 4; // forces a rewrite of the whole file
        saveSlotProfile(QStringLiteral("C"), p);
        ProfileData again;
        loadSlotProfile(again, QStringLiteral("C"));
        QCOMPARE(again.ledModes[3].RGB, QColor(0x12, 0x34, 0x56));
        QCOMPARE(int(again.pollrate), 4);
        QVERIFY(StoreFixture::readFile(slotFile(QStringLiteral("C")))
                    .contains("LedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)"));
    }

    // Files in the carried-over form: CRLF line ends, non-ASCII escaped, colours as
    // serialised variants, the slot file named after a non-ASCII profile name.
    void windowsFilesLoad()
    {
        const QString name = QString::fromUtf8("\u041f\u0440\u043e\u0444\u0438\u043b\u044c \u00e9t\u00e9 1");
        m_fx->writeFile(configFilePath(),
                        "[Config]\r\n"
                        "CurrentProductName=Glide X7\r\n"
                        "Diff=1\r\n"
                        "Profile1=\\x41f\\x440\\x43e\\x444\\x438\\x43b\\x44c \\xe9t\\xe9 1\r\n"
                        "Profile2=Fast\r\n"
                        "ProfileID=1\r\n"
                        "Wake=2\r\n"
                        "\r\n"
                        "[MACRO_LIST]\r\n"
                        "0=\\x5b8f\\x4e00\r\n"
                        "\r\n"
                        "[MouseSenSor]\r\n"
                        "1=3389\r\n");
        m_fx->writeFile(slotFile(name),
                        "[PROFILE]\r\n"
                        "BUTTON_INFO_3_Fun=200\r\n"
                        "BUTTON_INFO_3_KeyInfo_0_=4\r\n"
                        "BUTTON_INFO_3_macroname=\\x5b8f\\x4e00\r\n"
                        "DPI_INFO_2_x=24\r\n"
                        "LedMode=3\r\n"
                        "LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\0\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\r\n"
                        "LedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)\r\n"
                        "LedMode\\LED_MODE_3_bright=4\r\n"
                        "LedMoveOFF=1\r\n"
                        "ProfileName=\\x41f\\x440\\x43e\\x444\\x438\\x43b\\x44c \\xe9t\\xe9 1\r\n"
                        "ProfilePath=\"C:\\\\Mouse, copy\"\r\n"
                        "pollrate=3\r\n");
        QVERIFY(QFileInfo::exists(m_fx->configs() + QStringLiteral("/Profile/") + name + QStringLiteral(".prof")));

        auto s = std::make_unique<DeviceSettings>();
        loadAllSettings(*s);
        QCOMPARE(int(s->ProfileID), 1);
        QCOMPARE(int(s->Wake), 2);
        QCOMPARE(s->ProfileNames[0], name);
        QCOMPARE(s->ProfileNames[1], QStringLiteral("Fast"));
        const ProfileData &p = s->profiles[0];
        QCOMPARE(p.ProfileName, name);
        QCOMPARE(p.ProfilePath, QStringLiteral("C:\\Mouse, copy"));
        QCOMPARE(int(p.pollrate), 3);
        QCOMPARE(int(p.LedMode), 3);
        QCOMPARE(int(p.LedMoveOFF), 1);
        QCOMPARE(p.dpiStages[2].x, 24u);
        QCOMPARE(p.buttons[3].Fun, 200);
        QCOMPARE(int(p.buttons[3].KeyInfo[0].code), 4);
        QCOMPARE(p.buttons[3].macroname, QString::fromUtf8("\u5b8f\u4e00"));
        QCOMPARE(p.ledModes[3].RGB, QColor(0x12, 0x34, 0x56));
        QCOMPARE(p.ledModes[3].bright, 3); // 4 is beyond the brightness the window takes
        QCOMPARE(p.ledModes[0].RGB.spec(), QColor::Invalid);
        QCOMPARE(readApplyFailedFlag(), 1);
        QCOMPARE(readSensorModel(), 3389);
        QCOMPARE(readCurrentProductName(), QStringLiteral("Glide X7"));
    }

    // What we write is the format we read elsewhere: the same escapes, section and key
    // spelling (LF line ends read as well as CRLF).
    void writtenFilesUseTheSharedSpelling()
    {
        const QString name = QString::fromUtf8("\u041f\u0440\u043e\u0444\u0438\u043b\u044c \u00e9t\u00e9 1");
        auto s = std::make_unique<DeviceSettings>();
        s->ProfileNames[0] = name;
        s->profiles[0].ProfileName = name;
        s->profiles[0].LedMode = 3;
        s->profiles[0].ledModes[3].RGB = QColor(0x12, 0x34, 0x56);
        s->profiles[0].buttons[3].macroname = QString::fromUtf8("\u5b8f\u4e00");
        s->profiles[0].ProfilePath = QStringLiteral("C:\\Mouse, copy");
        saveSettingsForApply(*s);

        const QByteArray config = StoreFixture::readFile(configFilePath());
        QVERIFY2(config.contains("[Config]\nAngleValue=0\n"), config.constData());
        QVERIFY(config.contains("\nProfile1=\\x41f\\x440\\x43e\\x444\\x438\\x43b\\x44c \\xe9t\\xe9 1\n"));
        const QByteArray prof = StoreFixture::readFile(m_fx->configs() + QStringLiteral("/Profile/") + name + QStringLiteral(".prof"));
        QVERIFY(prof.startsWith("[PROFILE]\nBUTTON_INFO_0_Fun=0\n"));
        QVERIFY(prof.contains("\nBUTTON_INFO_3_macroname=\\x5b8f\\x4e00\n"));
        QVERIFY(prof.contains("\nBUTTON_INFO_41_KeyInfo_62_=0\n"));
        QVERIFY(prof.contains("\nLedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)\n"));
        QVERIFY(prof.contains("\nLedMode\\LED_MODE_4_RGB=@Variant(\\0\\0\\0\\x43\\0\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n"));
        QVERIFY(prof.contains("\nProfileName=\\x41f\\x440\\x43e\\x444\\x438\\x43b\\x44c \\xe9t\\xe9 1\n"));
        QVERIFY(prof.contains("\nProfilePath=\"C:\\\\Mouse, copy\"\n"));
        QVERIFY(!prof.contains('\r'));
        QVERIFY(!prof.contains("@Invalid"));
    }

    void activeStageIsWrittenIntoTheOpenFile()
    {
        ProfileData p;
        fillProfile(p, 1);
        saveSlotProfile(QStringLiteral("Open"), p);
        {
            QSettings open(slotFile(QStringLiteral("Open")), QSettings::IniFormat);
            writeActiveStage(open, 6);
        }
        ProfileData back;
        loadSlotProfile(back, QStringLiteral("Open"));
        QCOMPARE(int(back.dpi), 6);
        QCOMPARE(back.ledModes[1].RGB, p.ledModes[1].RGB);
    }

    void libraryOperationsStayInTheProductFolderAndNeverOverwrite()
    {
        writeCurrentProductName(QStringLiteral("Glide X7"));
        writeDefaultProfileFile();
        QVERIFY(createLibraryProfile(QStringLiteral("Profile 1")));
        QVERIFY(!createLibraryProfile(QStringLiteral("Profile 1")));
        QVERIFY(copyLibraryProfile(QStringLiteral("Profile 1"), QStringLiteral("Profile 1 copy")));
        QVERIFY(!copyLibraryProfile(QStringLiteral("Profile 1"), QStringLiteral("Profile 1 copy")));
        QVERIFY(renameLibraryProfile(QStringLiteral("Profile 1 copy"), QStringLiteral("Fast")));
        QVERIFY(!renameLibraryProfile(QStringLiteral("Fast"), QStringLiteral("Profile 1")));
        QVERIFY(libraryProfileExists(QStringLiteral("Fast")));
        QCOMPARE(libraryProfilePath(QStringLiteral("Fast")), m_fx->configs() + QStringLiteral("/Glide X7/Profile/Fast.prof"));

        const QString exported = m_fx->root() + QStringLiteral("/out/Fast.prof");
        QDir().mkpath(m_fx->root() + QStringLiteral("/out"));
        QVERIFY(exportLibraryProfile(QStringLiteral("Fast"), exported));
        QCOMPARE(readProductNameOfFile(exported), QStringLiteral("Glide X7"));
        QVERIFY(!exportLibraryProfile(QStringLiteral("Fast"), exported));
        QCOMPARE(importLibraryProfile(exported), QString()); // "Fast" exists
        QVERIFY(removeLibraryProfile(QStringLiteral("Fast")));
        QCOMPARE(importLibraryProfile(exported), QStringLiteral("Fast"));
        ProfileData p;
        loadProfile(0, p, libraryProfilePath(QStringLiteral("Fast")));
        QCOMPARE(int(p.LedMode), 9); // factory profile without a product file
    }

private:
    static bool readFileHasSection(const QString &path, const char *section)
    {
        return StoreFixture::readFile(path).contains(section);
    }
};

QTEST_GUILESS_MAIN(ProfileFilesTest)
#include "profile_files_test.moc"
