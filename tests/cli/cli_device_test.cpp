// zelmouse-cli end to end against the emulated mouse (--emulate): what each device command
// prints, sends, stores and exits with, including no mouse, a silent mouse and a failing write.
#include "cli_harness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Index of the first packet starting with `prefix` at or after `from`; -1 when none.
int findPacket(const QStringList &packets, const QString &prefix, int from = 0)
{
    for (int i = from; i < packets.size(); ++i) {
        if (packets.at(i).startsWith(prefix))
            return i;
    }
    return -1;
}

QProcessEnvironment emulatorEnv(const QMap<QString, QString> &values)
{
    QProcessEnvironment env;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        env.insert(it.key(), it.value());
    return env;
}

} // namespace

class CliDeviceTest : public QObject {
    Q_OBJECT

    // Slot 0 "Main": 500 Hz, stage 3 of 1600 DPI active, effect 1 in blue; slot 1 "Other".
    static void writeSettings(const AppDirFixture &app)
    {
        app.setKeys(app.configIni(), {{"Config/ProfileID", 0},
                                      {"Config/Profile1", "Main"},
                                      {"Config/Profile2", "Other"},
                                      {"Config/LiftHigh", 2},
                                      {"Config/Diff", 0}});
        QMap<QString, QVariant> main{{"PROFILE/pollrate", 2},
                                     {"PROFILE/dpi", 2},
                                     {"PROFILE/LedMode", 1},
                                     {"PROFILE/LedMode/LED_MODE_1_RGB", QColor(0, 0, 255)},
                                     {"PROFILE/LedMode/LED_MODE_1_bright", 3},
                                     {"PROFILE/LedSleepTime", 2},
                                     {"PROFILE/BUTTON_INFO_0_Fun", 1},
                                     {"PROFILE/BUTTON_INFO_1_Fun", 2},
                                     {"PROFILE/BUTTON_INFO_40_Fun", 52},
                                     {"PROFILE/BUTTON_INFO_41_Fun", 53}};
        const int codes[] = {16, 24, 32, 48, 64, 96, 128, 160};
        for (int i = 0; i < 8; ++i) {
            for (const char *axis : {"xy", "x", "y"})
                main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_%2").arg(i).arg(QLatin1String(axis)), codes[i]);
            main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_used").arg(i), 1);
        }
        app.setKeys(app.slotProfile(QStringLiteral("Main")), main);
        app.setKeys(app.slotProfile(QStringLiteral("Other")), {{"PROFILE/pollrate", 8}});
    }

