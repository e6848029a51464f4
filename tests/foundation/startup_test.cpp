#include "app/startup.h"
#include "platform/autostart.h"
#include "platform/trace_rules.h"
#include "ui/main/zizirazi_widget.h"

#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsTitledWithTheProductName()
    {
        auto window = createMainWindow(QStringLiteral("Glide X7"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Glide X7"));
    }

    void windowStaysHiddenWithoutAMouse()
    {
        auto window = createMainWindow(QStringLiteral("Glide X7"));
        if (window->connectedMouseCount() == 0)
            QVERIFY(!window->isVisible());
        else
            QVERIFY(window->isVisible());
    }

    void hiddenOptionIsTakenOutWherever()
    {
        char program[] = "zelmouse", hidden[] = "--hidden", other[] = "-style=fusion";
        char *argv[] = {program, hidden, other, hidden, nullptr};
        int argc = 4;
        QVERIFY(takeHiddenOption(argc, argv));
        QCOMPARE(argc, 2);
        QCOMPARE(QByteArray(argv[1]), QByteArray("-style=fusion"));
        QCOMPARE(argv[2], nullptr);
        QVERIFY(!takeHiddenOption(argc, argv));
    }

    // Started as a user starts it, the program prints warnings, not traces; --trace asks for them.
    void tracesAreOffUnlessAskedFor()
    {
        char program[] = "zelmouse", trace[] = "--trace", hidden[] = "--hidden";
        char *argv[] = {program, trace, hidden, nullptr};
        int argc = 3;
        QVERIFY(takeTraceOption(argc, argv));
        QCOMPARE(argc, 2);
        QCOMPARE(QByteArray(argv[1]), QByteArray("--hidden"));

        selectTraces(false);
        for (const char *category : {"zelmouse.window", "zelmouse.device", "zelmouse.store"}) {
            const QLoggingCategory traces(category);
            QVERIFY2(!traces.isDebugEnabled(), category);
            QVERIFY2(traces.isWarningEnabled() && traces.isCriticalEnabled(), category);
        }
        // Plain qDebug() lines too.
        QVERIFY(!QLoggingCategory::defaultCategory()->isDebugEnabled());
        QVERIFY(QLoggingCategory::defaultCategory()->isWarningEnabled());
        QLoggingCategory::setFilterRules(QString());
    }

    void loginEntryStartsTheProgramHiddenAndGoesAway()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        const QString program = QStringLiteral("/opt/zel mouse/bin/zel$mouse");
        QVERIFY(setStartAtLogin(true, program));
        QVERIFY(startsAtLogin());
        QFile entry(autostartEntryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        // Quoted, with the dollar escaped, as desktop entries want.
        QVERIFY(entry.readAll().contains("Exec=\"/opt/zel mouse/bin/zel\\$mouse\" --hidden\n"));
        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
            QCOMPARE(QProcess::execute(QStringLiteral("desktop-file-validate"), {autostartEntryPath()}), 0);
        QVERIFY(setStartAtLogin(false, program));
        QVERIFY(!startsAtLogin());
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
