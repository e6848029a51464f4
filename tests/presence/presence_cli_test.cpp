// zelmouse-cli watch and set, run as scripts run them. `watch` runs against the emulated mouse,
// which the test plugs and unplugs through its control pipe.
#include "../cli/cli_harness.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kTimeoutMs = 15000;

// The JSON lines printed so far, as objects.
QList<QJsonObject> jsonLines(const QByteArray &out)
{
    QList<QJsonObject> events;
    for (const QByteArray &line : out.split('\n')) {
        if (!line.trimmed().isEmpty())
            events.append(QJsonDocument::fromJson(line).object());
    }
    return events;
}

bool hasEvent(const QList<QJsonObject> &events, const QString &kind, const QString &connection, const QString &iface)
{
    for (const QJsonObject &e : events) {
        if (e.value(QStringLiteral("event")).toString() == kind
            && e.value(QStringLiteral("connection")).toString() == connection
            && e.value(QStringLiteral("interface")).toString() == iface)
            return true;
    }
    return false;
}

int countEvents(const QList<QJsonObject> &events, const QString &kind)
{
    int n = 0;
    for (const QJsonObject &e : events)
        n += e.value(QStringLiteral("event")).toString() == kind ? 1 : 0;
    return n;
}

} // namespace

class PresenceCliTest : public QObject {
    Q_OBJECT
private slots:
    void watchFollowsUnplugAndPlugUntilInterrupted()
    {
        AppDirFixture app;
        QTemporaryDir runtime;
        const QString pipe = runtime.filePath(QStringLiteral("control"));
        QProcess watch;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZEL_EMULATOR_CONTROL"), pipe);
        // Its own runtime folder: other programs' exchange locks would hold up its poller.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        watch.setProcessEnvironment(env);
        watch.start(QStringLiteral(ZEL_CLI_PROGRAM),
                    app.withAppDir({QStringLiteral("--emulate"), QStringLiteral("watch"), QStringLiteral("--json")}));
        QVERIFY(watch.waitForStarted(kTimeoutMs));
        QByteArray out;
        const auto events = [&] {
            out += watch.readAllStandardOutput();
            return jsonLines(out);
        };
        const auto send = [&](const QByteArray &command) {
            QFile control(pipe);
            QVERIFY(control.open(QIODevice::WriteOnly));
            control.write(command + '\n');
        };

        // The receiver is there at the start, and its status is reported.
        QTRY_VERIFY_WITH_TIMEOUT(countEvents(events(), QStringLiteral("status")) >= 1, kTimeoutMs);
        QCOMPARE(events().first().value(QStringLiteral("event")).toString(), QStringLiteral("present"));
        QCOMPARE(events().first().value(QStringLiteral("connection")).toString(), QStringLiteral("receiver"));
        QJsonObject status;
        for (const QJsonObject &e : events()) {
            if (e.value(QStringLiteral("event")).toString() == QLatin1String("status"))
                status = e;
        }
        QCOMPARE(status.value(QStringLiteral("battery")).toInt(), 80); // the emulated mouse's
        QCOMPARE(status.value(QStringLiteral("stage")).toInt(), 1);
        QVERIFY(QFileInfo::exists(pipe));

        send("unplug receiver");
        QTRY_VERIFY_WITH_TIMEOUT(hasEvent(events(), QStringLiteral("removed"), QStringLiteral("receiver"), QStringLiteral("mouse"))
                                     && hasEvent(events(), QStringLiteral("removed"), QStringLiteral("receiver"), QStringLiteral("vendor")),
                                 kTimeoutMs);
        const int statusBefore = countEvents(events(), QStringLiteral("status"));
        send("plug cable");
        QTRY_VERIFY_WITH_TIMEOUT(hasEvent(events(), QStringLiteral("arrived"), QStringLiteral("cable"), QStringLiteral("vendor")),
                                 kTimeoutMs);
        // Opened again on the cable: its status follows.
        QTRY_VERIFY_WITH_TIMEOUT(countEvents(events(), QStringLiteral("status")) > statusBefore, kTimeoutMs);
        for (const QJsonObject &e : events()) {
            if (e.value(QStringLiteral("event")).toString() == QLatin1String("arrived"))
                QCOMPARE(e.value(QStringLiteral("model")).toString(), QStringLiteral("Glide X7"));
        }

        watch.terminate(); // SIGTERM, as a service manager stops it
        QVERIFY(watch.waitForFinished(kTimeoutMs));
        QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watch.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(pipe)); // the emulator cleaned up on the way out
    }

    void watchWithoutAMouseEndsUnlessToldToWait()
    {
        AppDirFixture app;
        // No --emulate and no hardware here: nothing is found.
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("watch")}));
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errLines(), QStringList{QStringLiteral("zelmouse-cli: No mouse is connected.")});
        QVERIFY(run.out.isEmpty());
    }

    void setApplyOnArrival()
    {
        AppDirFixture app;
        QVERIFY(!app.value(app.configIni(), QStringLiteral("Config/ApplyOnArrival")).isValid()); // off unless set
        CliRun run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("apply-on-arrival"), QStringLiteral("on")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(app.value(app.configIni(), QStringLiteral("Config/ApplyOnArrival")).toInt(), 1);
        run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("apply-on-arrival"), QStringLiteral("off")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(app.value(app.configIni(), QStringLiteral("Config/ApplyOnArrival")).toInt(), 0);

        const auto before = app.snapshot();
        run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("apply-on-arrival"), QStringLiteral("yes")}));
        QCOMPARE(run.exitCode, 64);
        QCOMPARE(run.errLines(), QStringList{QStringLiteral("zelmouse-cli: apply-on-arrival is on or off, not 'yes'.")});
        run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("colour"), QStringLiteral("on")}));
        QCOMPARE(run.exitCode, 64);
        QCOMPARE(app.snapshot(), before);

        // A configuration file that cannot be written is reported (here: it cannot even be
        // read), not claimed done.
        QVERIFY(QFile::remove(app.configIni()));
        QVERIFY(QDir().mkpath(app.configIni()));
        run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("apply-on-arrival"), QStringLiteral("on")}));
        QCOMPARE(run.exitCode, 74);
        QVERIFY2(run.err.contains(QStringLiteral("cannot be read (it is not a regular file)")), qPrintable(run.err));
    }
};

QTEST_MAIN(PresenceCliTest)
#include "presence_cli_test.moc"
