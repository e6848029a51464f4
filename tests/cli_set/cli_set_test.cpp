// zelmouse-cli set and get, run as a user runs them: every kind of setting stored, read back
// and seen by show --json; every refusal leaves the files as they were.
#include "../cli/cli_harness.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Slot 1 "Main" active and slot 2 "Second"; slots 3 to 5 have no file. Sensor 3389 (100 to
// 32000 DPI), six stages, seven buttons; button 1 is the only Left. One macro, "Burst".
void writeSettings(const AppDirFixture &app)
{
    app.setKeys(app.configIni(), {{"Config/ProfileID", 0},
                                  {"Config/Profile1", "Main"},
                                  {"Config/Profile2", "Second"},
                                  {"Config/LiftHigh", 1},
                                  {"Config/Jitter", 1},
                                  {"MACRO_LIST/0", "Burst"}});
    QMap<QString, QVariant> main{{"PROFILE/pollrate", 1},
                                 {"PROFILE/dpi", 0},
                                 {"PROFILE/scrollspeed", 3},
                                 {"PROFILE/LedMode", 1},
                                 {"PROFILE/LedSleepTime", 2},
                                 {"PROFILE/BUTTON_INFO_0_Fun", 1},
                                 {"PROFILE/BUTTON_INFO_1_Fun", 2},
                                 {"PROFILE/BUTTON_INFO_2_Fun", 3},
                                 {"PROFILE/BUTTON_INFO_40_Fun", 52},
                                 {"PROFILE/BUTTON_INFO_41_Fun", 53}};
    for (int i = 0; i < 14; ++i) {
        main.insert(QStringLiteral("PROFILE/LedMode/LED_MODE_%1_RGB").arg(i), QColor(255, 0, 0));
        main.insert(QStringLiteral("PROFILE/LedMode/LED_MODE_%1_bright").arg(i), 3);
        main.insert(QStringLiteral("PROFILE/LedMode/LED_MODE_%1_breath").arg(i), 3);
    }
    const int codes[] = {16, 24, 32, 48, 64, 96, 128, 160};
    for (int i = 0; i < 8; ++i) {
        for (const char *field : {"xy", "x", "y"})
            main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_%2").arg(i).arg(QLatin1String(field)), codes[i]);
        main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_used").arg(i), 1);
        main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_link").arg(i), 1);
    }
    app.setKeys(app.slotProfile(QStringLiteral("Main")), main);
    app.setKeys(app.slotProfile(QStringLiteral("Second")), {{"PROFILE/pollrate", 8}});
    app.setKeys(app.path(QStringLiteral("Configs/MacroDB/Burst.MSMACRO")),
                {{"Setting/Count", 2}, {"Setting/Map_0", 0x84}, {"Setting/DataL_0", 4}, {"Setting/Map_1", 0x04}, {"Setting/DataL_1", 4}});
}

CliRun cli(const AppDirFixture &app, const QStringList &arguments)
{
    return runCliProgram(app.withAppDir(arguments));
}

// "a/b/2/c": object keys and array indexes.
QJsonValue at(const QJsonObject &root, const QString &path)
{
    QJsonValue value(root);
    for (const QString &step : path.split(QLatin1Char('/'))) {
        bool index = false;
        const int i = step.toInt(&index);
        value = index ? value.toArray().at(i) : value.toObject().value(step);
    }
    return value;
}

QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

} // namespace

