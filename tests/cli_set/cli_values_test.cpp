// Values and names from outside, through zelmouse-cli as a user runs it: hostile `set` values
// for every setting, stored values outside what `set` takes, and names holding '%'.
#include "../cli/cli_harness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr char kMain[] = "Main";

// Slot 1 "Main" active, sensor 3389 (codes 2..480, 100 to 32000 DPI, separate X and Y), six
// stages; one macro "Burst".
void writeSettings(const AppDirFixture &app)
{
    app.setKeys(app.configIni(), {{"Config/ProfileID", 0}, {"Config/Profile1", kMain}, {"MACRO_LIST/0", "Burst"}});
    QMap<QString, QVariant> main{{"PROFILE/pollrate", 1}, {"PROFILE/dpi", 0},
                                 {"PROFILE/scrollspeed", 3}, {"PROFILE/LedMode", 2},
                                 {"PROFILE/BUTTON_INFO_0_Fun", 1}, {"PROFILE/BUTTON_INFO_1_Fun", 2},
                                 {"PROFILE/BUTTON_INFO_2_Fun", 3}};
    for (int i = 0; i < 8; ++i) {
        for (const char *field : {"xy", "x", "y"})
            main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_%2").arg(QString::number(i), QLatin1String(field)), 16 * (i + 1));
        main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_used").arg(i), 1);
        main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_link").arg(i), 1);
    }
    for (int i = 0; i < 14; ++i) {
        main.insert(QStringLiteral("PROFILE/LedMode/LED_MODE_%1_bright").arg(i), 3);
        main.insert(QStringLiteral("PROFILE/LedMode/LED_MODE_%1_breath").arg(i), 3);
    }
    app.setKeys(app.slotProfile(QLatin1String(kMain)), main);
    app.setKeys(app.path(QStringLiteral("Configs/MacroDB/Burst.MSMACRO")),
                {{"Setting/Count", 2}, {"Setting/Map_0", 0x84}, {"Setting/DataL_0", 4}, {"Setting/Map_1", 0x04}, {"Setting/DataL_1", 4}});
}

CliRun cli(const AppDirFixture &app, const QStringList &arguments)
{
    return runCliProgram(app.withAppDir(arguments));
}

QJsonObject showJson(const AppDirFixture &app)
{
    const CliRun run = cli(app, {QStringLiteral("show"), QStringLiteral("--json")});
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// A ".prof" of this product: the active profile's file, tagged as an export tags it.
QString exportedProfile(const AppDirFixture &app, const QString &fileName)
{
    const QString file = app.path(fileName);
    QFile::copy(app.slotProfile(QLatin1String(kMain)), file);
    app.setKeys(file, {{"MouseName/Name", app.value(app.configIni(), QStringLiteral("Config/CurrentProductName"))}});
    return file;
}

} // namespace

class CliValuesTest : public QObject {
    Q_OBJECT
private slots:
    // Every setting with each hostile value where its value goes ('@'): refused with a usage
    // or value status, one short sentence on standard error without control characters, and
    // no file changed.
    void hostileSetValuesAreRefused_data()
    {
        QTest::addColumn<QStringList>("set");
        const QStringList settings = {
            "dpi|2|@", "dpi|@|800", "stage|@", "rate|@", "lift|@", "sync|@", "angle-snapping|@", "debounce|@",
            "scroll|@", "led|@", "led|7 COLOR|speed|@", "led|sleep|@", "led|move-off|@", "button|3|@",
            "button|3|key|@", "button|3|fire|left|@|10", "button|3|sniper|@", "button|3|macro|Burst|times|@",
            "apply-on-arrival|@",
        };
        const QList<QPair<const char *, QString>> values = {
            {"huge", QStringLiteral("99999999999999999999")},
            {"negative", QStringLiteral("-5")},
            {"non-ASCII and shell", QStringLiteral("\uff18\u00e9$(touch x);`id`|&>y\u202e")},
            {"long", QString(10000, QLatin1Char('9'))},
        };
        for (const QString &setting : settings) {
            for (const auto &value : values) {
                QStringList words = setting.split(QLatin1Char('|'));
                words.replaceInStrings(QStringLiteral("@"), value.second);
                QTest::addRow("%s, %s", qPrintable(setting), value.first) << words;
            }
        }
    }

