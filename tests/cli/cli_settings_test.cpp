// zelmouse-cli end to end, the commands that work on the settings files: help and usage
// errors, show, export, and the refusals of import.
#include "cli_harness.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliSettingsTest : public QObject {
    Q_OBJECT

    // Slot 2 ("Alpha") active, with one button of each kind the report explains.
    static void writeRichSettings(const AppDirFixture &app)
    {
        app.setKeys(app.configIni(), {
                                         {"Config/ProfileID", 1},
                                         {"Config/Profile1", "Base"},
                                         {"Config/Profile2", "Alpha"},
                                         {"Config/LiftHigh", 2},
                                         {"Config/AngleValue", 1},
                                         {"Config/Debounce", 7},
                                         {"MACRO_LIST/0", "Burst"},
                                         {"MACRO_LIST/1", ""},
                                         {"MACRO_LIST/2", "Spray"},
                                     });
        app.setKeys(app.slotProfile(QStringLiteral("Base")), {{"PROFILE/pollrate", 1}});
        QMap<QString, QVariant> alpha{
            {"PROFILE/pollrate", 2},
            {"PROFILE/dpi", 2},
            {"PROFILE/DPI_INFO_0_used", 1},
            {"PROFILE/DPI_INFO_0_link", 1},
            {"PROFILE/DPI_INFO_0_xy", 16},
            {"PROFILE/DPI_INFO_0_x", 16},
            {"PROFILE/DPI_INFO_0_y", 16},
            {"PROFILE/DPI_INFO_3_used", 1},
            {"PROFILE/DPI_INFO_3_x", 400},
            {"PROFILE/DPI_INFO_3_y", 40},
            {"PROFILE/BUTTON_INFO_0_Fun", 1},
            {"PROFILE/BUTTON_INFO_1_Fun", 200},
            {"PROFILE/BUTTON_INFO_1_macroname", "Burst"},
            {"PROFILE/BUTTON_INFO_1_LoopNumber", 3},
            {"PROFILE/BUTTON_INFO_2_Fun", 6},
            {"PROFILE/BUTTON_INFO_2_Res1", 0x1E},
            {"PROFILE/BUTTON_INFO_3_Fun", 7},
            {"PROFILE/BUTTON_INFO_4_Fun", 12},
            {"PROFILE/BUTTON_INFO_4_Res1", 0x82},
            {"PROFILE/BUTTON_INFO_4_LoopNumber", 5},
            {"PROFILE/BUTTON_INFO_4_KeyNumber", 30},
            {"PROFILE/BUTTON_INFO_5_Fun", 99},
            {"PROFILE/BUTTON_INFO_6_Fun", 55},
            {"PROFILE/BUTTON_INFO_6_Res1", 4},
            {"PROFILE/BUTTON_INFO_40_Fun", 52},
            {"PROFILE/BUTTON_INFO_41_Fun", 53},
            {"PROFILE/LedMode", 3},
            {"PROFILE/LedMode/LED_MODE_3_RGB", QColor(0, 128, 255)},
            {"PROFILE/LedMode/LED_MODE_3_bright", 2},
            {"PROFILE/LedMode/LED_MODE_3_breath", 4},
            {"PROFILE/LedSleepTime", 5},
            {"PROFILE/LedMoveOFF", 0},
        };
        // Ctrl + C as the button page stores it: presses, then releases in reverse.
        const int events[4][3] = {{0xE0, 5, 0x80}, {0x06, 5, 0x80}, {0x06, 5, 0x00}, {0xE0, 5, 0x00}};
        for (int i = 0; i < 4; ++i) {
            alpha.insert(QStringLiteral("PROFILE/BUTTON_INFO_3_KeyInfo_%1_map").arg(i), events[i][0]);
            alpha.insert(QStringLiteral("PROFILE/BUTTON_INFO_3_KeyInfo_%1_").arg(i), events[i][1]);
            alpha.insert(QStringLiteral("PROFILE/BUTTON_INFO_3_KeyInfo_%1_H").arg(i), events[i][2]);
        }
        app.setKeys(app.slotProfile(QStringLiteral("Alpha")), alpha);
    }

    static void expectUsageError(const CliRun &run)
    {
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 64);
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        QCOMPARE(run.errLines().size(), 1);
        QVERIFY2(run.err.startsWith(QLatin1String("zelmouse-cli: ")), qPrintable(run.err));
    }

