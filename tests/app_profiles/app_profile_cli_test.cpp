// zelmouse-cli's app-profiles and app-profile commands: what they store, what they refuse with
// which exit status, and their usage errors.
#include "../store/store_fixture.h"

#include "store/app_rules.h"
#include "store/profile_files.h"
#include "tools/cli/app_profile_commands.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_exit_codes.h"

#include <memory>

class AppProfileCliTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StoreFixture> m_fixture;

private slots:
    void init()
    {
        m_fixture = std::make_unique<StoreFixture>();
        m_fixture->writeFile(m_fixture->configs() + "/Config.ini", "[Config]\nCurrentProductName=Glide X7\n");
        for (const QString name : {"Profile 1", "Game"})
            m_fixture->writeFile(m_fixture->configs() + "/Glide X7/Profile/" + name + ".prof", "[PROFILE]\npollrate=1\n");
        saveProductProfileList({"Profile 1", "Game"});
    }
    void cleanup() { m_fixture.reset(); }

    void actionsStoreTheRules()
    {
        QCOMPARE(runAppProfileCommand("add", {"xlogo", "Game"}), int(CliExit::Success));
        QCOMPARE(runAppProfileCommand("add", {"XLOGO", "Profile 1"}), int(CliExit::Success)); // replaces
        QCOMPARE(runAppProfileCommand("add", {"steam_app_570", "Game"}), int(CliExit::Success));
        QCOMPARE(runAppProfileCommand("default", {"Game"}), int(CliExit::Success));
        AppRules rules = loadAppRules();
        QCOMPARE(rules.rules.size(), 2);
        QCOMPARE(rules.rules.at(0).match, QStringLiteral("xlogo"));
        QCOMPARE(rules.rules.at(0).profile, QStringLiteral("Profile 1"));
        QCOMPARE(rules.otherProfile, QStringLiteral("Game"));

        QCOMPARE(runAppProfileCommand("remove", {"Xlogo"}), int(CliExit::Success));
        QCOMPARE(runAppProfileCommand("default", {"none"}), int(CliExit::Success));
        rules = loadAppRules();
        QCOMPARE(rules.rules.size(), 1);
        QVERIFY(rules.otherProfile.isEmpty());
        QCOMPARE(runAppProfilesCommand(true), int(CliExit::Success));
    }

    void refusalsChangeNothing()
    {
        QCOMPARE(runAppProfileCommand("add", {"xlogo", "Game"}), int(CliExit::Success));
        const QByteArray before = StoreFixture::readFile(m_fixture->configs() + "/Config.ini");
        QCOMPARE(runAppProfileCommand("add", {"xclock", "No Such"}), int(CliExit::BadFile));
        QCOMPARE(runAppProfileCommand("add", {"xclock", "../Game"}), int(CliExit::BadFile));
        QCOMPARE(runAppProfileCommand("add", {" xclock", "Game"}), int(CliExit::BadFile));
        QCOMPARE(runAppProfileCommand("remove", {"xclock"}), int(CliExit::BadFile));
        QCOMPARE(runAppProfileCommand("default", {"No Such"}), int(CliExit::BadFile));
        QCOMPARE(StoreFixture::readFile(m_fixture->configs() + "/Config.ini"), before);
    }
};

QTEST_GUILESS_MAIN(AppProfileCliTest)
#include "app_profile_cli_test.moc"
