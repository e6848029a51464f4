// A full apply and an import killed with SIGKILL at moments spread over the run: afterwards
// every settings file is whole, either as it was or as the run meant to leave it, anything
// but the old state is marked as not applied, and the next run works.
#include "hostile_cli_support.h"

#include <QEventLoop>
#include <QSettings>

namespace {

// Per run; with the apply and the import, 30 moments in all.
constexpr int kMoments = 15;

// Key -> value of a settings file, "Config/Diff" left out: the flag is the one key a run
// changes twice.
QMap<QString, QString> keyValues(const QByteArray &content, const QString &scratch)
{
    QFile f(scratch);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    f.write(content);
    f.close();
    QMap<QString, QString> values;
    QSettings ini(scratch, QSettings::IniFormat);
    for (const QString &key : ini.allKeys()) {
        if (key != QLatin1String("Config/Diff"))
            values.insert(key, ini.value(key).toString());
    }
    QFile::remove(scratch);
    return values;
}

struct Scenario {
    QString name;
    QStringList arguments;
};

} // namespace

class KillTest : public QObject {
    Q_OBJECT
    PrivateRuntimeFolder m_runtime;

    QTemporaryDir m_tmp;

    // Slot files that apply will rewrite in full (they hold only a few keys), and an export of
    // other settings for the import.
    void prepare(const AppDirFixture &app, const QString &exportFile)
    {
        writeTwoSlots(app, 8);
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("export"), exportFile})).exitCode, 0);
        writeTwoSlots(app, 2);
        app.setKeys(app.configIni(), {{"Config/Profile3", "Third"}});
    }

    // Runs the tool and kills it once its trace reached `lines` lines; false when it ended first.
    bool runAndKill(const QStringList &arguments, int lines)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), m_tmp.path()); // testbeds a kill leaves behind
        process.setProcessEnvironment(env);
        int seen = 0;
        bool killed = false;
        QEventLoop loop;
        auto check = [&] {
            seen += process.readAllStandardError().count('\n');
            if (!killed && seen >= lines) {
                killed = true;
                process.kill(); // SIGKILL to our own child
            }
        };
        connect(&process, &QProcess::readyReadStandardError, &loop, check);
        connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, &QEventLoop::quit);
        connect(&process, &QProcess::started, &loop, check);
        process.start(QStringLiteral(ZEL_CLI_PROGRAM), arguments);
        if (process.waitForStarted(10000) && process.state() != QProcess::NotRunning)
            loop.exec();
        process.waitForFinished(30000);
        return killed;
    }

    void killAtEveryMoment(const Scenario &scenario)
    {
        AppDirFixture app;
        const QString exportFile = app.path(QStringLiteral("other.conf"));
        prepare(app, exportFile);
        const QStringList arguments = emulatedRun(app, QStringList(scenario.arguments).replaceInStrings(QStringLiteral("@EXPORT@"), exportFile));
        const auto oldFiles = settingsFiles(app);

        // The run undisturbed, on a copy of the same state: what "new" looks like, and how many
        // trace lines it writes.
        AppDirFixture reference;
        const QString referenceExport = reference.path(QStringLiteral("other.conf"));
        prepare(reference, referenceExport);
        const CliRun whole = runCliProgram(
            emulatedRun(reference, QStringList(scenario.arguments).replaceInStrings(QStringLiteral("@EXPORT@"), referenceExport)));
        QCOMPARE(whole.exitCode, 0);
        const int totalLines = whole.err.count(QLatin1Char('\n'));
        QVERIFY(totalLines > kMoments);
        // The same relative paths; only the export file's own path differs, and it is no
        // settings file.
        const QMap<QString, QByteArray> newFiles = settingsFiles(reference);
        QVERIFY(newFiles != oldFiles);

        const QString scratch = m_tmp.filePath(QStringLiteral("scratch.ini"));
        for (int moment = 0; moment < kMoments; ++moment) {
            runAndKill(arguments, moment * totalLines / kMoments);
            const auto after = settingsFiles(app);
            bool allOld = true;
            QStringList names = after.keys() + oldFiles.keys() + newFiles.keys();
            names.removeDuplicates();
            for (const QString &name : names) {
                const QByteArray content = after.value(name);
                const bool isOld = name == QLatin1String("/Config.ini")
                    ? keyValues(content, scratch) == keyValues(oldFiles.value(name), scratch)
                    : content == oldFiles.value(name);
                const bool isNew = name == QLatin1String("/Config.ini")
                    ? keyValues(content, scratch) == keyValues(newFiles.value(name), scratch)
                    : content == newFiles.value(name);
                QVERIFY2(isOld || isNew, qPrintable(QStringLiteral("%1, moment %2: %3 is neither old nor new")
                                                        .arg(scenario.name).arg(moment).arg(name)));
                allOld = allOld && isOld;
            }
            // Anything but the finished run or an untouched state is flagged for the next apply.
            if (!allOld && after != newFiles)
                QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 1);
        }

        // The next run, after all these kills (stale lock files included), works.
        const CliRun next = runCliProgram(emulatedRun(app, {QStringLiteral("apply")}));
        QCOMPARE(next.exitCode, 0);
        QCOMPARE(app.value(app.configIni(), "Config/Diff").toInt(), 0);
        QDirIterator left(app.path(QStringLiteral("Configs")), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (left.hasNext()) {
            const QString file = left.next();
            QVERIFY2(!isStagingFile(file) && !file.endsWith(QLatin1String(".lock")), qPrintable(file));
        }
    }

private slots:
    void killedApply() { killAtEveryMoment({QStringLiteral("apply"), {QStringLiteral("apply")}}); }
    void killedImport()
    {
        // The export file sits in the fixture's folder; the reference run gets its own copy.
        killAtEveryMoment({QStringLiteral("import"), {QStringLiteral("import"), QStringLiteral("@EXPORT@")}});
    }
};

QTEST_GUILESS_MAIN(KillTest)
#include "kill_test.moc"
