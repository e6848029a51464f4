// zelmouse-cli's profile commands, run as a script would: one library round trip that ends
// with the imported profile on the emulated mouse, the refusals and their exit statuses, and
// Reset All.
#include "../cli/cli_harness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool sent(const CliRun &run, const QString &prefix)
{
    for (const QString &packet : writtenPackets(run)) {
        if (packet.startsWith(prefix))
            return true;
    }
    return false;
}

} // namespace

class ProfileCliTest : public QObject {
    Q_OBJECT

    static CliRun cli(const AppDirFixture &app, const QStringList &arguments)
    {
        return runCliProgram(app.withAppDir(arguments));
    }
    static CliRun emulated(const AppDirFixture &app, const QStringList &arguments)
    {
        return runCliProgram(app.withAppDir(QStringList{QStringLiteral("--emulate"), QStringLiteral("--trace")} + arguments));
    }
    static QJsonObject profiles(const AppDirFixture &app)
    {
        return QJsonDocument::fromJson(cli(app, {QStringLiteral("profiles"), QStringLiteral("--json")}).out.toUtf8()).object();
    }
    static QStringList libraryOf(const QJsonObject &report)
    {
        QStringList names;
        for (const QJsonValue &entry : report.value(QStringLiteral("library")).toArray())
            names << entry.toObject().value(QStringLiteral("name")).toString();
        return names;
    }
    static QString slotName(const QJsonObject &report, int slot)
    {
        return report.value(QStringLiteral("slots")).toArray().at(slot - 1).toObject().value(QStringLiteral("name")).toString();
    }
    QString libraryFile(const AppDirFixture &app, const QString &name) const
    {
        return app.path(QStringLiteral("Configs/Glide X7/Profile/%1.prof").arg(name));
    }

private slots:
    void libraryRoundTripEndsOnTheMouse()
    {
        AppDirFixture app;
        app.setKeys(app.configIni(), {{"Config/ProfileID", 0}, {"Config/Profile1", "Main"}});
        app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/pollrate", 2}, {"PROFILE/dpi", 2}});

        CliRun run = cli(app, {QStringLiteral("profile"), QStringLiteral("add")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QLatin1String("\"Profile 1\"")), qPrintable(run.out));
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("copy")}).exitCode, 0);
        QCOMPARE(slotName(profiles(app), 1), QStringLiteral("Profile 1 copy"));
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("rename"), QStringLiteral("Profile 1 copy"), QStringLiteral("Fast")}).exitCode, 0);
        QVERIFY(QFileInfo::exists(libraryFile(app, QStringLiteral("Fast"))));
        QVERIFY(!QFileInfo::exists(libraryFile(app, QStringLiteral("Profile 1 copy"))));

        const QString exported = app.path(QStringLiteral("Travel.prof"));
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("export"), QStringLiteral("Fast"), exported}).exitCode, 0);
        QCOMPARE(app.value(exported, QStringLiteral("MouseName/Name")).toString(), QStringLiteral("Glide X7"));
        // Edited elsewhere before it comes back: 125 Hz, third stage.
        app.setKeys(exported, {{"PROFILE/pollrate", 8}, {"PROFILE/dpi", 3}});

        // Fast is in the active slot and the last entry: the entry before it takes its place.
        run = cli(app, {QStringLiteral("profile"), QStringLiteral("delete"), QStringLiteral("Fast")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QLatin1String("now holds \"Profile 1\"")), qPrintable(run.out));
        QVERIFY(!QFileInfo::exists(libraryFile(app, QStringLiteral("Fast"))));
        QVERIFY(!QFileInfo::exists(app.slotProfile(QStringLiteral("Fast"))));

        run = emulated(app, {QStringLiteral("profile"), QStringLiteral("import"), exported});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(sent(run, QStringLiteral("01 03 08")), qPrintable(run.err.right(2000)));
        QVERIFY(sent(run, QStringLiteral("00 cc 33")));
        const QJsonObject report = profiles(app);
        QCOMPARE(libraryOf(report), (QStringList{QStringLiteral("Profile 1"), QStringLiteral("Travel")}));
        QCOMPARE(slotName(report, 1), QStringLiteral("Travel"));
        QCOMPARE(report.value(QStringLiteral("activeSlot")).toInt(), 1);

        // Back to the first profile, stored, then applied.
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("use"), QStringLiteral("Profile 1")}).exitCode, 0);
        run = emulated(app, {QStringLiteral("apply")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!sent(run, QStringLiteral("01 03 08")));
        QCOMPARE(slotName(profiles(app), 1), QStringLiteral("Profile 1"));
    }

    // As after a window start without a mouse on an older version: no stored product. The
    // product file names it, and the library is made under that name.
    void addWithoutAStoredProductTakesTheProductFiles()
    {
        AppDirFixture app;
        app.setKeys(app.configIni(), {{"Config/CurrentProductName", ""}});
        const CliRun run = cli(app, {QStringLiteral("profile"), QStringLiteral("add")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(QFileInfo::exists(libraryFile(app, QStringLiteral("Profile 1"))));
        QCOMPARE(app.value(app.configIni(), QStringLiteral("Config/CurrentProductName")).toString(), QStringLiteral("Glide X7"));
    }

    void refusalsChangeNothingAndSayWhy()
    {
        AppDirFixture app;
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("add")}).exitCode, 0);
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("add")}).exitCode, 0);
        QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("copy")}).exitCode, 0);
        const QString foreign = app.path(QStringLiteral("Foreign.prof"));
        app.setKeys(foreign, {{"MouseName/Name", "Another Mouse"}, {"PROFILE/pollrate", 8}});
        const QString twin = app.path(QStringLiteral("Profile 1.prof"));
        app.setKeys(twin, {{"MouseName/Name", "Glide X7"}});
        const auto before = app.snapshot();

        struct Case {
            QStringList arguments;
            int exitCode;
            const char *says;
        };
        const Case cases[] = {
            {{"profile", "rename", "Profile 2", "Mine"}, 65, "cannot be renamed or deleted"},
            {{"profile", "rename", "Profile 2 copy", "Profile 1"}, 65, "already exists"},
            {{"profile", "rename", "Profile 2 copy", "../up"}, 65, "cannot be a profile name"},
            {{"profile", "use", "a\x01b"}, 65, "cannot be a profile name"},
            {{"profile", "delete", "Profile 1"}, 65, "cannot be renamed or deleted"},
            {{"profile", "delete", "Nobody"}, 65, "no profile \"Nobody\""},
            {{"profile", "export", "Nobody", "x.prof"}, 65, "no profile \"Nobody\""},
            {{"profile", "import", foreign}, 65, "another product"},
            {{"profile", "import", twin}, 65, "already exists"},
            {{"profile", "use"}, 64, "takes one profile name"},
            {{"profile", "shuffle"}, 64, "no profile action"},
        };
        for (const Case &c : cases) {
            const CliRun run = cli(app, c.arguments);
            QVERIFY2(run.exitCode == c.exitCode, qPrintable(c.arguments.join(' ') + ": " + QString::number(run.exitCode)));
            QCOMPARE(run.errLines().size(), 1);
            QVERIFY2(run.err.contains(QLatin1String(c.says)), qPrintable(run.err));
        }
        QCOMPARE(app.snapshot(), before);
    }

    void resetAllRestoresTheDefaultSlotsAndSendsEverything()
    {
        AppDirFixture app;
        app.setKeys(app.configIni(), {{"Config/ProfileID", 1}, {"Config/Profile1", "Main"}, {"Config/Profile2", "Other"}});
        app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/pollrate", 8}});
        const CliRun run = emulated(app, {QStringLiteral("reset"), QStringLiteral("--all")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(sent(run, QStringLiteral("00 aa 55")));
        const QJsonObject report = profiles(app);
        QCOMPARE(report.value(QStringLiteral("activeSlot")).toInt(), 1);
        for (int slot = 1; slot <= 5; ++slot)
            QCOMPARE(slotName(report, slot), QStringLiteral("Profile %1").arg(slot));
    }
};

QTEST_GUILESS_MAIN(ProfileCliTest)
#include "profile_cli_test.moc"
