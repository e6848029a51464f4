// zelmouse-cli and the window as a user or an attacker meets them: crafted and special files,
// a fresh install, cut-off exports, a failed save, two programs at once, termination signals.
#include "hostile_cli_support.h"

#include "platform/single_instance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <sys/stat.h>

namespace {

const QByteArray kHugeList = "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";

void appendLine(const QString &file, const QByteArray &line)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::Append));
    f.write("\n" + line + "\n");
}

QStringList testbedsIn(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("umockdev.*")}, QDir::Dirs | QDir::NoDotAndDotDot);
}

// A testbed with the emulated mouse plugged into it (its folder exists a moment earlier).
bool mousePluggedIn(const QString &dir)
{
    const QStringList beds = testbedsIn(dir);
    return !beds.isEmpty() && QFileInfo::exists(dir + QLatin1Char('/') + beds.first() + QStringLiteral("/sys/devices"));
}

} // namespace

class HostileCliTest : public QObject {
    Q_OBJECT
    PrivateRuntimeFolder m_runtime;

private slots:
    void craftedValuesNeitherCrashNorGetImported()
    {
        AppDirFixture app;
        writeTwoSlots(app);
        appendLine(app.configIni(), "[Config]\nSync=" + kHugeList);
        const CliRun show = runCliProgram(app.withAppDir({QStringLiteral("show")}));
        QCOMPARE(show.exitCode, 0);
        QCOMPARE(runCliProgram(emulatedRun(app, {QStringLiteral("apply")})).exitCode, 0);

        const QString file = app.path(QStringLiteral("saved.conf"));
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("export"), file})).exitCode, 0);
        appendLine(file, "[PROFILE_0]\nBUTTON_INFO_18_KeyInfo_0_=@Variant(\\0\\0\\0\\x1c\\x7f\\xff\\xff\\xff)");
        const auto before = settingsFiles(app);
        const CliRun import = runCliProgram(emulatedRun(app, {QStringLiteral("import"), file}));
        QCOMPARE(import.exitCode, 65);
        QVERIFY2(import.err.contains(QLatin1String("malformed value")), qPrintable(import.err));
        QVERIFY(writtenPackets(import.err).isEmpty());
        QCOMPARE(settingsFiles(app), before);
    }

    void specialFilesNeverBlock()
    {
        AppDirFixture app;
        writeTwoSlots(app);
        QVERIFY(QFile::remove(app.configIni()));
        QCOMPARE(::mkfifo(QFile::encodeName(app.configIni()).constData(), 0600), 0);
        const CliRun show = runCliProgram(app.withAppDir({QStringLiteral("show")}), {}, 30000);
        QVERIFY2(show.finished, "show blocked on a FIFO");
        QCOMPARE(show.exitCode, 0);

        const QString fifo = app.path(QStringLiteral("pipe.conf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const CliRun import = runCliProgram(emulatedRun(app, {QStringLiteral("import"), fifo}), {}, 30000);
        QVERIFY(import.finished);
        QCOMPARE(import.exitCode, 65);
    }

    void aFreshInstallTagsAndChecksWithItsProduct()
    {
        AppDirFixture app;
        writeTwoSlots(app);
        app.setKeys(app.configIni(), {{"Config/CurrentProductName", QString()}});
        const QString file = app.path(QStringLiteral("fresh.conf"));
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("export"), file})).exitCode, 0);
        QCOMPARE(app.value(file, "MouseName/Name").toString(), QStringLiteral("Glide X7"));

        const CliRun import = runCliProgram(emulatedRun(app, {QStringLiteral("import"), file}));
        QVERIFY2(import.exitCode == 0, qPrintable(import.err.right(400)));
        // The connected model became the current product, as the window's mouse list makes it.
        QCOMPARE(app.value(app.configIni(), "Config/CurrentProductName").toString(), QStringLiteral("Glide X7"));
    }

    void aCutOffExportChangesNothing()
    {
        AppDirFixture app;
        writeTwoSlots(app);
        const QString file = app.path(QStringLiteral("full.conf"));
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("export"), file})).exitCode, 0);
        QFile full(file);
        QVERIFY(full.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = full.readAll().split('\n');
        full.close();
        for (int keep : {14, int(lines.size()) / 2, int(lines.size()) - 3}) {
            const QString cut = app.path(QStringLiteral("cut%1.conf").arg(keep));
            QFile out(cut);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(lines.mid(0, keep).join('\n'));
            out.close();
            const auto before = settingsFiles(app);
            const CliRun run = runCliProgram(emulatedRun(app, {QStringLiteral("import"), cut}));
            QCOMPARE(run.exitCode, 65);
            QVERIFY2(run.err.contains(QLatin1String("incomplete")), qPrintable(run.err.right(300)));
            QVERIFY(writtenPackets(run.err).isEmpty());
            QCOMPARE(settingsFiles(app), before);
        }
    }

    void aFailedSaveSendsNothing()
    {
        AppDirFixture app;
        writeTwoSlots(app);
        // A folder where slot 1's profile file belongs: it can be neither read nor replaced.
        QVERIFY(QFile::remove(app.slotProfile(QStringLiteral("Other"))));
        QVERIFY(QDir().mkpath(app.slotProfile(QStringLiteral("Other"))));
        const QByteArray main = settingsFiles(app).value(QStringLiteral("/Profile/Main.prof"));
        const CliRun run = runCliProgram(emulatedRun(app, {QStringLiteral("apply")}));
        QCOMPARE(run.exitCode, 74);
        QVERIFY2(run.err.contains(QStringLiteral("The settings could not be saved: %1").arg(app.slotProfile(QStringLiteral("Other")))),
                 qPrintable(run.err.right(400)));
        QVERIFY(writtenPackets(run.err).isEmpty());
        QCOMPARE(settingsFiles(app).value(QStringLiteral("/Profile/Main.prof")), main);
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);

        // Commands that only store say so too, and leave every file as it was.
        for (const QStringList &command : {QStringList{"set", "rate", "250"}, QStringList{"profile", "add"}}) {
            const auto before = settingsFiles(app);
            const CliRun stored = runCliProgram(emulatedRun(app, command));
            QCOMPARE(stored.exitCode, 74);
            QVERIFY2(stored.err.contains(QStringLiteral("The settings could not be saved: %1").arg(app.slotProfile(QStringLiteral("Other")))),
                     qPrintable(stored.err.right(400)));
            QCOMPARE(settingsFiles(app).value(QStringLiteral("/Profile/Main.prof")), before.value(QStringLiteral("/Profile/Main.prof")));
        }
    }

    void showReportsWhatIsUsed()
    {
        AppDirFixture app;
        writeTwoSlots(app);
        app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/dpi", 200}, {"PROFILE/LedMode", 200}});
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("show"), QStringLiteral("--json")}));
        QCOMPARE(run.exitCode, 0);
        const QJsonObject profile = QJsonDocument::fromJson(run.out.toUtf8()).object().value("activeProfile").toObject();
        const QJsonObject dpi = profile.value("dpi").toObject();
        QCOMPARE(dpi.value("stages").toArray().size(), 6);
        QCOMPARE(dpi.value("activeStage").toInt(), 6);
        QCOMPARE(profile.value("lighting").toObject().value("effect").toInt(), 11); // the menu's last effect
    }

    void applyAndImportAtOnceNeverUndoEachOther()
    {
        AppDirFixture app;
        writeTwoSlots(app, 2);
        // The export holds 125 Hz for slot 0; what is stored says 500 Hz.
        app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/pollrate", 8}});
        const QString file = app.path(QStringLiteral("slow.conf"));
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("export"), file})).exitCode, 0);
        for (int round = 0; round < 3; ++round) {
            app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/pollrate", 2}});
            QProcess apply;
            QProcess import;
            apply.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            apply.start(QStringLiteral(ZEL_CLI_PROGRAM), emulatedRun(app, {QStringLiteral("apply")}));
            import.start(QStringLiteral(ZEL_CLI_PROGRAM), emulatedRun(app, {QStringLiteral("import"), file}));
            QVERIFY(apply.waitForFinished(60000));
            QVERIFY(import.waitForFinished(60000));
            // On a slow machine one may give up waiting for the other (75, nothing changed).
            QVERIFY(apply.exitCode() == 0 || apply.exitCode() == 75);
            QVERIFY(import.exitCode() == 0 || import.exitCode() == 75);
            // Whichever ran first, a finished import's settings are what is stored at the end:
            // an apply after it loads them, one before it is overwritten by it.
            if (import.exitCode() == 0)
                QCOMPARE(app.value(app.slotProfile(QStringLiteral("Main")), "PROFILE/pollrate").toInt(), 8);
        }
    }

    void terminationTakesTheTestbedAlong()
    {
        QTemporaryDir tmp;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        env.insert(QStringLiteral("ZEL_EMULATE_SILENT"), QStringLiteral("1"));
        AppDirFixture app;
        const auto privateFolder = [&](const QString &name) {
            const QString path = tmp.filePath(name);
            QDir().mkpath(path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return path;
        };

        // The tool, waiting for a silent mouse. Its runtime folder's path is too long for the
        // testbed's sockets, so the testbed is made in the temp folder.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), privateFolder(QString(70, QLatin1Char('r'))));
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(ZEL_CLI_PROGRAM), app.withAppDir({QStringLiteral("--emulate"), QStringLiteral("status")}));
        QTRY_VERIFY_WITH_TIMEOUT(mousePluggedIn(tmp.path()), 30000);
        cli.terminate();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 128 + SIGTERM);
        // Removed right after the process has ended.
        QTRY_COMPARE_WITH_TIMEOUT(testbedsIn(tmp.path()), QStringList(), 10000);

        // The window, started past a lock file that names no process; its testbed is made in
        // its runtime folder.
        const QString runtime = privateFolder(QStringLiteral("runtime"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QString lock = runtime + QLatin1Char('/')
            + SingleInstanceLock::lockFileName(instanceNameForProduct(QStringLiteral("Glide X7")));
        QFile garbage(lock);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.close();
        QProcess window;
        window.setProcessEnvironment(env);
        window.start(QStringLiteral(ZEL_WINDOW_PROGRAM), {QStringLiteral("--emulate")});
        QTRY_VERIFY_WITH_TIMEOUT(mousePluggedIn(runtime) || window.state() == QProcess::NotRunning, 60000);
        QCOMPARE(window.state(), QProcess::Running);
        window.terminate();
        QVERIFY(window.waitForFinished(30000));
        QCOMPARE(window.exitStatus(), QProcess::NormalExit);
        QCOMPARE(window.exitCode(), 0);
        QCOMPARE(testbedsIn(runtime), QStringList());
        QCOMPARE(testbedsIn(tmp.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(HostileCliTest)
#include "hostile_cli_test.moc"
