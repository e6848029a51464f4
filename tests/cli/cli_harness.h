#pragma once
// Runs the built zelmouse-cli as a user would, against a private copy of the application
// directory.
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

struct CliRun {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0;

    QStringList errLines() const { return err.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

inline CliRun runCliProgram(const QStringList &arguments, const QProcessEnvironment &extra = {}, int timeoutMs = 60000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &key : extra.keys())
        env.insert(key, extra.value(key));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(ZEL_CLI_PROGRAM), arguments);
    CliRun run;
    if (!process.waitForStarted(10000))
        return run;
    run.finished = process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    run.elapsedMs = timer.elapsed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Bytes 1 to 32 of every packet the tool wrote, as hex text, from its --trace output.
inline QStringList writtenPackets(const CliRun &run)
{
    QStringList packets;
    const QString marker = QStringLiteral("hid_write length=33 data=");
    for (const QString &line : run.errLines()) {
        const int at = line.indexOf(marker);
        if (at >= 0)
            packets.append(line.mid(at + marker.size()).left(32 * 3 - 1));
    }
    return packets;
}

// The built product file and the Configs of a fresh install, in a temporary folder.
class AppDirFixture {
public:
    AppDirFixture()
    {
        const QString source = qEnvironmentVariable("ZEL_APP_DIR");
        QVERIFY2(!source.isEmpty(), "ZEL_APP_DIR is not set");
        QVERIFY(m_dir.isValid());
        QVERIFY(QFile::copy(source + QStringLiteral("/DefaultProfile.bin"), path(QStringLiteral("DefaultProfile.bin"))));
        copyTree(qEnvironmentVariable("ZEL_SEED_CONFIGS"), path(QStringLiteral("Configs")));
    }

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString configIni() const { return path(QStringLiteral("Configs/Config.ini")); }
    QString slotProfile(const QString &name) const { return path(QStringLiteral("Configs/Profile/%1.prof").arg(name)); }

    // Writes keys through QSettings, so that this process's QSettings cache stays right.
    void setKeys(const QString &file, const QMap<QString, QVariant> &keys) const
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QSettings ini(file, QSettings::IniFormat);
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
    }

    // Read from a fresh copy: the tool rewrites files behind this process's QSettings cache.
    QVariant value(const QString &file, const QString &key) const
    {
        const QString copy = path(QStringLiteral("read-%1.ini").arg(++m_reads));
        QFile::remove(copy);
        if (!QFile::copy(file, copy))
            return QVariant();
        const QVariant result = QSettings(copy, QSettings::IniFormat).value(key);
        QFile::remove(copy);
        return result;
    }

    // File name -> content hash of everything under Configs, to prove that nothing changed.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(path(QStringLiteral("Configs")), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QFile f(file);
            if (f.open(QIODevice::ReadOnly))
                files.insert(file, QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1));
        }
        return files;
    }

    QStringList withAppDir(const QStringList &arguments) const
    {
        return QStringList{QStringLiteral("--app-dir"), root()} + arguments;
    }

private:
    static void copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = to + file.mid(from.size());
            if (it.fileInfo().isDir())
                QDir().mkpath(target);
            else
                QFile::copy(file, target);
        }
    }

    QTemporaryDir m_dir;
    mutable int m_reads = 0;
};
