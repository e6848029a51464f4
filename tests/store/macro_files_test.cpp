#include "store_fixture.h"

#include "store/app_paths.h"
#include "store/macro_files.h"

#include <QSettings>
#include <memory>

class MacroFilesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<StoreFixture> m_fx;

private slots:
    void init() { m_fx = std::make_unique<StoreFixture>(); }
    void cleanup() { m_fx.reset(); }

    void addFillsTheFirstFreeSlotAndRemoveDoesNotCompact()
    {
        addMacroName(QStringLiteral("a"));
        addMacroName(QStringLiteral("b"));
        addMacroName(QStringLiteral("c"));
        removeMacroName(QStringLiteral("b"));
        removeMacroName(QStringLiteral("not there"));
        QCOMPARE(listMacroNames(), (QStringList{"a", "c"}));
        QSettings raw(configFilePath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("MACRO_LIST/2")).toString(), QStringLiteral("c"));
        addMacroName(QStringLiteral("d"));
        QCOMPARE(listMacroNames(), (QStringList{"a", "d", "c"}));
        renameMacroName(QStringLiteral("d"), QString::fromUtf8("\u5b8f"));
        QCOMPARE(listMacroNames(), (QStringList{"a", QString::fromUtf8("\u5b8f"), "c"}));
        QCOMPARE(countMacros(), 3);
    }

    void fiftyMacrosAreTheLimit()
    {
        for (int i = 0; i < 55; ++i)
            addMacroName(QStringLiteral("m%1").arg(i));
        QCOMPARE(countMacros(), kMacroListSize);
        QCOMPARE(listMacroNames().last(), QStringLiteral("m49"));
    }

    void countDecidesHowManyEventsAreRead()
    {
        m_fx->writeFile(macroFilePath(QStringLiteral("old")),
                        "[Setting]\r\nCount=3\r\nDataH_0=0\r\nDataH_1=0\r\nDataH_2=1\r\nDataH_3=9\r\n"
                        "DataL_0=4\r\nDataL_1=4\r\nDataL_2=44\r\nDataL_3=9\r\n"
                        "Map_0=132\r\nMap_1=4\r\nMap_2=6\r\nMap_3=2\r\nMap_4=2\r\nLoopType=1\r\nLoopTime=300\r\n");
        const MacroFile macro = readMacroFile(QStringLiteral("old"));
        QCOMPARE(macro.events.size(), 3);
        QCOMPARE(macro.events[0], (MacroEvent{kMacroKeyPress, 0, 4}));
        QCOMPARE(macro.events[2], (MacroEvent{kMacroDelay, 1, 44}));
        QCOMPARE(macro.loopType, 1);
        QCOMPARE(macro.loopTime, 300);
        QCOMPARE(macro.writeSign, 0);
        QCOMPARE(readMacroEvents(QStringLiteral("old"), 2).size(), 2);
        // A corrupt count cannot make a reader take more than its area holds.
        m_fx->writeFile(macroFilePath(QStringLiteral("huge")), "[Setting]\nCount=2000000000\n");
        QCOMPARE(readMacroEvents(QStringLiteral("huge"), 63).size(), 63);
        QCOMPARE(readMacroEvents(QStringLiteral("missing")).size(), 0);
    }

    void editorSaveRoundTripsAndKeepsStaleKeys()
    {
        MacroFile macro;
        macro.defaultDelay = 25;
        macro.delayType = 2;
        macro.loopType = 3;
        macro.loopTime = 1;
        for (int i = 0; i < 5; ++i)
            macro.events.append({kMacroMove, 0, macroDisplacementByte(-5 - i)});
        writeMacroFile(QStringLiteral("m"), macro);
        macro.events.resize(2);
        writeMacroFile(QStringLiteral("m"), macro, false);
        const MacroFile back = readMacroFile(QStringLiteral("m"));
        QCOMPARE(back.events, macro.events);
        QCOMPARE(back.defaultDelay, 25);
        QCOMPARE(back.writeSign, 1);
        QCOMPARE(back.filePath, macroFilePath(QStringLiteral("m")));
        QSettings raw(macroFilePath(QStringLiteral("m")), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Setting/DataL_4")).toString(), QStringLiteral("247"));
        QCOMPARE(raw.value(QStringLiteral("Setting/Map_0")).toString(), QStringLiteral("2"));
    }

    void savingUnderAnotherNameRecordsTheNewPath()
    {
        MacroFile macro;
        macro.events.append({kMacroKeyPress, 0, 0x1E});
        writeMacroFile(QStringLiteral("first"), macro);
        MacroFile copy = readMacroFile(QStringLiteral("first"));
        QCOMPARE(copy.filePath, macroFilePath(QStringLiteral("first")));
        writeMacroFile(QStringLiteral("second"), copy);
        QCOMPARE(readMacroFile(QStringLiteral("second")).filePath, macroFilePath(QStringLiteral("second")));
    }

    // The other program reads these exact keys; a misspelt one would read as 0.
    void filesHoldExactlyTheSharedKeys()
    {
        MacroFile macro;
        macro.events = {{kMacroKeyPress, 0, 4}, {kMacroDelay, 0, 10}};
        writeMacroFile(QStringLiteral("keys"), macro);
        QStringList keys = QSettings(macroFilePath(QStringLiteral("keys")), QSettings::IniFormat).allKeys();
        keys.sort();
        QStringList expected{"Setting/MacroFilePath", "Setting/DefaultDelay", "Setting/DelayType",
                             "Setting/LoopType", "Setting/LoopTime", "Setting/Count", "Setting/WriteSign",
                             "Setting/Map_0", "Setting/DataH_0", "Setting/DataL_0",
                             "Setting/Map_1", "Setting/DataH_1", "Setting/DataL_1"};
        expected.sort();
        QCOMPARE(keys, expected);
        QVERIFY(macroFilePath(QStringLiteral("keys")).endsWith(QStringLiteral("/Configs/MacroDB/keys.MSMACRO")));

        addMacroName(QStringLiteral("keys"));
        QCOMPARE(QSettings(configFilePath(), QSettings::IniFormat).allKeys(), QStringList{"MACRO_LIST/0"});
    }

    void eventEncoding()
    {
        QCOMPARE(macroDisplacement(251), -5);
        QCOMPARE(macroDisplacement(200), -56);
        QCOMPARE(macroDisplacement(120), 120);
        QCOMPARE(macroDisplacement(121), -135);
        QCOMPARE(macroDelayEvent(250, 10), (MacroEvent{kMacroDelay, 0, 25}));
        QCOMPARE(macroDelayEvent(250, 1), (MacroEvent{kMacroDelay, 0, 250}));
        QCOMPARE(macroDelayEvent(300, 1), (MacroEvent{kMacroDelay, 1, 44}));
        QCOMPARE(macroDelayEvent(100, 10), (MacroEvent{kMacroDelay, 0, 10}));
        QVERIFY(isMacroKeyEvent(0x84) && isMacroKeyEvent(0x04) && !isMacroKeyEvent(0x81));
        QVERIFY(isMacroButtonEvent(0x81) && isMacroButtonEvent(0x01) && !isMacroButtonEvent(0x82));
        QVERIFY(isMacroDelayEvent(0x86) && isMacroMoveEvent(0x82));
    }

    void fileOperationsRefuseExistingTargets()
    {
        writeMacroFile(QStringLiteral("one"), MacroFile());
        writeMacroFile(QStringLiteral("two"), MacroFile());
        QVERIFY(!renameMacroFile(QStringLiteral("one"), QStringLiteral("two")));
        QVERIFY(renameMacroFile(QStringLiteral("one"), QStringLiteral("three")));
        QVERIFY(!macroFileExists(QStringLiteral("one")));
        QVERIFY(!importMacroFile(macroFilePath(QStringLiteral("two")), QStringLiteral("three")));
        QVERIFY(importMacroFile(macroFilePath(QStringLiteral("two")), QStringLiteral("four")));
        QVERIFY(removeMacroFile(QStringLiteral("four")));
        QVERIFY(!macroFileExists(QStringLiteral("four")));
        writeMacroWriteSign(QStringLiteral("ghost"), 0);
        QVERIFY(!macroFileExists(QStringLiteral("ghost")));
    }
};

QTEST_GUILESS_MAIN(MacroFilesTest)
#include "macro_files_test.moc"
