// zelmouse-cli set --apply against the emulated mouse: a button, a DPI stage and a lighting
// effect reach the mouse, read back from its decoded state; without a mouse the setting is
// kept for the next apply.
#include "../cli/cli_harness.h"

#include "device/button_table.h"
#include "device/dpi_encoding.h"

#include <QColor>

namespace {

constexpr int kSensor = 3389; // of the installed configuration

void writeSettings(const AppDirFixture &app)
{
    app.setKeys(app.configIni(), {{"Config/ProfileID", 0}, {"Config/Profile1", "Main"}});
    QMap<QString, QVariant> main{{"PROFILE/pollrate", 1},
                                 {"PROFILE/LedMode", 1},
                                 {"PROFILE/BUTTON_INFO_0_Fun", 1},
                                 {"PROFILE/BUTTON_INFO_1_Fun", 2},
                                 {"PROFILE/BUTTON_INFO_2_Fun", 3},
                                 {"PROFILE/LedMode/LED_MODE_3_RGB", QColor(255, 0, 0)},
                                 {"PROFILE/LedMode/LED_MODE_3_bright", 3},
                                 {"PROFILE/LedMode/LED_MODE_3_breath", 3}};
    for (int i = 0; i < 8; ++i) {
        for (const char *field : {"xy", "x", "y"})
            main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_%2").arg(i).arg(QLatin1String(field)), 16 * (i + 1));
        main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_used").arg(i), 1);
        main.insert(QStringLiteral("PROFILE/DPI_INFO_%1_link").arg(i), 1);
    }
    app.setKeys(app.slotProfile(QStringLiteral("Main")), main);
}

QString hex(const uint8_t *bytes, int count)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), count).toHex());
}

} // namespace

class CliSetDeviceTest : public QObject {
    Q_OBJECT

    // Runs `set --apply ARGS` with the emulated receiver; returns the mouse's decoded state.
    static QString applyAndReadMouse(const AppDirFixture &app, const QStringList &arguments)
    {
        const QString stateFile = app.path(QStringLiteral("mouse-state.txt"));
        QFile::remove(stateFile);
        QProcessEnvironment env;
        env.insert(QStringLiteral("ZEL_EMULATE_STATE_FILE"), stateFile);
        const CliRun run = runCliProgram(
            app.withAppDir(QStringList{QStringLiteral("--emulate"), QStringLiteral("set"), QStringLiteral("--apply")} + arguments), env);
        if (run.exitCode != 0 || run.out != QLatin1String("Stored and sent to the mouse.\n"))
            qWarning("set --apply %s: exit %d, %s%s", qPrintable(arguments.join(QLatin1Char(' '))), run.exitCode,
                     qPrintable(run.out), qPrintable(run.err));
        QFile file(stateFile);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static QString stateLine(const QString &state, const QString &head)
    {
        for (const QString &line : state.split(QLatin1Char('\n'))) {
            if (line.startsWith(head))
                return line;
        }
        return QString();
    }

private slots:
    void aButtonReachesTheMouse()
    {
        AppDirFixture app;
        writeSettings(app);
        const QString state = applyAndReadMouse(app, {QStringLiteral("button"), QStringLiteral("3"), QStringLiteral("key"), QStringLiteral("F5")});
        ButtonSlot f5;
        f5.Fun = 6;
        f5.Res1 = 0x3F;
        uint8_t entry[4] = {};
        encodeButtonBytes(f5, kSensor, entry);
        const QString buttons = stateLine(state, QStringLiteral("buttons:"));
        QVERIFY2(buttons.contains(QLatin1Char(' ') + hex(entry, 4)), qPrintable(state));
        QVERIFY(state.contains(QLatin1String("writes 1,")));
    }

    void aDpiStageReachesTheMouse()
    {
        AppDirFixture app;
        writeSettings(app);
        const QString state = applyAndReadMouse(app, {QStringLiteral("dpi"), QStringLiteral("2"), QStringLiteral("2400")});
        uint8_t stage[5] = {};
        encodeDpiStage(kSensor, 48, 48, stage); // 2400 DPI is code 48 on this sensor
        // As the emulator prints a stage: flag, then X and Y with the high byte first.
        const QString expected = hex(&stage[0], 1) + QLatin1Char(':') + hex(&stage[2], 1) + hex(&stage[1], 1) + QLatin1Char('/')
                                 + hex(&stage[4], 1) + hex(&stage[3], 1);
        const QStringList stages = stateLine(state, QStringLiteral("stages:")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(stages.size() == 9, qPrintable(state));
        QCOMPARE(stages.at(2), expected);
    }

    void aLightingEffectReachesTheMouse()
    {
        AppDirFixture app;
        writeSettings(app);
        const QString state = applyAndReadMouse(app, {QStringLiteral("led"), QStringLiteral("BREATHING"), QStringLiteral("color"), QStringLiteral("00ff40")});
        QVERIFY2(state.contains(QLatin1String(", lighting 3 ")), qPrintable(state));
        QVERIFY2(stateLine(state, QStringLiteral("lift")).endsWith(QLatin1String("colour 00ff40")), qPrintable(state));
    }

    void withoutAMouseTheSettingIsKeptForTheNextApply()
    {
        AppDirFixture app;
        writeSettings(app);
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("rate"), QStringLiteral("500")}));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("the settings were saved and will be sent by the next apply.")), qPrintable(run.err));
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("get"), QStringLiteral("rate")})).out, QStringLiteral("500\n"));
    }
};

QTEST_GUILESS_MAIN(CliSetDeviceTest)
#include "cli_set_device_test.moc"
