#include "profile_samples.h"
#include "store_fixture.h"

#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/macro_files.h"
#include "store/profile_files.h"

#include <memory>

class DeviceSettingsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StoreFixture> m_fx;
    std::unique_ptr<DeviceSettings> m_current;
    std::unique_ptr<DeviceSettings> m_applied;

    void writeProductFile()
    {
        QByteArray text = "[PROFILE]\ndpi=2\npollrate=3\nLedMode=4\n"
                          "lift=1\nangle=2\nbutondelay=3\njitter=4\nwake=5\nsensormode=6\nsync=7\n";
        for (int i = 0; i < 8; ++i)
            text += "DPI_INFO_" + QByteArray::number(i) + "_xy=" + QByteArray::number(10 + i) + "\n";
        for (int i = 0; i < 16; ++i) {
            const QByteArray b = "BUTTON_INFO_" + QByteArray::number(i);
            text += b + "_Fun=" + QByteArray::number(100 + i) + "\n" + b + "_LoopNumber=" + QByteArray::number(i) + "\n"
                + b + "_KeyNumber=7\n" + b + "_Res1=1\n" + b + "_Res4=260\n";
        }
        text += "LedMode\\LED_MODE_6_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)\n"
                "LedMode\\LED_MODE_6_bright=8\nLedMode\\LED_MODE_6_breath=2\n";
        m_fx->writeFile(productDefinitionPath(), text);
    }


