#include "device_test_support.h"

#include "app/emulation_option.h"
#include "emulator/emulator_control.h"

#include <QFile>
#include <QtTest>

// The tester's control pipe into the emulated mouse, and the --emulate option.
class EmulatorControlTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    void writeLine(const QString &path, const QByteArray &line)
    {
        QFile pipe(path);
        QVERIFY(pipe.open(QIODevice::WriteOnly));
        pipe.write(line + '\n');
    }

private slots:
    void cleanupTestCase() { MouseEmulator::shutdown(); }

    void optionValues()
    {
        EmulationOption o;
        QVERIFY(parseEmulationArgument("--emulate", &o));
        QVERIFY(o.enabled);
        QCOMPARE(o.connection, 1); // the receiver, as for zelmouse-cli
        QVERIFY(parseEmulationArgument("--emulate=receiver", &o));
        QCOMPARE(o.connection, 1);
        QVERIFY(parseEmulationArgument("--emulate=cable", &o));
        QCOMPARE(o.connection, 2);
        EmulationOption bad;
        QVERIFY(!parseEmulationArgument("--emulate=usb", &bad));
        QVERIFY(!parseEmulationArgument("--emulated", &bad));
        QVERIFY(!bad.enabled);
    }

    void optionIsTakenOutOfTheArguments()
    {
        // Already under the preload: no restart, the option leaves argv.
        QByteArray a0("zelmouse"), a1("--emulate=cable"), a2("-style");
        char *argv[] = {a0.data(), a1.data(), a2.data(), nullptr};
        int argc = 3;
        const EmulationOption o = takeEmulationOption(argc, argv);
        QVERIFY(o.enabled);
        QCOMPARE(o.connection, 2);
        QCOMPARE(argc, 2);
        QCOMPARE(QByteArray(argv[1]), QByteArray("-style"));
        QVERIFY(argv[2] == nullptr);
    }

    void pipeCommandsReachTheMouse()
    {
        const QString path = dir.filePath(QStringLiteral("control"));
        EmulatorControl control(path);
        QVERIFY(control.isListening());
        MouseEmulator &mouse = MouseEmulator::instance();
        writeLine(path, "battery 42 1");
        QTRY_COMPARE(mouse.state().batteryLevel, uint8_t(42));
        QCOMPARE(mouse.state().batteryExtra, uint8_t(1));
        writeLine(path, "plug cable");
        QTRY_COMPARE(mouse.plugged(), MouseEmulator::Cable);
        writeLine(path, "silent on");
        QTRY_VERIFY(mouse.misbehaviour().silent);
        writeLine(path, "unplug both");
        QTRY_COMPARE(mouse.plugged(), MouseEmulator::None);
    }

    void unknownCommandsAreRefused()
    {
        QVERIFY(!EmulatorControl::execute(QStringLiteral("battery x")));
        QVERIFY(!EmulatorControl::execute(QStringLiteral("plug mouse")));
        QVERIFY(!EmulatorControl::execute(QStringLiteral("jump")));
        QString reply;
        QVERIFY(EmulatorControl::execute(QStringLiteral("state"), &reply));
        QVERIFY(reply.startsWith(QStringLiteral("battery ")));
    }
};

QTEST_GUILESS_MAIN(EmulatorControlTest)
#include "emulator_control_test.moc"
