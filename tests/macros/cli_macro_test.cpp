// zelmouse-cli's macro commands end to end: the same library, names and refusals as the
// editor.
#include "../cli/cli_harness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliMacroTest : public QObject {
    Q_OBJECT

    static CliRun cli(const AppDirFixture &app, const QStringList &arguments)
    {
        return runCliProgram(app.withAppDir(arguments));
    }
    static QJsonObject json(const CliRun &run) { return QJsonDocument::fromJson(run.out.toUtf8()).object(); }
    static QString macroFile(const AppDirFixture &app, const QString &name)
    {
        return app.path(QStringLiteral("Configs/MacroDB/%1.MSMACRO").arg(name));
    }

private slots:
    void gunFilesListAndWords()
    {
        AppDirFixture app;
        CliRun run = cli(app, {"macro", "gun", "ak"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("\"ak\" with 15 events")), qPrintable(run.out));
        QCOMPARE(cli(app, {"macro", "gun", "ak"}).exitCode, 0);
        run = cli(app, {"macro", "gun", "ak", "--bullets", "1", "--bullet", "55,3,-2"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("\"ak_3\" with 5 events")), qPrintable(run.out));

        run = cli(app, {"macros", "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray macros = json(run).value(QStringLiteral("macros")).toArray();
        QCOMPARE(macros.size(), 3);
        QCOMPARE(macros.at(1).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("ak_2"));
        QCOMPARE(macros.at(2).toObject().value(QStringLiteral("events")).toInt(), 5);

        run = cli(app, {"macro", "show", "ak_3", "--json"});
        QCOMPARE(run.exitCode, 0);
        QStringList words;
        QVector<int> bytes;
        for (const QJsonValue &e : json(run).value(QStringLiteral("events")).toArray()) {
            words << e.toObject().value(QStringLiteral("text")).toString();
            for (const char *key : {"map", "dataH", "dataL"})
                bytes << e.toObject().value(QLatin1String(key)).toInt();
        }
        QCOMPARE(words, (QStringList{"press left button", "release left button", "move down 3", "move left 2", "delay 50 ms"}));
        QCOMPARE(bytes, (QVector<int>{0x81, 0, 1, 0x01, 0, 1, 2, 3, 0, 2, 0, 254, 6, 0, 5}));
        QCOMPARE(app.value(macroFile(app, QStringLiteral("ak_3")), QStringLiteral("Setting/DelayType")).toInt(), 1);

        // Keys in words, delays in the product's unit.
        app.setKeys(macroFile(app, QStringLiteral("keys")), {{"Setting/Count", 3}, {"Setting/Map_0", 132}, {"Setting/DataL_0", 4},
                                                              {"Setting/Map_1", 6}, {"Setting/DataL_1", 5},
                                                              {"Setting/Map_2", 4}, {"Setting/DataL_2", 4}});
        run = cli(app, {"macro", "show", "keys"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("press A\n")) && run.out.contains(QStringLiteral("delay 50 ms\n"))
                     && run.out.contains(QStringLiteral("release A\n")),
                 qPrintable(run.out));
    }

    void renameImportExportDelete()
    {
        AppDirFixture app;
        QCOMPARE(cli(app, {"macro", "gun", "spray"}).exitCode, 0);
        QCOMPARE(cli(app, {"macro", "gun", "burst", "--bullets", "2"}).exitCode, 0);

        CliRun run = cli(app, {"macro", "rename", "burst", "spray"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("\"spray_2\"")));
        QCOMPARE(app.value(app.configIni(), QStringLiteral("MACRO_LIST/1")).toString(), QStringLiteral("spray_2"));

        const QString exported = app.path(QStringLiteral("spray.MSMACRO"));
        QCOMPARE(cli(app, {"macro", "export", "spray", exported}).exitCode, 0);
        QVERIFY(QFile::exists(exported));
        run = cli(app, {"macro", "export", "spray_2", exported});
        QCOMPARE(run.exitCode, 65);
        QVERIFY(run.err.contains(QStringLiteral("--force")));
        QCOMPARE(app.value(exported, QStringLiteral("Setting/Count")).toInt(), 15);
        QCOMPARE(cli(app, {"macro", "export", "spray_2", exported, "--force"}).exitCode, 0);
        QCOMPARE(app.value(exported, QStringLiteral("Setting/Count")).toInt(), 6);
        // Into a folder: the macro's own file name there.
        QCOMPARE(cli(app, {"macro", "export", "spray_2", app.root()}).exitCode, 0);
        QCOMPARE(app.value(app.path(QStringLiteral("spray_2.MSMACRO")), QStringLiteral("Setting/Count")).toInt(), 6);

        // Importing over an existing macro is refused; a fresh name is taken.
        run = cli(app, {"macro", "import", exported});
        QCOMPARE(run.exitCode, 65);
        QVERIFY2(run.err.contains(QStringLiteral("Macro Exist!")), qPrintable(run.err));
        QCOMPARE(app.value(macroFile(app, QStringLiteral("spray")), QStringLiteral("Setting/Count")).toInt(), 15);
        QCOMPARE(cli(app, {"macro", "delete", "spray"}).exitCode, 0);
        QVERIFY(!QFile::exists(macroFile(app, QStringLiteral("spray"))));
        run = cli(app, {"macro", "import", exported});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(app.value(macroFile(app, QStringLiteral("spray")), QStringLiteral("Setting/Count")).toInt(), 6);
        // The freed first slot takes it.
        QCOMPARE(app.value(app.configIni(), QStringLiteral("MACRO_LIST/0")).toString(), QStringLiteral("spray"));

        // Something that is not a macro file.
        const QString junk = app.path(QStringLiteral("junk.MSMACRO"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("hello\n");
        f.close();
        run = cli(app, {"macro", "import", junk});
        QCOMPARE(run.exitCode, 65);
        QVERIFY(run.err.contains(QStringLiteral("is not a macro file")));
    }

    void refusalsTouchNothing()
    {
        AppDirFixture app;
        QCOMPARE(cli(app, {"macro", "gun", "ak"}).exitCode, 0);
        const auto before = app.snapshot();
        const QList<QStringList> refused = {
            {"macro", "rename", "ak", "../evil"},
            {"macro", "rename", "ak", "a/b"},
            {"macro", "rename", "ak", "  "},
            {"macro", "gun", ""},
            {"macro", "gun", "x\\y"},
            {"macro", "rename", "nosuch", "other"},
            {"macro", "delete", "nosuch"},
            {"macro", "show", "nosuch"},
        };
        for (const QStringList &arguments : refused) {
            const CliRun run = cli(app, arguments);
            QVERIFY2(run.exitCode == 65, qPrintable(arguments.join(' ') + QStringLiteral(": ") + run.err));
            QCOMPARE(run.errLines().size(), 1);
        }
        const QList<QStringList> misused = {
            {"macro", "gun", "ak", "--bullets", "6"},
            {"macro", "gun", "ak", "--bullet", "1000,0,0"},
            {"macro", "gun", "ak", "--bullets", "1", "--bullet", "10,0,0", "--bullet", "10,0,0"},
            {"macro", "gun", "ak", "--bullet", "10,0"},
            {"macro", "show", "ak", "--force"},
            {"macro", "frob"},
            {"macro", "rename", "ak"},
        };
        for (const QStringList &arguments : misused)
            QVERIFY2(cli(app, arguments).exitCode == 64, qPrintable(arguments.join(' ')));
        QCOMPARE(app.snapshot(), before);

        // Fifty macros: no more.
        QMap<QString, QVariant> full;
        for (int i = 1; i < 50; ++i)
            full.insert(QStringLiteral("MACRO_LIST/%1").arg(i), QStringLiteral("m%1").arg(i));
        app.setKeys(app.configIni(), full);
        const CliRun run = cli(app, {"macro", "gun", "more"});
        QCOMPARE(run.exitCode, 65);
        QVERIFY(run.err.contains(QStringLiteral("TOO MANY MACROS TO BE CREATE!")));
        QVERIFY(!QFile::exists(macroFile(app, QStringLiteral("more"))));
    }
};

QTEST_MAIN(CliMacroTest)
#include "cli_macro_test.moc"
