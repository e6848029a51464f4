// The rules that give programs their profiles: which rule a window matches (a table), how the
// rules are kept in the configuration file and carried by the exports, and how rename and
// delete of a library profile follow in them. Also what counts as an unsent edit.
#include "../store/store_fixture.h"

#include "store/app_rules.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/profile_files.h"
#include "store/profile_library.h"

#include <memory>

namespace {
const QString kProduct = QStringLiteral("Glide X7");

AppRules sampleRules()
{
    AppRules rules;
    rules.rules = {{"xlogo", "Logo"}, {"steam_app_570", "Dota"}, {"game.x86_64", "Game"}, {"XClock", "Clock"},
                   {"/opt/tools/bin/editor", "Editor"}, {"clock", "Second"}};
    return rules;
}
} // namespace

class AppRulesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StoreFixture> m_fixture;
    StoreFixture &fx() { return *m_fixture; }
    QString libraryFile(const QString &name) const { return m_fixture->configs() + "/" + kProduct + "/Profile/" + name + ".prof"; }

private slots:
    void init()
    {
        m_fixture = std::make_unique<StoreFixture>();
        fx().writeFile(fx().configs() + "/Config.ini", "[Config]\nCurrentProductName=Glide X7\n");
    }
    void cleanup() { m_fixture.reset(); }

    void matchingFollowsTheTable_data()
    {
        QTest::addColumn<QStringList>("names"); // instance, class, program name, program path
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("expected");
        QTest::newRow("instance name") << QStringList{"xlogo", "XLogo", "xlogo", "/usr/bin/xlogo"} << "" << "Logo";
        QTest::newRow("letter case ignored") << QStringList{"XLOGO", "Xlogo"} << "" << "Logo";
        QTest::newRow("class name") << QStringList{"xclock-main", "XClock"} << "" << "Clock";
        QTest::newRow("steam game by class") << QStringList{"steam_app_570", "steam_app_570", "wine64-preloader"} << "" << "Dota";
        QTest::newRow("program name") << QStringList{"Main", "Main", "game.x86_64", "/opt/game/game.x86_64"} << "" << "Game";
        QTest::newRow("program path") << QStringList{"ed", "Ed", "editor", "/opt/tools/bin/editor"} << "" << "Editor";
        // "clock" matches the program name but "XClock" the class: the first rule wins.
        QTest::newRow("first rule wins") << QStringList{"x", "XClock", "clock"} << "" << "Clock";
        QTest::newRow("part of a name is no match") << QStringList{"xlog", "XLogo2", "logo"} << "" << "";
        QTest::newRow("no match keeps") << QStringList{"firefox", "Firefox"} << "" << "";
        QTest::newRow("no match takes the default") << QStringList{"firefox", "Firefox"} << "Desk" << "Desk";
        QTest::newRow("a window without names") << QStringList{} << "Desk" << "Desk";
    }
    void matchingFollowsTheTable()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, other);
        QFETCH(QString, expected);
        AppRules rules = sampleRules();
        rules.otherProfile = other;
        QCOMPARE(profileForProgram(rules, names), expected);
    }

    void editingKeepsOneRuleAMatch()
    {
        AppRules rules;
        QVERIFY(setAppRule(rules, "xlogo", "A"));
        QVERIFY(setAppRule(rules, "XLogo", "B"));
        QCOMPARE(rules.rules.size(), 1);
        QCOMPARE(rules.rules.first().profile, QStringLiteral("B"));
        QVERIFY(!removeAppRule(rules, "xclock"));
        QVERIFY(removeAppRule(rules, "XLOGO"));
        QVERIFY(rules.rules.isEmpty());
        for (int i = 0; i < kAppRuleLimit; ++i)
            QVERIFY(setAppRule(rules, QString::number(i), "A"));
        QVERIFY(!setAppRule(rules, "one more", "A"));
        QVERIFY(setAppRule(rules, "7", "B")); // a change still fits

        for (const QString &bad : {QString(), QString(" xlogo"), QString("x\tlogo"), QString(256, 'a')})
            QVERIFY2(!isUsableAppMatch(bad), qPrintable(bad));
        QVERIFY(isUsableAppMatch("steam_app_570"));
        QVERIFY(isUsableAppMatch(QString(255, 'a')));
    }

    void rulesAreKeptInTheConfigurationFile()
    {
        AppRules rules = sampleRules();
        rules.otherProfile = "Desk";
        QVERIFY(storeAppRules(rules));
        QCOMPARE(loadAppRules(), rules);
        // The rest of the file is untouched.
        QCOMPARE(readCurrentProductName(), kProduct);

        // Fewer rules: the entries past the count are not read back.
        rules.rules.resize(2);
        rules.otherProfile.clear();
        QVERIFY(storeAppRules(rules));
        QCOMPARE(loadAppRules(), rules);
    }

    void handEditedEntriesThatCannotBeUsedAreSkipped()
    {
        fx().writeFile(fx().configs() + "/Config.ini",
                       "[APP_PROFILES]\nCount=5\nMatch1=xlogo\nProfile1=Logo\nMatch2=\nProfile2=Empty\n"
                       "Match3=xclock\nProfile3=../escape\nMatch4=XLOGO\nProfile4=Twice\nMatch5=xeyes\nProfile5=Eyes\n"
                       "Other=a/b\n");
        const AppRules rules = loadAppRules();
        QCOMPARE(rules.rules.size(), 2);
        QCOMPARE(rules.rules.at(0).match, QStringLiteral("xlogo"));
        QCOMPARE(rules.rules.at(1).match, QStringLiteral("xeyes"));
        QVERIFY(rules.otherProfile.isEmpty());

        // A count far beyond the limit reads at most the limit.
        fx().writeFile(fx().configs() + "/Config.ini", "[APP_PROFILES]\nCount=99999999\nMatch1=a\nProfile1=A\n");
        QCOMPARE(loadAppRules().rules.size(), 1);
    }

    void exportsCarryTheRulesAndImportsStoreThem()
    {
        AppRules rules = sampleRules();
        rules.otherProfile = "Desk";
        QVERIFY(storeAppRules(rules));
        auto settings = std::make_unique<DeviceSettings>();
        const QString exported = fx().root() + "/all.conf";
        exportAllSettings(*settings, exported);

        QVERIFY(storeAppRules(AppRules()));
        importAllSettings(*settings, exported);
        QCOMPARE(loadAppRules(), rules);

        // An export made before there were rules leaves the user's rules as they are.
        const QString older = fx().root() + "/older.conf";
        fx().writeFile(older, "[Config]\nProfileID=0\n");
        importAllSettings(*settings, older);
        QCOMPARE(loadAppRules(), rules);
    }

    void renameFollowsAndDeleteRemovesTheRules()
    {
        QStringList library{"Profile 1", "Logo", "Spare"};
        for (const QString &name : library)
            fx().writeFile(libraryFile(name), "[PROFILE]\npollrate=1\n");
        saveProductProfileList(library);
        auto settings = std::make_unique<DeviceSettings>();
        settings->ProfileNames[0] = "Profile 1";
        AppRules rules;
        rules.rules = {{"xlogo", "Logo"}, {"xclock", "Spare"}, {"xeyes", "Logo"}};
        rules.otherProfile = "Logo";
        QVERIFY(storeAppRules(rules));

        QCOMPARE(renameProfile(*settings, library, "Logo", "Drawing", true), LibraryOutcome::Ok);
        AppRules renamed = loadAppRules();
        QCOMPARE(renamed.rules.at(0).profile, QStringLiteral("Drawing"));
        QCOMPARE(renamed.rules.at(1).profile, QStringLiteral("Spare"));
        QCOMPARE(renamed.rules.at(2).profile, QStringLiteral("Drawing"));
        QCOMPARE(renamed.otherProfile, QStringLiteral("Drawing"));
        QCOMPARE(appRulesNaming(renamed, "Drawing"), 3);

        // A refused delete (a default name) leaves the rules alone.
        QCOMPARE(deleteProfile(*settings, library, "Profile 1", nullptr), LibraryOutcome::DefaultName);
        QCOMPARE(loadAppRules(), renamed);

        QCOMPARE(deleteProfile(*settings, library, "Drawing", nullptr), LibraryOutcome::Ok);
        const AppRules left = loadAppRules();
        QCOMPARE(left.rules.size(), 1);
        QCOMPARE(left.rules.first().match, QStringLiteral("xclock"));
        QVERIFY(left.otherProfile.isEmpty());
    }

    void unsentEditsLeaveOutWhatTheMouseReports()
    {
        auto applied = std::make_unique<DeviceSettings>();
        resetAllProfiles(*applied);
        auto edited = std::make_unique<DeviceSettings>(*applied);
        QVERIFY(!settingsDiffer(*edited, *applied));

        // The mouse's own slot and stage changes are no edits, nor slot names (saved at once).
        edited->ProfileID = 2;
        edited->profiles[0].dpi = 3;
        edited->ProfileNames[0] = "Another";
        QVERIFY(!settingsDiffer(*edited, *applied));

        edited->profiles[2].buttons[4].Fun = 7;
        QVERIFY(settingsDiffer(*edited, *applied));
        *edited = *applied;
        edited->profiles[1].dpiStages[2].x += 1;
        QVERIFY(settingsDiffer(*edited, *applied));
        *edited = *applied;
        edited->profiles[2].pollrate = 8;
        QVERIFY(settingsDiffer(*edited, *applied));
        *edited = *applied;
        edited->Debounce += 1;
        QVERIFY(settingsDiffer(*edited, *applied));
    }
};

QTEST_GUILESS_MAIN(AppRulesTest)
#include "app_rules_test.moc"