private slots:
    void helpOfToolAndEveryCommand()
    {
        const CliRun tool = runCliProgram({QStringLiteral("--help")});
        QCOMPARE(tool.exitCode, 0);
        QVERIFY(tool.err.isEmpty());
        const QStringList commands{"devices", "status", "show", "apply", "select-profile", "export", "import"};
        for (const QString &command : commands) {
            QVERIFY2(tool.out.contains(QLatin1String("  ") + command), qPrintable(command));
            const CliRun own = runCliProgram({command, QStringLiteral("--help")});
            QCOMPARE(own.exitCode, 0);
            QVERIFY2(own.out.startsWith(QStringLiteral("Usage: zelmouse-cli [OPTIONS] ") + command), qPrintable(own.out));
            QVERIFY(own.err.isEmpty());
            // "help COMMAND" says the same.
            QCOMPARE(runCliProgram({QStringLiteral("help"), command}).out, own.out);
        }
        const CliRun version = runCliProgram({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^zelmouse-cli \\d+\\.\\d+\\.\\d+\\n$")).match(version.out).hasMatch(),
                 qPrintable(version.out));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("unknown option") << QStringList{"--frob", "show"};
        QTest::newRow("option of another command") << QStringList{"status", "--json"};
        QTest::newRow("profile 0") << QStringList{"select-profile", "0"};
        QTest::newRow("profile 6") << QStringList{"select-profile", "6"};
        QTest::newRow("profile word") << QStringList{"select-profile", "two"};
        QTest::newRow("profile missing") << QStringList{"select-profile"};
        QTest::newRow("export without file") << QStringList{"export"};
        QTest::newRow("import two files") << QStringList{"import", "a.conf", "b.conf"};
        QTest::newRow("extra argument") << QStringList{"show", "everything"};
        QTest::newRow("bad connection") << QStringList{"--emulate=usb", "devices"};
        QTest::newRow("app-dir without value") << QStringList{"--app-dir"};
        QTest::newRow("app-dir missing") << QStringList{"--app-dir", "/nonexistent/zelmouse", "show"};
        QTest::newRow("help of nothing") << QStringList{"help", "frobnicate"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        expectUsageError(runCliProgram(arguments));
    }

    void showReportsEveryKindOfSetting()
    {
        AppDirFixture app;
        writeRichSettings(app);
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("show"), QStringLiteral("--json")}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QJsonParseError error{};
        const QJsonObject report = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);

        QCOMPARE(report.value("product").toString(), QStringLiteral("Glide X7"));
        QCOMPARE(report.value("sensor").toInt(), 3389);
        QCOMPARE(report.value("activeSlot").toInt(), 2);
        QCOMPARE(report.value("deviceOptions").toObject().value("liftOff").toInt(), 2);
        QCOMPARE(report.value("deviceOptions").toObject().value("debounce").toInt(), 7);
        const QJsonArray slotList = report.value("slots").toArray();
        QCOMPARE(slotList.size(), 5);
        QCOMPARE(slotList.at(0).toObject().value("name").toString(), QStringLiteral("Base"));
        QCOMPARE(slotList.at(1).toObject().value("name").toString(), QStringLiteral("Alpha"));
        QVERIFY(slotList.at(1).toObject().value("active").toBool());
        QVERIFY(!slotList.at(0).toObject().value("active").toBool());

        const QJsonObject profile = report.value("activeProfile").toObject();
        QCOMPARE(profile.value("name").toString(), QStringLiteral("Alpha"));
        QCOMPARE(profile.value("reportRate").toObject().value("hz").toInt(), 500);
        const QJsonObject dpi = profile.value("dpi").toObject();
        QCOMPARE(dpi.value("activeStage").toInt(), 3);
        const QJsonArray stages = dpi.value("stages").toArray();
        QCOMPARE(stages.size(), 6); // the product's stages only
        QCOMPARE(stages.at(0).toObject().value("dpi").toObject().value("x").toInt(), 800);
        QVERIFY(stages.at(0).toObject().value("enabled").toBool());
        QCOMPARE(stages.at(3).toObject().value("dpi").toObject().value("x").toInt(), 24000);
        QCOMPARE(stages.at(3).toObject().value("dpi").toObject().value("y").toInt(), 2000);
        QCOMPARE(stages.at(3).toObject().value("code").toObject().value("x").toInt(), 400);
        QVERIFY(!stages.at(3).toObject().value("linked").toBool());

        const QJsonObject lighting = profile.value("lighting").toObject();
        QCOMPARE(lighting.value("effect").toInt(), 3);
        QCOMPARE(lighting.value("sleepTime").toInt(), 5);
        QVERIFY(lighting.value("lightOffWhileMoving").toBool());
        const QJsonObject effect = lighting.value("effects").toArray().at(3).toObject();
        QCOMPARE(effect.value("color").toString(), QStringLiteral("#0080ff"));
        QCOMPARE(effect.value("brightness").toInt(), 2);
        QCOMPARE(effect.value("speed").toInt(), 4);

        // The product has seven buttons, then the wheel.
        const QJsonArray buttons = profile.value("buttons").toArray();
        QCOMPARE(buttons.size(), 9);
        const auto button = [&](int i) { return buttons.at(i).toObject(); };
        QCOMPARE(button(0).value("function").toString(), QStringLiteral("Left"));
        QCOMPARE(button(1).value("function").toString(), QStringLiteral("Burst"));
        QCOMPARE(button(1).value("loops").toInt(), 3);
        QCOMPARE(button(1).value("loopMode").toString(), QStringLiteral("times"));
        QCOMPARE(button(2).value("function").toString(), QStringLiteral("SINGLE KEY"));
        QCOMPARE(button(2).value("key").toString(), QStringLiteral("A"));
        QCOMPARE(button(3).value("keys").toArray(), QJsonArray({"LCtr", "C"}));
        QCOMPARE(button(4).value("fire").toString(), QStringLiteral("Right Button"));
        QCOMPARE(button(4).value("times").toInt(), 5);
        QCOMPARE(button(4).value("delay").toInt(), 30);
        QCOMPARE(button(5).value("code").toInt(), 99);
        QCOMPARE(button(5).value("function").toString(), QString());
        QCOMPARE(button(6).value("function").toString(), QStringLiteral("SNIPER"));
        QCOMPARE(button(6).value("sniper").toInt(), 4);
        QCOMPARE(button(7).value("button").toString(), QStringLiteral("wheel up"));
        QCOMPARE(button(7).value("index").toInt(), 40);
        QCOMPARE(button(7).value("function").toString(), QStringLiteral("Scroll Up"));
        QCOMPARE(button(8).value("function").toString(), QStringLiteral("Scroll Down"));
        QCOMPARE(report.value("macros").toArray(), QJsonArray({"Burst", "Spray"}));

        // The text form says the same things.
        const CliRun text = runCliProgram(app.withAppDir({QStringLiteral("show")}));
        QCOMPARE(text.exitCode, 0);
        for (const char *expected : {"Report rate: 500 Hz", " * 2  Alpha", "Burst (macro, 3 times)", "SINGLE KEY (A)",
                                     "COMBO KEY (LCtr + C)", "FIRE KEY (Right Button, 5 times, delay 30)",
                                     "24000 x 2000 DPI", "colour #0080ff", "Scroll Down [code 53]", "  Spray"}) {
            QVERIFY2(text.out.contains(QLatin1String(expected)), expected);
        }
        // Showing changes no file.
        const auto before = app.snapshot();
        runCliProgram(app.withAppDir({QStringLiteral("show")}));
        QCOMPARE(app.snapshot(), before);
    }

    void showCopesWithoutAnySettings()
    {
        // An application directory with nothing in it: defaults, never a crash.
        QTemporaryDir empty;
        const CliRun run = runCliProgram({QStringLiteral("--app-dir"), empty.path(), QStringLiteral("show"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject report = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(report.value("product").toString(), QString());
        // Slots without a profile file report the factory values they would be sent with.
        QCOMPARE(report.value("activeProfile").toObject().value("reportRate").toObject().value("hz").toInt(), 1000);
        // Without a product file only the wheel is listed.
        QCOMPARE(report.value("activeProfile").toObject().value("buttons").toArray().size(), 2);
    }

    void exportWritesAllSettingsTagged()
    {
        AppDirFixture app;
        writeRichSettings(app);
        const QString file = app.path(QStringLiteral("out.conf"));
        // An older file's keys must not survive in the new export.
        app.setKeys(file, {{"Leftover/Key", 1}});
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("export"), QStringLiteral("--force"), file}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(app.value(file, "MouseName/Name").toString(), QStringLiteral("Glide X7"));
        QCOMPARE(app.value(file, "Config/ProfileID").toInt(), 1);
        QCOMPARE(app.value(file, "Config/LiftHigh").toInt(), 2);
        QCOMPARE(app.value(file, "PROFILE_1/pollrate").toInt(), 2);
        QCOMPARE(app.value(file, "PROFILE_0/pollrate").toInt(), 1);
        QCOMPARE(app.value(file, "PROFILE_1/BUTTON_INFO_1_macroname").toString(), QStringLiteral("Burst"));
        QCOMPARE(app.value(file, "PROFILE_1/LedMode/LED_MODE_3_RGB").value<QColor>(), QColor(0, 128, 255));
        QVERIFY(!app.value(file, "PROFILE_1/LedMoveOFF").isValid());
        QVERIFY(!app.value(file, "Leftover/Key").isValid());
        QVERIFY(!app.value(file, "Config/Profile2").isValid());
        // Only the export itself is new in its folder.
        QCOMPARE(QDir(app.root()).entryList({QStringLiteral("out.conf*")}, QDir::Files), QStringList{"out.conf"});
    }

    void exportToAFolderThatCannotHoldIt()
    {
        AppDirFixture app;
        const auto before = app.snapshot();
        const CliRun missing = runCliProgram(app.withAppDir({QStringLiteral("export"), app.path(QStringLiteral("no/such/folder/x.conf"))}));
        QCOMPARE(missing.exitCode, 65);
        QCOMPARE(missing.errLines().size(), 1);
        const CliRun folder = runCliProgram(app.withAppDir({QStringLiteral("export"), app.path(QStringLiteral("Configs"))}));
        QCOMPARE(folder.exitCode, 65);
        QCOMPARE(folder.errLines().size(), 1);
        QCOMPARE(app.snapshot(), before);
    }

    void importRefusesUnusableFiles_data()
    {
        QTest::addColumn<QString>("product");      // "MouseName/Name", or "<none>"
        QTest::addColumn<QString>("slotName");     // "Config/Profile1"
        QTest::addColumn<QString>("kind");         // file, missing, folder
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("other product") << "Other Mouse" << "" << "file" << "\"Other Mouse\"";
        QTest::newRow("no product") << "<none>" << "" << "file" << "names no product";
        QTest::newRow("missing file") << "Glide X7" << "" << "missing" << "does not exist";
        QTest::newRow("folder") << "Glide X7" << "" << "folder" << "not a regular file";
        QTest::newRow("path in slot name") << "Glide X7" << "../../escape" << "file" << "not a usable file name";
        QTest::newRow("slash in slot name") << "Glide X7" << "a/b" << "file" << "not a usable file name";
        QTest::newRow("control in slot name") << "Glide X7" << "bad\x1b[2Jname" << "file" << "not a usable file name";
    }

    void importRefusesUnusableFiles()
    {
        QFETCH(QString, product);
        QFETCH(QString, slotName);
        QFETCH(QString, kind);
        QFETCH(QString, reasonPart);
        AppDirFixture app;
        writeRichSettings(app);
        QString file = app.path(QStringLiteral("in.conf"));
        if (kind == QLatin1String("folder")) {
            file = app.path(QStringLiteral("folder.conf"));
            QVERIFY(QDir().mkpath(file));
        } else if (kind == QLatin1String("file")) {
            QMap<QString, QVariant> keys{{"Config/LiftHigh", 9}, {"PROFILE_0/pollrate", 8}};
            if (product != QLatin1String("<none>"))
                keys.insert("MouseName/Name", product);
            if (!slotName.isEmpty())
                keys.insert("Config/Profile1", slotName);
            app.setKeys(file, keys);
        }
        const auto before = app.snapshot();
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("import"), file}));
        QCOMPARE(run.exitCode, 65);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.errLines().size(), 1);
        QVERIFY2(run.err.contains(reasonPart), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QChar(0x1b)), "a control character reached the terminal");
        QCOMPARE(app.snapshot(), before);
    }
};

QTEST_GUILESS_MAIN(CliSettingsTest)
#include "cli_settings_test.moc"
