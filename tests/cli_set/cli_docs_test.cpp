// The generated completions complete what users type, in a real bash; the manual page is
// clean man(7) markup that carries every command of the tool.
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_docs.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class CliDocsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_script;

    // The words bash offers for the command line `line`, the last word being completed.
    QStringList complete(const QStringList &line)
    {
        QStringList quoted;
        for (const QString &word : line)
            quoted << QStringLiteral("'%1'").arg(QString(word).replace(QLatin1Char('\''), QLatin1String("'\\''")));
        const QString program = QStringLiteral("source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _zelmouse_cli; printf '%s\\n' \"${COMPREPLY[@]}\"")
                                    .arg(m_script, quoted.join(QLatin1Char(' ')))
                                    .arg(line.size() - 1);
        QProcess bash;
        bash.start(QStringLiteral("bash"), {QStringLiteral("--norc"), QStringLiteral("-c"), program});
        if (!bash.waitForFinished(30000) || bash.exitCode() != 0)
            return {QStringLiteral("bash failed: ") + QString::fromLocal8Bit(bash.readAllStandardError())};
        return QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("bash")).isEmpty())
            QSKIP("bash is not installed");
        QVERIFY(m_dir.isValid());
        m_script = m_dir.filePath(QStringLiteral("zelmouse-cli"));
        QFile file(m_script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bashCompletionScript().toUtf8());
    }

    void bashCompletesWhatUsersType_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("command") << QStringList{"zelmouse-cli", "--emulate", "se"} << QStringList{"select-profile", "set", "select-slot"};
        QTest::newRow("setting") << QStringList{"zelmouse-cli", "set", "--slot", "2", "an"} << QStringList{"angle-snapping"};
        QTest::newRow("function with a space") << QStringList{"zelmouse-cli", "set", "button", "3", "vol"}
                                               << QStringList{"Volume\\ Up", "Volume\\ Down"};
        QTest::newRow("key") << QStringList{"zelmouse-cli", "set", "button", "3", "key", "F1"}
                             << QStringList{"F1", "F10", "F11", "F12"};
        QTest::newRow("combo after a plus") << QStringList{"zelmouse-cli", "set", "button", "3", "combo", "LCtr+Page"}
                                            << QStringList{"LCtr+Page\\ Up", "LCtr+Page\\ Down"};
        QTest::newRow("fire target") << QStringList{"zelmouse-cli", "set", "button", "3", "fire", "mi"} << QStringList{"middle"};
        QTest::newRow("effect") << QStringList{"zelmouse-cli", "set", "led", "7"}
                                << QStringList{"7\\ COLOR", "7\\ COLOR\\ BREATHING", "7\\ COLOR\\ with\\ tail"};
        QTest::newRow("effect settings") << QStringList{"zelmouse-cli", "set", "led", "BREATHING", ""}
                                         << QStringList{"color", "brightness", "speed"};
        QTest::newRow("get has no values") << QStringList{"zelmouse-cli", "get", "rate", ""} << QStringList{};
        QTest::newRow("desktop option") << QStringList{"zelmouse-cli", "set", "desktop-pointer-speed", ""} << QStringList{"on", "off"};
    }

    void bashCompletesWhatUsersType()
    {
        QFETCH(QStringList, line);
        QFETCH(QStringList, offered);
        QCOMPARE(complete(line), offered);
    }

    // zsh's own compadd filters and quotes; a stand-in prints what the script offers, one
    // entry a line, so that entries holding spaces stay whole.
    void zshOffersWholeEntries()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("zsh")).isEmpty())
            QSKIP("zsh is not installed");
        const QString script = m_dir.filePath(QStringLiteral("_zelmouse-cli"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(zshCompletionScript().toUtf8());
        file.close();
        const auto offered = [&](const QString &line, int current) {
            const QString program = QStringLiteral(
                "compadd() { while [[ $1 != -- ]]; do shift; done; shift; print -l -- \"$@\" }\n"
                "compset() { : }\n"
                "complete_line() { source '%1' }\n"
                "words=(%2); CURRENT=%3; complete_line\n").arg(script, line).arg(current);
            QProcess zsh;
            zsh.start(QStringLiteral("zsh"), {QStringLiteral("-f"), QStringLiteral("-c"), program});
            zsh.waitForFinished(30000);
            return QString::fromUtf8(zsh.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        QVERIFY(offered(QStringLiteral("zelmouse-cli set button 3 ''"), 5).contains(QStringLiteral("Volume Up")));
        QVERIFY(offered(QStringLiteral("zelmouse-cli set button 3 key ''"), 6).contains(QStringLiteral("Page Up")));
        QCOMPARE(offered(QStringLiteral("zelmouse-cli set --slot 2 led BREATHING ''"), 7),
                 (QStringList{QStringLiteral("color"), QStringLiteral("brightness"), QStringLiteral("speed")}));
        QCOMPARE(offered(QStringLiteral("zelmouse-cli set rate ''"), 4),
                 (QStringList{QStringLiteral("125"), QStringLiteral("250"), QStringLiteral("500"), QStringLiteral("1000")}));
    }

    void manPageIsCleanAndListsEveryCommand()
    {
        const QString page = manPage(QStringLiteral("9.9"));
        for (CliCommand command : cliCommands())
            QVERIFY2(page.contains(QStringLiteral(".SS ") + QString(cliCommandName(command)).replace(QLatin1Char('-'), QLatin1String("\\-"))),
                     qPrintable(cliCommandName(command)));
        if (QStandardPaths::findExecutable(QStringLiteral("groff")).isEmpty())
            QSKIP("groff is not installed");
        QProcess groff;
        groff.start(QStringLiteral("groff"), {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww")});
        QVERIFY(groff.waitForStarted());
        groff.write(page.toUtf8());
        groff.closeWriteChannel();
        QVERIFY(groff.waitForFinished(30000));
        QCOMPARE(QString::fromLocal8Bit(groff.readAllStandardError()), QString());
        const QString rendered = QString::fromUtf8(groff.readAllStandardOutput());
        QVERIFY(rendered.contains(QLatin1String("ZELMOUSE-CLI(1)")));
        // The help's own words, with hyphens and quotes intact.
        QVERIFY(rendered.contains(QLatin1String("angle-snapping on|off")));
        QVERIFY(rendered.contains(QLatin1String("\"Volume Up\"")));
    }
};

QTEST_GUILESS_MAIN(CliDocsTest)
#include "cli_docs_test.moc"
