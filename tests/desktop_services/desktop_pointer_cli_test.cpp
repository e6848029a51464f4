// zelmouse-cli and the desktop's pointer speed, end to end: GNOME's setting through GSettings'
// keyfile backend, set by an apply only when the user turned the option on.

#include "../cli/cli_harness.h"
#include "desktop_test_env.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class DesktopPointerCliTest : public QObject {
    Q_OBJECT
private slots:
    void anApplySetsGnomesSpeedOnlyWithTheOptionOn()
    {
        AppDirFixture app;
        // A slot with a name has a file the profile's speed is kept in.
        app.setKeys(app.configIni(), {{QStringLiteral("Config/Profile1"), QStringLiteral("Office")}});
        QTemporaryDir config;
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        auto cli = [&](const QStringList &arguments) {
            return runCliProgram(app.withAppDir(QStringList{QStringLiteral("--emulate")} + arguments), env);
        };

        // Off unless set: an apply leaves the desktop alone.
        CliRun run = cli({QStringLiteral("get"), QStringLiteral("desktop-pointer-speed")});
        QCOMPARE(run.out.trimmed(), QStringLiteral("off"));
        run = cli({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("pointer-speed"), QStringLiteral("15")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!gnomeMouseSpeed(config.path()).isValid());
        QCOMPARE(cli({QStringLiteral("get"), QStringLiteral("pointer-speed")}).out.trimmed(), QStringLiteral("15"));

        run = cli({QStringLiteral("set"), QStringLiteral("desktop-pointer-speed"), QStringLiteral("on")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(app.value(app.configIni(), QStringLiteral("Config/DesktopPointerSpeed")).toInt(), 1);
        QVERIFY(!gnomeMouseSpeed(config.path()).isValid()); // turning it on sets nothing by itself

        run = cli({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("pointer-speed"), QStringLiteral("15")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("The desktop's pointer speed is now 15 (GNOME's mouse settings).")), qPrintable(run.out + run.err));
        QCOMPARE(gnomeMouseSpeed(config.path()).toDouble(), 0.5);

        // A failed apply leaves the desktop as it leaves the mouse.
        env.insert(QStringLiteral("ZEL_EMULATE_FAIL_WRITES_AFTER"), QStringLiteral("0"));
        run = cli({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("pointer-speed"), QStringLiteral("18")});
        QCOMPARE(run.exitCode, 4);
        QCOMPARE(gnomeMouseSpeed(config.path()).toDouble(), 0.5);
        env.remove(QStringLiteral("ZEL_EMULATE_FAIL_WRITES_AFTER"));

        // A value set refuses changes nothing, here or on the desktop.
        run = cli({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("pointer-speed"), QStringLiteral("21")});
        QCOMPARE(run.exitCode, 65);
        QCOMPARE(gnomeMouseSpeed(config.path()).toDouble(), 0.5);

        // Off again: the next apply leaves GNOME's value as it is.
        QCOMPARE(cli({QStringLiteral("set"), QStringLiteral("desktop-pointer-speed"), QStringLiteral("off")}).exitCode, 0);
        QCOMPARE(cli({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("pointer-speed"), QStringLiteral("3")}).exitCode, 0);
        QCOMPARE(gnomeMouseSpeed(config.path()).toDouble(), 0.5);
    }

    void aDesktopWithoutTheSettingIsNamedNotFailed()
    {
        AppDirFixture app;
        QTemporaryDir config;
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("desktop-pointer-speed"), QStringLiteral("on")}), env).exitCode, 0);
        // The mouse took the profile: success, with the desktop's refusal said on stderr.
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("--emulate"), QStringLiteral("apply")}), env);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errLines(), QStringList{QStringLiteral("zelmouse-cli: The desktop's pointer speed was not set: This desktop offers no pointer speed setting to other programs.")});
    }
};

QTEST_GUILESS_MAIN(DesktopPointerCliTest)
#include "desktop_pointer_cli_test.moc"
