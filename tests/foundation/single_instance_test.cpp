#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The guard across real processes of the built program.
class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;
    QList<QProcess *> m_running;

    QProcess *start(const QString &program, const QStringList &arguments = {}, const QString &tmpDir = {},
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
    {
        auto *p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!tmpDir.isEmpty())
            env.insert(QStringLiteral("TMPDIR"), tmpDir);
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(channels);
        p->start(program, arguments);
        m_running << p;
        return p;
    }

    static QString lockPathFor(const QString &product)
    {
        return SingleInstanceLock(instanceNameForProduct(product)).lockFilePath();
    }

    // The process id a lock file names on its first line.
    static qint64 lockHolder(const QString &product)
    {
        QFile file(lockPathFor(product));
        return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
    }

    // A copy of the program beside a product file of the given name, so that runs of it
    // never touch the built application directory.
    static QString programForProduct(QTemporaryDir &dir, const QString &product)
    {
        const QString copy = dir.filePath(QStringLiteral("zelmouse"));
        QFile::copy(QStringLiteral(ZEL_PROGRAM), copy);
        QFile(copy).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSettings s(dir.filePath(QStringLiteral("DefaultProfile.bin")), QSettings::IniFormat);
        s.setValue(QStringLiteral("PROFILE/ProductName"), product);
        return copy;
    }

    QTemporaryDir m_productDir;
    QString m_program;
    const QString m_product = QStringLiteral("Glide X7");

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        m_program = programForProduct(m_productDir, m_product);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void cleanup()
    {
        for (QProcess *p : m_running) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
        m_running.clear();
    }

    void secondStartOfTheSameProductExitsWithOne()
    {
        QProcess *first = start(m_program);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPathFor(m_product)), 15000);
        QCOMPARE(first->state(), QProcess::Running);

        QProcess *second = start(m_program);
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 1);
        QCOMPARE(first->state(), QProcess::Running);
    }

    // The emulated mouse is plugged while the application starts, before the guard is asked:
    // a refused start unplugs it again and takes its testbed folder with it.
    void secondEmulatedStartLeavesNoTestbed()
    {
        QTemporaryDir tmp;
        QProcess *first = start(m_program);
        QVERIFY(first->waitForStarted(15000));
        // Held by the first, not merely left behind by an earlier test's killed run.
        QTRY_VERIFY_WITH_TIMEOUT(lockHolder(m_product) == first->processId(), 15000);

        QProcess *second = start(m_program, {QStringLiteral("--emulate")}, tmp.path(), QProcess::SeparateChannels);
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 1);
        // The plug's thread must not have become Qt's main thread.
        const QByteArray errors = second->readAllStandardError();
        QVERIFY2(!errors.contains("not created in the main() thread"), errors.constData());
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QCOMPARE(QDir(m_runtime.path()).entryList({QStringLiteral("umockdev.*")}, QDir::AllEntries | QDir::Hidden), QStringList());
        QCOMPARE(first->state(), QProcess::Running);
    }

    void differentProductsRunSideBySide()
    {
        QTemporaryDir other;
        const QString otherProgram = programForProduct(other, QStringLiteral("Other/Model .."));
        QProcess *first = start(m_program);
        QProcess *second = start(otherProgram);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPathFor(m_product)), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPathFor(QStringLiteral("Other/Model .."))), 15000);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(second->state(), QProcess::Running);
    }

    void lockIsReleasedWhenTheHolderDies()
    {
        QProcess *first = start(m_program);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPathFor(m_product)), 15000);
        first->kill();
        QVERIFY(first->waitForFinished(5000));

        SingleInstanceLock lock(instanceNameForProduct(m_product));
        QVERIFY(lock.tryAcquire());
        // And while this process holds it, the program refuses to start.
        QProcess *second = start(m_program);
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitCode(), 1);
    }

    void lockNamesAreSafeFileNames_data()
    {
        QTest::addColumn<QString>("product");
        QTest::newRow("empty") << QString();
        QTest::newRow("slashes") << QStringLiteral("../../etc/passwd");
        QTest::newRow("backslash and NUL") << QStringLiteral("a\\b") + QChar(0) + QStringLiteral("c");
        QTest::newRow("long cyrillic") << QString(300, QChar(0x0416));
    }
    void lockNamesAreSafeFileNames()
    {
        QFETCH(QString, product);
        const QString name = SingleInstanceLock::lockFileName(instanceNameForProduct(product));
        QVERIFY(!name.contains(QLatin1Char('/')));
        QVERIFY(!name.contains(QChar(0)));
        QVERIFY(name.size() < 100);
        SingleInstanceLock lock(instanceNameForProduct(product));
        QCOMPARE(QFileInfo(lock.lockFilePath()).absolutePath(), QFileInfo(m_runtime.path()).absoluteFilePath());
        QVERIFY(lock.tryAcquire());
        SingleInstanceLock again(instanceNameForProduct(product));
        QVERIFY(!again.tryAcquire());
    }

    void namesThatDifferOnlyInDroppedCharactersStayApart()
    {
        QVERIFY(SingleInstanceLock::lockFileName(QStringLiteral("a/b")) != SingleInstanceLock::lockFileName(QStringLiteral("a:b")));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
