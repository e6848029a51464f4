// zelmouse-cli and the files it writes, as a user meets them: exports that never destroy, a
// full disk, slot files that hold no profile, a run ended by a signal, and two runs at once.
#include "cli_harness.h"

#include <QSet>

#include <csignal>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

QProcessEnvironment environment(const QMap<QString, QString> &values)
{
    QProcessEnvironment env;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        env.insert(it.key(), it.value());
    return env;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// The button table packets (0x07, 0x08, 0x09) of a traced run, in order.
QStringList buttonTable(const CliRun &run)
{
    QStringList table;
    for (const QString &packet : writtenPackets(run)) {
        if (packet.startsWith(QLatin1String("07 ")) || packet.startsWith(QLatin1String("08 ")) || packet.startsWith(QLatin1String("09 ")))
            table.append(packet);
    }
    return table;
}

// A small file system of its own, filled to the last few kilobytes, for one run each.
class SmallDisk {
public:
    SmallDisk()
    {
        QVERIFY(m_dir.isValid());
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=512k"), QStringLiteral("tmpfs"), m_dir.path()});
        m_mounted = mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        QVERIFY2(m_mounted, "This test mounts a 512 KB tmpfs and must run as root (CI does): "
                            + mount.readAllStandardError());
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    // Leaves `bytes` free (to the page).
    void fillLeaving(qint64 bytes) const
    {
        struct statvfs fs {};
        QVERIFY(::statvfs(QFile::encodeName(m_dir.path()).constData(), &fs) == 0);
        const qint64 free = qint64(fs.f_bavail) * qint64(fs.f_bsize);
        QVERIFY(free > bytes);
        QVERIFY(writeAll(path(QStringLiteral("fill")), QByteArray(int(free - bytes), 'x')));
    }
    void empty() const
    {
        QDir(path(QStringLiteral("app"))).removeRecursively();
        QFile::remove(path(QStringLiteral("fill")));
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// The files under a folder with their contents.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.insert(file.mid(folder.size()), readAll(file));
    }
    return files;
}

QStringList keysOf(const QByteArray &ini)
{
    QStringList keys;
    QString section;
    for (const QByteArray &line : ini.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            section = QString::fromLatin1(trimmed.mid(1, trimmed.size() - 2));
        else if (trimmed.contains('='))
            keys.append(section + QLatin1Char('/') + QString::fromLatin1(trimmed.left(trimmed.indexOf('='))));
    }
    return keys;
}

} // namespace

class CliFilesTest : public QObject {
    Q_OBJECT

    static QStringList emulatedApply(const QString &appDir)
    {
        return {QStringLiteral("--app-dir"), appDir, QStringLiteral("--emulate"), QStringLiteral("--trace"), QStringLiteral("apply")};
    }

private slots:
    // Settings as a user's hold them (a named profile in slot 1, applied once, and a macro),
    // made once for every test.
    void initTestCase()
    {
        AppDirFixture app;
        app.setKeys(app.configIni(), {{"Config/Profile1", "Main"}});
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("macro"), QStringLiteral("gun"), QStringLiteral("Gun")})).exitCode, 0);
        QCOMPARE(runCliProgram(app.withAppDir({QStringLiteral("--emulate"), QStringLiteral("apply")})).exitCode, 0);
        m_gunFile = readAll(app.path(QStringLiteral("Configs/MacroDB/Gun.MSMACRO")));
        QVERIFY(!m_gunFile.isEmpty());
        QVERIFY(writeAll(m_scratch.filePath(QStringLiteral("Imported.MSMACRO")), m_gunFile));
        m_userSettings = contents(app.path(QStringLiteral("Configs")));
    }

    // Every kind of target for the three exports: only a new file, or an existing regular one
    // with --force, is written; the program's own folder never is.
    void exportTargets_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList commands{QStringLiteral("export"), QStringLiteral("profile export"), QStringLiteral("macro export")};
        for (const QString &command : commands) {
            auto row = [&](const char *name, const char *target, bool force, int exit, const char *message) {
                QTest::addRow("%s: %s", qPrintable(command), name) << command << QString::fromLatin1(target) << force << exit
                                                                  << QString::fromLatin1(message);
            };
            row("new file", "new", false, 0, "");
            row("existing file", "existing", false, 65, "already exists");
            row("existing file, --force", "existing", true, 0, "");
            row("FIFO", "fifo", true, 65, "is not a regular file");
            row("symbolic link", "link", true, 65, "is not a regular file");
            row("device node", "/dev/null", true, 65, "is not a regular file");
            row("own Config.ini", "config", false, 65, "settings folder");
            row("own Config.ini, --force", "config", true, 65, "settings folder");
            row("new file in the own folder", "config-folder", true, 65, "settings folder");
        }
    }
    void exportTargets()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(bool, force);
        QFETCH(int, exitCode);
        QFETCH(QString, message);

        AppDirFixture app;
        app.setKeys(app.configIni(), {{"Config/Profile1", "Main"}});
        app.setKeys(app.slotProfile(QStringLiteral("Main")), {{"PROFILE/BUTTON_INFO_0_Fun", 1}, {"PROFILE/pollrate", 2}});
        QVERIFY(writeAll(app.path(QStringLiteral("Configs/MacroDB/Gun.MSMACRO")), m_gunFile));

        QString path = app.path(QStringLiteral("out/") + target);
        QDir().mkpath(app.path(QStringLiteral("out")));
        const QByteArray old("kept as it was\n");
        if (target == QLatin1String("existing")) {
            QVERIFY(writeAll(path, old));
        } else if (target == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (target == QLatin1String("link")) {
            QVERIFY(writeAll(app.path(QStringLiteral("out/pointed-at")), old));
            QVERIFY(QFile::link(app.path(QStringLiteral("out/pointed-at")), path));
        } else if (target.startsWith(QLatin1Char('/'))) {
            path = target;
        } else if (target == QLatin1String("config")) {
            path = app.configIni();
        } else if (target == QLatin1String("config-folder")) {
            path = app.path(QStringLiteral("Configs/Profile/exported.prof"));
        }
        const QMap<QString, QByteArray> before = contents(app.path(QStringLiteral("Configs")));

        QStringList arguments = command.split(QLatin1Char(' '));
        arguments << (command == QLatin1String("export") ? QStringList() : QStringList{command.startsWith(QLatin1String("macro")) ? QStringLiteral("Gun") : QStringLiteral("Main")})
                  << path;
        if (force)
            arguments << QStringLiteral("--force");
        const CliRun run = runCliProgram(app.withAppDir(arguments));
        QVERIFY(run.finished);
        QVERIFY2(run.exitCode == exitCode, qPrintable(QStringLiteral("%1: %2").arg(run.exitCode).arg(run.err)));
        QVERIFY2(run.err.contains(message), qPrintable(run.err));

        // The settings never change, whatever the target.
        QCOMPARE(contents(app.path(QStringLiteral("Configs"))), before);
        const QFileInfo written(path);
        if (exitCode == 0) {
            QVERIFY(written.isFile());
            QVERIFY(readAll(path) != old && !readAll(path).isEmpty());
        } else if (target == QLatin1String("existing")) {
            QCOMPARE(readAll(path), old);
        } else if (target == QLatin1String("fifo")) {
            struct stat st {};
            QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        } else if (target == QLatin1String("link")) {
            QVERIFY(written.isSymLink());
            QCOMPARE(readAll(app.path(QStringLiteral("out/pointed-at"))), old);
        } else if (target == QLatin1String("config-folder")) {
            QVERIFY(!written.exists());
        }
    }

    // Each writing command on a disk with a few kilobytes left: it either does all it says
    // (exit 0, every settings file whole) or nothing (exit 74, every file as it was).
    void aFullDiskLeavesEveryFileOldOrNew_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<qint64>("free");
        const QList<QPair<const char *, QStringList>> commands{
            {"macro import", {QStringLiteral("macro"), QStringLiteral("import"), QStringLiteral("@/Imported.MSMACRO")}},
            {"macro gun", {QStringLiteral("macro"), QStringLiteral("gun"), QStringLiteral("Second")}},
            {"macro rename", {QStringLiteral("macro"), QStringLiteral("rename"), QStringLiteral("Gun"), QStringLiteral("Renamed")}},
            {"profile add", {QStringLiteral("profile"), QStringLiteral("add")}},
            {"profile rename", {QStringLiteral("profile"), QStringLiteral("rename"), QStringLiteral("Main"), QStringLiteral("Other")}},
            {"set", {QStringLiteral("set"), QStringLiteral("scroll"), QStringLiteral("7")}},
            {"apply", {QStringLiteral("--emulate"), QStringLiteral("apply")}},
        };
        for (const auto &command : commands) {
            for (const qint64 free : {0, 8192, 16384})
                QTest::addRow("%s, %lld bytes free", command.first, free) << command.second << free;
        }
    }
    void aFullDiskLeavesEveryFileOldOrNew()
    {
        QFETCH(QStringList, arguments);
        QFETCH(qint64, free);
        // One mount for all rows, taken down at the end.
        if (!m_disk)
            m_disk = std::make_unique<SmallDisk>();
        if (QTest::currentTestFailed())
            return;
        SmallDisk *disk = m_disk.get();

        disk->empty();
        const QString appDir = disk->path(QStringLiteral("app"));
        QVERIFY(QDir().mkpath(appDir));
        QVERIFY(QFile::copy(qEnvironmentVariable("ZEL_APP_DIR") + QStringLiteral("/DefaultProfile.bin"), appDir + QStringLiteral("/DefaultProfile.bin")));
        for (auto it = m_userSettings.cbegin(); it != m_userSettings.cend(); ++it)
            QVERIFY(writeAll(appDir + QStringLiteral("/Configs") + it.key(), it.value()));
        const QStringList at{QStringLiteral("--app-dir"), appDir};

        const QMap<QString, QByteArray> before = contents(appDir + QStringLiteral("/Configs"));
        QCOMPARE(before, m_userSettings);
        disk->fillLeaving(free);
        QStringList command = arguments;
        command.replaceInStrings(QStringLiteral("@"), m_scratch.path());
        const CliRun run = runCliProgram(at + command);
        QVERIFY(run.finished);
        const QMap<QString, QByteArray> after = contents(appDir + QStringLiteral("/Configs"));
        const QString what = QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.err);
        if (free == 0)
            QVERIFY2(run.exitCode == 74, qPrintable(what));
        QVERIFY2(run.exitCode == 0 || run.exitCode == 74, qPrintable(what));
        if (run.exitCode == 74) {
            QCOMPARE(after, before);
            return;
        }
        // Done: no settings file lost a key it had, and none was left empty.
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!after.contains(it.key()))
                continue; // renamed away
            QVERIFY2(!after.value(it.key()).isEmpty(), qPrintable(it.key()));
            const QStringList afterKeys = keysOf(after.value(it.key()));
            const QSet<QString> keys(afterKeys.cbegin(), afterKeys.cend());
            for (const QString &key : keysOf(it.value()))
                QVERIFY2(keys.contains(key), qPrintable(it.key() + QLatin1Char(' ') + key));
        }
    }

    // A slot file with no profile in it reads as a missing one: the mouse gets the factory
    // button table, never one of zeros; a table without a left click is refused.
    void slotFilesWithoutAProfile()
    {
        AppDirFixture app;
        app.setKeys(app.configIni(), {{"Config/Profile1", "Main"}});
        const QString slotFile = app.slotProfile(QStringLiteral("Main"));
        const CliRun missing = runCliProgram(emulatedApply(app.root()));
        QCOMPARE(missing.exitCode, 0);
        const QStringList factory = buttonTable(missing);
        QCOMPARE(factory.size(), 3);

        // Empty, and as the window's stage report once made it.
        for (const QByteArray &content : {QByteArray(), QByteArray("[PROFILE]\r\ndpi=0\r\n")}) {
            QVERIFY(writeAll(slotFile, content));
            const CliRun run = runCliProgram(emulatedApply(app.root()));
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(buttonTable(run), factory);
            QFile::remove(slotFile);
        }

        // A profile whose buttons hold no left click (a file edited by hand).
        QMap<QString, QVariant> noClick{{"PROFILE/pollrate", 2}};
        for (int b = 0; b < 16; ++b)
            noClick.insert(QStringLiteral("PROFILE/BUTTON_INFO_%1_Fun").arg(b), 2);
        app.setKeys(slotFile, noClick);
        const CliRun refused = runCliProgram(emulatedApply(app.root()));
        QCOMPARE(refused.exitCode, 65);
        QVERIFY2(refused.err.contains(QLatin1String("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")), qPrintable(refused.err));
        QVERIFY(buttonTable(refused).isEmpty());
    }

    // A configuration file that cannot be read is named as the cause, not taken for one
    // without slot names; nothing is written over it.
    void setNamesAnUnreadableConfigurationFile()
    {
        AppDirFixture app;
        QVERIFY(QFile::remove(app.configIni()));
        QCOMPARE(::mkfifo(QFile::encodeName(app.configIni()).constData(), 0600), 0);
        const CliRun run = runCliProgram(app.withAppDir({QStringLiteral("set"), QStringLiteral("scroll"), QStringLiteral("5")}));
        QCOMPARE(run.exitCode, 74);
        QVERIFY2(run.err.contains(QLatin1String("cannot be read (it is not a regular file)")), qPrintable(run.err));
        struct stat st {};
        QVERIFY(::lstat(QFile::encodeName(app.configIni()).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    // A run ended by SIGTERM or SIGINT in the middle of its write takes its testbed along.
    void aSignalledRunLeavesNoTestbed_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void aSignalledRunLeavesNoTestbed()
    {
        QFETCH(int, signal);
        AppDirFixture app;
        const QString runtime = app.path(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("ZEL_EMULATE_REPLY_DELAY_MS"), QStringLiteral("30"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZEL_CLI_PROGRAM), emulatedApply(app.root()));
        QVERIFY(process.waitForStarted(10000));
        QByteArray err;
        QVERIFY(QTest::qWaitFor([&] {
            process.waitForReadyRead(50);
            err += process.readAllStandardError();
            return err.contains("hid_write") || process.state() == QProcess::NotRunning;
        }, 30000));
        QVERIFY2(process.state() == QProcess::Running, "the apply ended before it could be interrupted");
        const QStringList testbeds{QStringLiteral("umockdev.*")};
        QVERIFY(!QDir(runtime).entryList(testbeds, QDir::Dirs).isEmpty());
        ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 128 + signal);
        // The folder goes once the process has ended.
        QVERIFY2(QTest::qWaitFor([&] { return QDir(runtime).entryList(testbeds, QDir::Dirs).isEmpty(); }, 10000),
                 qPrintable(QDir(runtime).entryList(testbeds, QDir::Dirs).join(QLatin1Char(' '))));
    }

    // Two applies at once, as two programs: the second one's packets reach the mouse only once
    // the first one's write sequence has ended.
    void twoAppliesNeverInterleave()
    {
        AppDirFixture first;
        AppDirFixture second;
        const QString wire = first.path(QStringLiteral("wire.log"));
        const QProcessEnvironment env = environment({{QStringLiteral("ZEL_EMULATE_WIRE_LOG"), wire},
                                                     {QStringLiteral("ZEL_EMULATE_REPLY_DELAY_MS"), QStringLiteral("2")}});
        QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
        all.insert(env);
        QProcess a;
        QProcess b;
        for (QProcess *p : {&a, &b})
            p->setProcessEnvironment(all);
        a.start(QStringLiteral(ZEL_CLI_PROGRAM), emulatedApply(first.root()));
        b.start(QStringLiteral(ZEL_CLI_PROGRAM), emulatedApply(second.root()));
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);

        // Within one program's write (begin marker to end marker) no other program's packet.
        QString writer;
        int sequences = 0;
        for (const QByteArray &line : readAll(wire).split('\n')) {
            if (line.isEmpty())
                continue;
            const QString pid = QString::fromLatin1(line.left(line.indexOf(' ')));
            const QByteArray bytes = line.mid(line.indexOf(' ') + 1);
            if (!writer.isEmpty())
                QVERIFY2(pid == writer, line.constData());
            if (bytes.startsWith("00 aa 55")) {
                writer = pid;
                ++sequences;
            } else if (bytes.startsWith("00 cc 33")) {
                writer.clear();
            }
        }
        QCOMPARE(sequences, 2);
    }

    void cleanupTestCase() { m_disk.reset(); }

private:
    QTemporaryDir m_scratch;
    QByteArray m_gunFile;
    QMap<QString, QByteArray> m_userSettings;
    std::unique_ptr<SmallDisk> m_disk;
};

QTEST_GUILESS_MAIN(CliFilesTest)
#include "cli_files_test.moc"
