// A full apply against a mouse that fails in every way the emulator can fail: each run must end
// with the exit status that names the failure, "Config/Diff" 1, and the settings files as they
// were.
#include "hostile_cli_support.h"

namespace {

struct Fault {
    QString name;
    QMap<QString, QString> environment;
    int exitCode;
};

} // namespace

class FaultMatrixTest : public QObject {
    Q_OBJECT
    PrivateRuntimeFolder m_runtime;

    // A write that succeeded once, so that a later apply has nothing left to change on disk;
    // then marked as not applied, as a failed write leaves it.
    static void prepare(const AppDirFixture &app)
    {
        writeTwoSlots(app);
        QCOMPARE(runCliProgram(emulatedRun(app, {QStringLiteral("apply")})).exitCode, 0);
        app.setKeys(app.configIni(), {{"Config/Diff", 1}});
    }

    static void checkFailure(const AppDirFixture &app, const Fault &fault)
    {
        const auto before = settingsFiles(app);
        const CliRun run = runCliProgram(emulatedRun(app, {QStringLiteral("apply")}), environmentWith(fault.environment));
        QVERIFY2(run.finished, qPrintable(fault.name));
        QVERIFY2(run.exitCode == fault.exitCode,
                 qPrintable(QStringLiteral("%1: exit %2, expected %3").arg(fault.name).arg(run.exitCode).arg(fault.exitCode)));
        QVERIFY2(!run.out.contains(QLatin1String("sent to the mouse")), qPrintable(fault.name));
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);
        QVERIFY2(settingsFiles(app) == before, qPrintable(fault.name));
    }

private slots:
    void unplugAtEveryPacketOfAFullWrite()
    {
        AppDirFixture app;
        prepare(app);
        // How many packets a whole write takes, from one that succeeds.
        const CliRun whole = runCliProgram(emulatedRun(app, {QStringLiteral("apply")}));
        QCOMPARE(whole.exitCode, 0);
        const int packets = writtenPackets(whole.err).size();
        QVERIFY(packets > 10);
        app.setKeys(app.configIni(), {{"Config/Diff", 1}});
        for (int at = 1; at <= packets; ++at) {
            checkFailure(app, {QStringLiteral("unplugged at packet %1").arg(at),
                               {{QStringLiteral("ZEL_EMULATE_UNPLUG_AT_PACKET"), QString::number(at)}},
                               4});
        }
    }

    void aMouseThatAnswersWrongly()
    {
        AppDirFixture app;
        prepare(app);
        const QList<Fault> faults = {
            {QStringLiteral("every echo corrupt"), {{QStringLiteral("ZEL_EMULATE_CORRUPT_ECHOES"), QStringLiteral("-1")}}, 2},
            {QStringLiteral("silent mouse"), {{QStringLiteral("ZEL_EMULATE_SILENT"), QStringLiteral("1")}}, 2},
            {QStringLiteral("writes fail from the first"), {{QStringLiteral("ZEL_EMULATE_FAIL_WRITES_AFTER"), QStringLiteral("0")}}, 4},
            {QStringLiteral("writes fail midway"), {{QStringLiteral("ZEL_EMULATE_FAIL_WRITES_AFTER"), QStringLiteral("9")}}, 4},
        };
        for (const Fault &fault : faults)
            checkFailure(app, fault);
    }

    void allZeroRepliesCountAsDone()
    {
        // The exchange takes a sixth all-zero reply as done: the write succeeds and is recorded.
        AppDirFixture app;
        prepare(app);
        const CliRun run = runCliProgram(emulatedRun(app, {QStringLiteral("apply")}),
                                         environmentWith({{QStringLiteral("ZEL_EMULATE_ZERO_REPLIES"), QStringLiteral("-1")}}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(FaultMatrixTest)
#include "fault_matrix_test.moc"