private slots:
    void init()
    {
        m_fx = std::make_unique<StoreFixture>();
        m_current = std::make_unique<DeviceSettings>();
        m_applied = std::make_unique<DeviceSettings>();
        for (int i = 0; i < kProfileCount; ++i) {
            fillProfile(m_current->profiles[i], i);
            m_current->profiles[i].LedMode = 2;
        }
        *m_applied = *m_current;
    }
    void cleanup() { m_fx.reset(); }

    void resetWithoutProductFileGivesBuiltInFactoryValues()
    {
        ProfileData p;
        fillProfile(p, 9);
        resetProfile(p);
        QCOMPARE(int(p.LedMode), 9);
        QCOMPARE(int(p.pollrate), 1);
        QCOMPARE(int(p.dpi), 1);
        QCOMPARE(int(p.LedMoveOFF), 0);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(int(p.mousespeed) * 100 + p.dbclickspeed * 10 + p.scrollspeed, 1051);
        const uint32_t stages[8] = {8, 12, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(int(p.dpiStages[i].used), 1);
            QCOMPARE(int(p.dpiStages[i].link), 1);
            QCOMPARE(p.dpiStages[i].x, stages[i]);
            QCOMPARE(p.dpiStages[i].y, stages[i]);
            QCOMPARE(p.dpiStages[i].xy, stages[i]);
        }
        const int functions[7] = {1, 2, 3, 4, 5, 4, 5};
        for (int i = 0; i < kButtonSlotCount; ++i) {
            const int expected = i < 7 ? functions[i] : i == 40 ? 52 : i == 41 ? 53 : 0;
            QCOMPARE(p.buttons[i].Fun, expected);
            QCOMPARE(p.buttons[i].ID, 0);
            QVERIFY(p.buttons[i].macroname.isEmpty());
            QCOMPARE(int(p.buttons[i].KeyInfo[3].H), 0);
        }
        for (int i = 0; i < kLedEffectCount; ++i) {
            QCOMPARE(p.ledModes[i].RGB, i == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
            QCOMPARE(p.ledModes[i].h, 360);
            QCOMPARE(p.ledModes[i].bright, 3);
            QCOMPARE(p.ledModes[i].breath, 3);
        }
        QVERIFY(p.ProfileName.isEmpty());
        QVERIFY(p.ProfilePath.isEmpty());
    }

    void resetWithProductFileTakesSlotsZeroToFifteenFromIt()
    {
        writeProductFile();
        ProfileData p;
        fillProfile(p, 9);
        resetProfile(p);
        QCOMPARE(int(p.dpi), 2);
        QCOMPARE(int(p.pollrate), 3);
        QCOMPARE(int(p.LedMode), 4);
        QCOMPARE(p.dpiStages[7].x, 17u);
        QCOMPARE(p.buttons[15].Fun, 115);
        QCOMPARE(p.buttons[15].LoopNumber, 15);
        QCOMPARE(p.buttons[15].KeyNumber, 7);
        QCOMPARE(int(p.buttons[15].Res1), 1);
        QCOMPARE(int(p.buttons[15].Res4), 4); // a byte keeps the low eight bits
        for (int i = 16; i < 20; ++i)
            QCOMPARE(p.buttons[i].Fun, 0);
        QCOMPARE(p.buttons[40].Fun, 52);
        QCOMPARE(p.buttons[41].Fun, 53);
        QCOMPARE(p.ledModes[6].RGB, QColor(0x12, 0x34, 0x56));
        QCOMPARE(p.ledModes[6].bright, 8);
        QCOMPARE(p.ledModes[6].h, 360);
        QVERIFY(!p.ledModes[5].RGB.isValid()); // the file has no colour for it
    }

    void resetAllTouchesSlotZeroOnlyAndRenamesAllSlots()
    {
        writeProductFile();
        DeviceSettings &s = *m_current;
        s.ProfileID = 3;
        s.Count = 9;
        const ProfileData before1 = s.profiles[1];
        resetAllProfiles(s);
        QCOMPARE(int(s.ProfileID), 0);
        QCOMPARE(int(s.Count), 9);
        QCOMPARE(int(s.LiftHigh), 1);
        QCOMPARE(int(s.AngleValue), 2);
        QCOMPARE(int(s.Debounce), 3);
        QCOMPARE(int(s.Jitter), 4);
        QCOMPARE(int(s.Wake), 5);
        QCOMPARE(int(s.SensorMode), 6);
        QCOMPARE(int(s.Sync), 7);
        QCOMPARE(int(s.profiles[0].LedMode), 4);
        QCOMPARE(profileDifference(s.profiles[1], before1), QString());
        for (int i = 0; i < kProfileCount; ++i)
            QCOMPARE(s.ProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));

        QFile::remove(productDefinitionPath());
        s.Wake = 8;
        resetAllProfiles(s);
        QCOMPARE(int(s.Wake), 0);
    }

    void defaultProfileFileHoldsAFactoryProfile()
    {
        writeDefaultProfileFile();
        QVERIFY(QFileInfo::exists(m_fx->configs() + QStringLiteral("/Profile/DefaultProfile.prof")));
        ProfileData fromFile, factory;
        loadProfile(0, fromFile, defaultProfilePath());
        resetProfile(factory);
        QCOMPARE(profileDifference(fromFile, factory), QString());
    }

    void writeMarksOneEditedMacroSent()
    {
        const QString name = m_current->profiles[2].buttons[9].macroname;
        QCOMPARE(m_current->profiles[2].buttons[9].Fun, kMacroFunction);
        MacroFile macro;
        macro.events = {{kMacroKeyPress, 0, 4}, {kMacroKeyRelease, 0, 4}};
        writeMacroFile(name, macro); // the editor's save sets WriteSign
        QCOMPARE(readMacroWriteSign(name), 1);
        // A button that differs before it ends the look: the flag stays for the next write.
        m_current->profiles[0].buttons[0].KeyInfo[62].H ^= 0x80;
        markEditedMacroSent(*m_current, *m_applied);
        QCOMPARE(readMacroWriteSign(name), 1);
        *m_current = *m_applied;
        markEditedMacroSent(*m_current, *m_applied);
        QCOMPARE(readMacroWriteSign(name), 0);
        QCOMPARE(readMacroEvents(name).size(), 2);
        // Clearing the flag of a macro whose file is missing creates nothing.
        QVERIFY(!macroFileExists(m_current->profiles[0].buttons[0].macroname));
        markEditedMacroSent(*m_current, *m_applied);
        QVERIFY(!macroFileExists(m_current->profiles[0].buttons[0].macroname));
    }
};

QTEST_GUILESS_MAIN(DeviceSettingsTest)
#include "device_settings_test.moc"