    static QStringList emulated(const AppDirFixture &app, const QStringList &arguments, const QString &connection = QString())
    {
        const QString option = connection.isEmpty() ? QStringLiteral("--emulate") : QStringLiteral("--emulate=") + connection;
        return app.withAppDir(QStringList{option, QStringLiteral("--trace")} + arguments);
    }

private slots:
    void devicesListsTheConnections_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("cable");
        QTest::newRow("receiver") << "receiver" << true << false;
        QTest::newRow("cable") << "cable" << false << true;
        QTest::newRow("both") << "both" << true << true;
    }

    void devicesListsTheConnections()
    {
        QFETCH(QString, connection);
        QFETCH(bool, receiver);
        QFETCH(bool, cable);
        AppDirFixture app;
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("--emulate=") + connection, QStringLiteral("devices")}));
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err)); // no traces without --trace
        QVERIFY(run.out.startsWith(QLatin1String("Model: Glide X7\n")));
        const int cableAt = run.out.indexOf(QLatin1String("Cable ("));
        QVERIFY(cableAt > 0);
        const QString receiverPart = run.out.left(cableAt);
        const QString cablePart = run.out.mid(cableAt);
        const QRegularExpression present(QStringLiteral("Vendor interface: present  /dev/hidraw\\d+"));
        QCOMPARE(present.match(receiverPart).hasMatch(), receiver);
        QCOMPARE(present.match(cablePart).hasMatch(), cable);
        QCOMPARE(receiverPart.contains(QLatin1String("Release number:")), receiver);
        QCOMPARE(cablePart.contains(QLatin1String("Release number:")), cable);
    }

    void withoutAMouseEveryDeviceCommandSaysSo()
    {
        // No --emulate and no hardware here: nothing is found.
        AppDirFixture app;
        writeSettings(app);
        const QStringList commands[] = {{"devices"}, {"status"}, {"select-profile", "2"}};
        for (const QStringList &command : commands) {
            const auto before = app.snapshot();
            const CliRun run = runCliProgram(app.withAppDir(command));
            QVERIFY(run.finished);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.endsWith(QLatin1String("No mouse is connected.\n")), qPrintable(run.err));
            QCOMPARE(app.snapshot(), before);
        }
        // Apply still stores the settings and remembers that the mouse did not get them.
        const CliRun apply = runCliProgram(app.withAppDir({QStringLiteral("apply")}));
        QCOMPARE(apply.exitCode, 1);
        QCOMPARE(apply.errLines().size(), 1);
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);
    }

    void statusReportsBatteryStageAndRate()
    {
        AppDirFixture app;
        writeSettings(app);
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("status")}),
                                         emulatorEnv({{"ZEL_EMULATE_BATTERY", "57"}, {"ZEL_EMULATE_STATUS", "2,2"}}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Connection: receiver\nBattery: 57%\nDPI stage: 3 (1600 DPI)\nReport rate: 500 Hz\n"));
        // One request, as the poller's request phase sends it.
        QVERIFY(run.err.contains(QLatin1String("hid_read 1 f")));
    }

    void statusOfAMouseThatIsOff()
    {
        AppDirFixture app;
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("--emulate=cable"), QStringLiteral("status")}),
                                         emulatorEnv({{"ZEL_EMULATE_BATTERY", "0"}}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QLatin1String("Connection: cable\nBattery: MOUSE OFF\n")), qPrintable(run.out));
    }

    void silentMouse()
    {
        AppDirFixture app;
        writeSettings(app);
        const QProcessEnvironment silent = emulatorEnv({{"ZEL_EMULATE_SILENT", "1"}});

        const CliRun status = runCliProgram(emulated(app, {QStringLiteral("status")}), silent);
        QVERIFY(status.finished);
        QCOMPARE(status.exitCode, 2);
        QVERIFY(status.out.isEmpty());

        // The selection itself is not echoed; the first follow-up runs out of retries.
        const CliRun select = runCliProgram(emulated(app, {QStringLiteral("select-profile"), QStringLiteral("2")}), silent);
        QCOMPARE(select.exitCode, 2);
        QCOMPARE(app.value(app.configIni(), "Config/ProfileID").toInt(), 0);

        // Apply gives up after the retry schedule of two packets and remembers the failure.
        const CliRun apply = runCliProgram(emulated(app, {QStringLiteral("apply")}), silent);
        QVERIFY(apply.finished);
        QCOMPARE(apply.exitCode, 2);
        QVERIFY(apply.err.contains(QLatin1String("multi rewrite fail")));
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);
    }

    void applySendsTheWholeConfiguration()
    {
        AppDirFixture app;
        writeSettings(app);
        app.setKeys(app.configIni(), {{"Config/Diff", 1}});
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("apply")}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QLatin1String("sent to the mouse")), qPrintable(run.out));
        const QStringList packets = writtenPackets(run);
        // The write sequence, in order: begin marker, rate and lighting, buttons, DPI, end marker.
        int at = findPacket(packets, QStringLiteral("00 aa 55"));
        QVERIFY(at >= 0);
        for (const char *prefix : {"01 02 02 01", "02 06 02 02", "07 ", "08 ", "09 ", "05 ", "06 ", "00 cc 33"}) {
            at = findPacket(packets, QLatin1String(prefix), at + 1);
            QVERIFY2(at >= 0, prefix);
        }
        // Blue lighting colour in packet 0x02, bytes 8 to 10.
        const QString lighting = packets.at(findPacket(packets, QStringLiteral("02 06 02 02")));
        QCOMPARE(lighting.mid(7 * 3, 8), QStringLiteral("00 00 ff"));
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 0);

        // Without --trace the traces stay out of sight.
        const CliRun quiet = runCliProgram(app.withAppDir({QStringLiteral("--emulate"), QStringLiteral("apply")}));
        QCOMPARE(quiet.exitCode, 0);
        QVERIFY2(quiet.err.isEmpty(), qPrintable(quiet.err));
    }

    void applyWhoseWriteFails()
    {
        AppDirFixture app;
        writeSettings(app);
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("apply")}), emulatorEnv({{"ZEL_EMULATE_FAIL_WRITES_AFTER", "3"}}));
        QCOMPARE(run.exitCode, 4);
        QVERIFY(run.err.contains(QLatin1String("hid_write fail")));
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);
    }

    void applyWhenTheMouseIsUnpluggedMidway()
    {
        AppDirFixture app;
        writeSettings(app);
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("apply")}), emulatorEnv({{"ZEL_EMULATE_UNPLUG_AT_PACKET", "4"}}));
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 4);
        QVERIFY(!run.err.contains(QLatin1String("00 cc 33")));
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);
    }

    void devicesShowsTheReleaseNumber()
    {
        AppDirFixture app;
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("--emulate=cable"), QStringLiteral("devices")}),
                                         emulatorEnv({{"ZEL_EMULATE_RELEASE", "0x0215"}}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QLatin1String("Release number:   2.15 (0x0215)")), qPrintable(run.out));
    }

    void selectProfileSendsTheSelection()
    {
        AppDirFixture app;
        writeSettings(app);
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("select-profile"), QStringLiteral("3")}));
        QCOMPARE(run.exitCode, 0);
        const QStringList packets = writtenPackets(run);
        QCOMPARE(packets.size(), 7);
        QVERIFY(packets.at(0).startsWith(QLatin1String("05 00 fa 44 02")));
        const char *followUps[] = {"01", "04", "01", "02", "08", "10"};
        for (int i = 0; i < 6; ++i)
            QVERIFY(packets.at(i + 1).startsWith(QStringLiteral("05 00 fa 40 f3 ") + QLatin1String(followUps[i])));
        QCOMPARE(app.value(app.configIni(), "Config/ProfileID").toInt(), 2);
    }

    void importSendsAndStoresAnExport()
    {
        AppDirFixture app;
        writeSettings(app);
        const QString file = app.path(QStringLiteral("saved.conf"));
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("export"), file})).exitCode, 0);

        // Change what is stored, then bring the export back.
        app.setKeys(app.configIni(), {{"Config/LiftHigh", 1}});
        app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/pollrate", 8}, {"PROFILE/BUTTON_INFO_1_Fun", 16}});
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("import"), file}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(findPacket(writtenPackets(run), QStringLiteral("01 02 02")) >= 0);

        const CliRun show = runCliProgram(app.withAppDir({QStringLiteral("show"), QStringLiteral("--json")}));
        const QJsonObject report = QJsonDocument::fromJson(show.out.toUtf8()).object();
        QCOMPARE(report.value("deviceOptions").toObject().value("liftOff").toInt(), 2);
        const QJsonObject profile = report.value("activeProfile").toObject();
        QCOMPARE(profile.value("name").toString(), QStringLiteral("Main"));
        QCOMPARE(profile.value("reportRate").toObject().value("hz").toInt(), 500);
        QCOMPARE(profile.value("buttons").toArray().at(1).toObject().value("function").toString(), QStringLiteral("Right"));
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 0);
    }

    void importOfAnotherProductChangesNothing()
    {
        AppDirFixture app;
        writeSettings(app);
        const QString file = app.path(QStringLiteral("other.conf"));
        app.setKeys(file, {{"MouseName/Name", "Other Mouse"}, {"Config/LiftHigh", 1}, {"PROFILE_0/pollrate", 8}});
        const auto before = app.snapshot();
        const CliRun run = runCliProgram(emulated(app, {QStringLiteral("import"), file}));
        QCOMPARE(run.exitCode, 65);
        QVERIFY(writtenPackets(run).isEmpty());
        QCOMPARE(app.snapshot(), before);
    }
};

QTEST_GUILESS_MAIN(CliDeviceTest)
#include "cli_device_test.moc"