class CliSetTest : public QObject {
    Q_OBJECT
private slots:
    // One stored setup, every kind of setting in turn, each touching fields of its own: set,
    // get, set again with what get printed (nothing may change), and at the end each value as
    // show --json or the profile file has it. Words are separated by '|' so a word may hold
    // spaces; `where` is "json:PATH" or "main:KEY" / "second:KEY" (the slots' files).
    void everyKindOfSettingRoundTrips()
    {
        struct Row {
            const char *set;
            const char *get;
            const char *got;
            const char *where;
            QVariant stored;
        };
        const Row rows[] = {
            {"dpi|2|1600", "dpi|2", "1600 on link", "json:activeProfile/dpi/stages/1/code/y", 32},
            {"dpi|3|unlink|800,1200", "dpi|3", "800,1200 on unlink", "json:activeProfile/dpi/stages/2/dpi/y", 1200},
            {"dpi|4|off", "dpi|4", "2400 off link", "json:activeProfile/dpi/stages/3/enabled", false},
            {"stage|3", "stage", "3", "json:activeProfile/dpi/activeStage", 3},
            {"rate|250", "rate", "250", "json:activeProfile/reportRate/code", 4},
            {"lift|2", "lift", "2", "json:deviceOptions/liftOff", 2},
            {"sync|on", "sync", "on", "json:deviceOptions/motionSync", 1},
            {"angle-snapping|off", "angle-snapping", "off", "json:deviceOptions/angleSnapping", 1}, // stored inverted
            {"jitter|on", "jitter", "on", "json:deviceOptions/jitter", 0},                           // stored inverted
            {"debounce|12", "debounce", "12", "json:deviceOptions/debounce", 12},
            {"scroll|7", "scroll", "7", "main:PROFILE/scrollspeed", 7},
            {"led|10|brightness|1", "led", "REACTIVE color ff0000 brightness 1 speed 3", "json:activeProfile/lighting/effects/10/brightness", 1},
            {"led|breathing|color|00ff00|speed|2", "led", "BREATHING color 00ff00 speed 2", "json:activeProfile/lighting/effects/3/color", "#00ff00"},
            {"led|sleep|4", "led|sleep", "4", "json:activeProfile/lighting/sleepTime", 4},
            {"led|move-off|on", "led|move-off", "on", "main:PROFILE/LedMoveOFF", 0},
            {"button|3|dpi|+", "button|3", "DPI +", "json:activeProfile/buttons/2/code", 48},
            {"button|4|key|Page Up", "button|4", "key Page Up", "json:activeProfile/buttons/3/key", "Page Up"},
            {"button|5|combo|c+RCtr+RShift", "button|5", "combo LShift+LCtr+C", "main:PROFILE/BUTTON_INFO_4_KeyInfo_1_map", 0xE0},
            {"button|6|fire|Num +|2|10", "button|6", "fire Num + 2 10", "main:PROFILE/BUTTON_INFO_5_Res1", 0x57},
            {"button|7|sniper|8", "button|7", "sniper 8", "json:activeProfile/buttons/6/sniper", 8},
            {"button|2|macro|Burst|while-held", "button|2", "macro Burst while-held", "main:PROFILE/BUTTON_INFO_1_KeyNumber", 2},
            {"button|wheel-down|Volume Up", "button|wheel-down", "Volume Up", "main:PROFILE/BUTTON_INFO_41_Fun", 43},
            {"--slot|2|rate|500", "--slot|2|rate", "500", "second:PROFILE/pollrate", 2},
        };
        AppDirFixture app;
        writeSettings(app);
        for (const Row &row : rows) {
            const QStringList set = QStringList{QStringLiteral("set")} + words(row.set);
            const CliRun setRun = cli(app, set);
            QVERIFY2(setRun.exitCode == 0 && setRun.out.endsWith(QLatin1String("Stored; the next apply sends it to the mouse.\n")),
                     qPrintable(set.join(QLatin1Char(' ')) + QLatin1String(": ") + setRun.err));
            const QStringList get = QStringList{QStringLiteral("get")} + words(row.get);
            const CliRun getRun = cli(app, get);
            QVERIFY2(getRun.exitCode == 0, qPrintable(getRun.err));
            QCOMPARE(getRun.out, QString::fromUtf8(row.got) + QLatin1Char('\n'));

            const auto before = app.snapshot();
            const QStringList again = QStringList{QStringLiteral("set")} + words(row.get) + QString::fromUtf8(row.got).split(QLatin1Char(' '));
            const CliRun setAgain = cli(app, again);
            QVERIFY2(setAgain.exitCode == 0, qPrintable(again.join(QLatin1Char(' ')) + QLatin1String(": ") + setAgain.err));
            QVERIFY2(app.snapshot() == before, qPrintable(again.join(QLatin1Char(' '))));
        }

        const CliRun show = cli(app, {QStringLiteral("show"), QStringLiteral("--json")});
        QCOMPARE(show.exitCode, 0);
        const QJsonObject report = QJsonDocument::fromJson(show.out.toUtf8()).object();
        for (const Row &row : rows) {
            const QString where = QString::fromUtf8(row.where);
            const QString place = where.section(QLatin1Char(':'), 0, 0);
            const QString key = where.section(QLatin1Char(':'), 1);
            if (place == QLatin1String("json")) {
                QVERIFY2(at(report, key).toVariant() == row.stored, qPrintable(where));
            } else {
                const QString file = app.slotProfile(place == QLatin1String("main") ? QStringLiteral("Main") : QStringLiteral("Second"));
                QVERIFY2(app.value(file, key).toInt() == row.stored.toInt(), qPrintable(where));
            }
        }
        // The other slot's setting stayed there.
        QCOMPARE(at(report, QStringLiteral("activeProfile/reportRate/hz")).toInt(), 250);
    }