    void hostileSetValuesAreRefused()
    {
        QFETCH(QStringList, set);
        static AppDirFixture app;
        static const bool written = (writeSettings(app), true);
        Q_UNUSED(written);
        const auto before = app.snapshot();
        const CliRun run = cli(app, QStringList{QStringLiteral("set")} + set);
        QVERIFY2(run.exitCode == 64 || run.exitCode == 65, qPrintable(QString::number(run.exitCode) + run.err.left(200)));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.errLines().size(), 1);
        QVERIFY2(run.err.startsWith(QLatin1String("zelmouse-cli: ")) && run.err.size() < 300, qPrintable(run.err.left(400)));
        for (const QChar c : run.err.chopped(1))
            QVERIFY2(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format, qPrintable(run.err));
        QCOMPARE(app.snapshot(), before);
    }

    // Words a stage, an effect or the tool takes once, or one of two.
    void repeatedOrContradictoryWordsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("slot twice") << QStringList{"set", "--slot", "1", "--slot", "2", "rate", "500"} << "--slot is given more than once.";
        QTest::newRow("apply twice") << QStringList{"set", "--apply", "--apply", "rate", "500"} << "--apply is given more than once.";
        QTest::newRow("on and off") << QStringList{"set", "dpi", "1", "800", "off", "on"} << "A stage is either on or off, not both.";
        QTest::newRow("link twice") << QStringList{"set", "dpi", "1", "link", "link"} << "'link' is given twice.";
        QTest::newRow("speed twice") << QStringList{"set", "led", "2", "speed", "1", "speed", "2"} << "'speed' is given twice.";
        QTest::newRow("app-dir twice") << QStringList{"--app-dir", "/", "get", "rate"} << "--app-dir is given more than once.";
        QTest::newRow("negative effect") << QStringList{"set", "led", "-5"} << "There is no lighting effect '-5'.";
        QTest::newRow("blank before a number") << QStringList{"set", "scroll", " 5"} << "must be a number, not ' 5'.";
    }

    void repeatedOrContradictoryWordsAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        AppDirFixture app;
        writeSettings(app);
        const auto before = app.snapshot();
        const CliRun run = cli(app, arguments);
        QVERIFY2(run.exitCode == 64 || run.exitCode == 65, qPrintable(run.err));
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(app.snapshot(), before);
    }

    // An import refuses a value `set` would refuse and names it; a value already stored so is
    // read as the nearest one `set` takes, by get, show and set alike.
    void valuesOutsideTheRangesAreRefusedOnImportAndReadAsTheNearest()
    {
        AppDirFixture app;
        writeSettings(app);
        app.setKeys(app.slotProfile(QLatin1String(kMain)), {{"PROFILE/DPI_INFO_1_x", -1}});
        const QString file = exportedProfile(app, QStringLiteral("Hostile.prof"));
        const auto before = app.snapshot();
        CliRun run = cli(app, {QStringLiteral("profile"), QStringLiteral("import"), file});
        QCOMPARE(run.exitCode, 65);
        QVERIFY2(run.err.contains(QLatin1String("PROFILE/DPI_INFO_1_x=-1, outside 2 to 480")), qPrintable(run.err));
        QCOMPARE(app.snapshot(), before);

        const QString conf = app.path(QStringLiteral("all.conf"));
        QCOMPARE(cli(app, {QStringLiteral("export"), conf}).exitCode, 0);
        app.setKeys(conf, {{"PROFILE_3/LedMode/LED_MODE_4_bright", 4294967296LL}});
        run = cli(app, {QStringLiteral("import"), conf});
        QCOMPARE(run.exitCode, 65);
        QVERIFY2(run.err.contains(QLatin1String("PROFILE_3/LedMode/LED_MODE_4_bright=4294967296, outside 1 to 3")), qPrintable(run.err));
        QCOMPARE(app.snapshot(), before);

        // Stored already: X at the lowest code, and as Y differs, the stage reads unlinked.
        run = cli(app, {QStringLiteral("get"), QStringLiteral("dpi"), QStringLiteral("2")});
        QCOMPARE(run.out, QStringLiteral("100,1600 on unlink\n"));
        QCOMPARE(cli(app, QStringList{QStringLiteral("set"), QStringLiteral("dpi"), QStringLiteral("2")}
                              + run.out.trimmed().split(QLatin1Char(' '))).exitCode, 0);
        QCOMPARE(app.value(app.slotProfile(QLatin1String(kMain)), QStringLiteral("PROFILE/DPI_INFO_1_x")).toInt(), 2);

        app.setKeys(app.slotProfile(QLatin1String(kMain)), {{"PROFILE/DPI_INFO_0_x", -1}, {"PROFILE/DPI_INFO_0_y", 1000000},
                                                           {"PROFILE/LedMode/LED_MODE_2_bright", 4294967295LL},
                                                           {"PROFILE/BUTTON_INFO_3_Fun", 200},
                                                           {"PROFILE/BUTTON_INFO_3_macroname", "Burst"},
                                                           {"PROFILE/BUTTON_INFO_3_LoopNumber", 0}});
        const QJsonObject profile = showJson(app).value(QStringLiteral("activeProfile")).toObject();
        const QJsonObject stage1 = profile.value(QStringLiteral("dpi")).toObject().value(QStringLiteral("stages")).toArray().at(0).toObject();
        QCOMPARE(stage1.value(QStringLiteral("dpi")).toObject().value(QStringLiteral("x")).toInt(), 100);
        QCOMPARE(stage1.value(QStringLiteral("dpi")).toObject().value(QStringLiteral("y")).toInt(), 32000);
        QCOMPARE(profile.value(QStringLiteral("dpi")).toObject().value(QStringLiteral("stageCount")).toInt(),
                 profile.value(QStringLiteral("dpi")).toObject().value(QStringLiteral("stages")).toArray().size());
        const QJsonObject lighting = profile.value(QStringLiteral("lighting")).toObject();
        QCOMPARE(lighting.value(QStringLiteral("effects")).toArray().at(2).toObject().value(QStringLiteral("brightness")).toInt(), 3);
        QCOMPARE(cli(app, {QStringLiteral("get"), QStringLiteral("button"), QStringLiteral("4")}).out, QStringLiteral("macro Burst times 1\n"));
        QCOMPARE(cli(app, {QStringLiteral("set"), QStringLiteral("button"), QStringLiteral("4"), QStringLiteral("macro"),
                           QStringLiteral("Burst"), QStringLiteral("times"), QStringLiteral("1")}).exitCode, 0);
    }

    // A name is shown as typed wherever it is repeated: '%1' is no placeholder.
    void namesWithPercentSignsAreShownAsTyped()
    {
        AppDirFixture app;
        writeSettings(app);
        CliRun run = cli(app, {QStringLiteral("macro"), QStringLiteral("gun"), QStringLiteral("%1")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QLatin1String("Created gun file \"%1\" with ")), qPrintable(run.out));
        QVERIFY2(cli(app, {QStringLiteral("macros")}).out.contains(QRegularExpression(QStringLiteral("^%1 +\\d+ events$"),
                                                                                      QRegularExpression::MultilineOption)),
                 "the macro list names \"%1\"");
        QVERIFY(cli(app, {QStringLiteral("macro"), QStringLiteral("show"), QStringLiteral("%1")}).out.startsWith(QLatin1String("Macro \"%1\": ")));

        const QString file = exportedProfile(app, QStringLiteral("%41%2F.prof"));
        run = cli(app, {QStringLiteral("--emulate"), QStringLiteral("profile"), QStringLiteral("import"), file});
        QVERIFY2(run.out.startsWith(QLatin1String("Imported profile \"%41%2F\" into slot 1")), qPrintable(run.out + run.err));
        QVERIFY(cli(app, {QStringLiteral("profiles")}).out.contains(QLatin1String("  %41%2F  (slot 1)\n")));
        run = cli(app, {QStringLiteral("profile"), QStringLiteral("copy")});
        QVERIFY2(run.out.startsWith(QLatin1String("Copied profile \"%41%2F\" to \"%41%2F copy\", now in slot 1.")), qPrintable(run.out + run.err));
    }

    // A profile or macro name that a default profile name has in other letter case, or
    // "DefaultProfile" in any case, is refused for both.
    void oneNameCheckForMacrosAndProfiles()
    {
        AppDirFixture app;
        writeSettings(app);
        const auto before = app.snapshot();
        for (const char *name : {"DefaultProfile", "defaultprofile", "profile 1", "PROFILE 5"}) {
            QCOMPARE(cli(app, {QStringLiteral("macro"), QStringLiteral("gun"), QLatin1String(name)}).exitCode, 65);
            QCOMPARE(cli(app, {QStringLiteral("profile"), QStringLiteral("rename"), QLatin1String(kMain), QLatin1String(name)}).exitCode, 65);
        }
        QCOMPARE(app.snapshot(), before);
    }
};

QTEST_GUILESS_MAIN(CliValuesTest)
#include "cli_values_test.moc"