    void aDpiBetweenCodesTakesTheNearestAndSaysSo()
    {
        AppDirFixture app;
        writeSettings(app);
        const CliRun run = cli(app, {QStringLiteral("set"), QStringLiteral("dpi"), QStringLiteral("2"), QStringLiteral("1620")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QLatin1String("1620 DPI became 1600 DPI, the nearest value the sensor takes.\n")), qPrintable(run.out));
        QCOMPARE(cli(app, {QStringLiteral("get"), QStringLiteral("dpi"), QStringLiteral("2")}).out, QStringLiteral("1600 on link\n"));
    }

    void refusalsChangeNoFile_data()
    {
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *set, int code, const char *message) {
            QTest::newRow(name) << words(set) << code << QString::fromUtf8(message);
        };
        row("dpi above the range", "dpi|2|40000", 65, "40000 DPI is out of range; this sensor takes 100 to 32000 DPI.");
        row("dpi x and y on a linked stage", "dpi|2|800,1600", 65, "unlink it");
        row("stage beyond the count", "dpi|7|800", 65, "There is no stage 7; this mouse has stages 1 to 6.");
        row("unknown key", "button|3|key|Hyper", 65, "There is no key named 'Hyper'.");
        row("mouse button as a key", "button|3|key|Left Button", 65, "Left Button is a mouse button, not a keyboard key.");
        row("unknown function", "button|3|Teleport", 65, "There is no button function 'Teleport'.");
        row("the last Left", "button|1|Middle", 65, "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
        row("missing macro", "button|2|macro|Missing", 65, "There is no macro named 'Missing'.");
        row("gun on the first button", "button|1|gun|Burst", 65, "Left Button Can not be Gun Function.");
        row("wheel-only function on a button", "button|3|Scroll Up", 65, "\"Scroll Up\" is offered for the wheel only.");
        row("fire on the wheel", "button|wheel-up|fire|left|1|1", 65, "The wheel offers no fire function.");
        row("two plain keys in a combo", "button|4|combo|A+B", 65, "A combo holds one key besides Shift, Ctrl, Win and Alt");
        row("sniper out of the sensor's steps", "button|6|sniper|30", 65, "it must be 2 to 20.");
        row("rate not offered", "rate|300", 65, "must be 125, 250, 500 or 1000.");
        row("colour on an effect without one", "led|RAINBOW|color|ff0000", 65, "The effect \"RAINBOW\" has no colour to set.");
        row("sleep out of range", "led|sleep|10", 65, "it must be 1 to 9.");
        row("slot without a file", "--slot|4|rate|500", 74, "Profile slot 4 has no profile file");
        row("slot for a setting of the mouse", "--slot|2|lift|1", 64, "leave out --slot");
        row("unknown setting", "bogus|1", 64, "There is no setting 'bogus'.");
    }

    void refusalsChangeNoFile()
    {
        QFETCH(QStringList, set);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        AppDirFixture app;
        writeSettings(app);
        const auto before = app.snapshot();
        const CliRun run = cli(app, QStringList{QStringLiteral("set")} + set);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith(QLatin1String("zelmouse-cli: ")) && run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.errLines().size(), 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(app.snapshot(), before);
    }

    void keyNamesFollowTheWindowsLanguage()
    {
        AppDirFixture app;
        writeSettings(app);
        const QStringList setA{QStringLiteral("set"), QStringLiteral("button"), QStringLiteral("3"), QStringLiteral("key"), QStringLiteral("a")};
        QCOMPARE(cli(app, setA).exitCode, 0);
        QCOMPARE(app.value(app.slotProfile(QStringLiteral("Main")), QStringLiteral("PROFILE/BUTTON_INFO_2_Res1")).toInt(), 0x1E);

        // The product's French language is the second one: on an AZERTY keyboard "a" is where
        // a QWERTY keyboard has Q.
        app.setKeys(app.path(QStringLiteral("Configs/LangConfig.ini")), {{"Config/LangID", 1}});
        QCOMPARE(cli(app, setA).exitCode, 0);
        QCOMPARE(app.value(app.slotProfile(QStringLiteral("Main")), QStringLiteral("PROFILE/BUTTON_INFO_2_Res1")).toInt(), 0x10);
        QCOMPARE(cli(app, {QStringLiteral("get"), QStringLiteral("button"), QStringLiteral("3")}).out, QStringLiteral("key a\n"));
        QCOMPARE(cli(app, {QStringLiteral("set"), QStringLiteral("button"), QStringLiteral("3"), QStringLiteral("combo"), QStringLiteral("LCtrl+Echap")}).exitCode, 0);
        QCOMPARE(cli(app, {QStringLiteral("get"), QStringLiteral("button"), QStringLiteral("3")}).out, QStringLiteral("combo LCtrl+Echap\n"));
    }
};

QTEST_GUILESS_MAIN(CliSetTest)
#include "cli_set_test.moc"
