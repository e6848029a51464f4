// The tool's command-line parsing, and the function catalogue it names buttons with.
#include "store/function_catalogue.h"
#include "tools/cli/cli_arguments.h"
#include "tools/cli/settings_report.h"

#include <QSet>
#include <QtTest>

class CliArgumentsTest : public QObject {
    Q_OBJECT

private slots:
    void optionsBeforeTheCommand()
    {
        const CliArguments a = parseCliArguments({"--app-dir", "/tmp/x", "--emulate", "--trace", "status"});
        QVERIFY2(a.error.isEmpty(), qPrintable(a.error));
        QCOMPARE(a.appDir, QStringLiteral("/tmp/x"));
        QVERIFY(a.emulate);
        QCOMPARE(a.emulateMode, QStringLiteral("receiver"));
        QVERIFY(a.trace);
        QCOMPARE(a.command, CliCommand::Status);

        const CliArguments b = parseCliArguments({"--app-dir=/y", "--emulate=both", "select-profile", "5"});
        QVERIFY2(b.error.isEmpty(), qPrintable(b.error));
        QCOMPARE(b.appDir, QStringLiteral("/y"));
        QCOMPARE(b.emulateMode, QStringLiteral("both"));
        QCOMPARE(b.command, CliCommand::SelectProfile);
        QCOMPARE(b.slot, 5);
        QVERIFY(!b.trace);
        QVERIFY(!b.emulate || b.emulateMode == QLatin1String("both"));

        const CliArguments plain = parseCliArguments({"show"});
        QVERIFY(!plain.emulate);
        QVERIFY(!plain.json);
    }

    void optionsAfterTheCommandAreTheCommands()
    {
        const CliArguments json = parseCliArguments({"show", "--json"});
        QVERIFY(json.error.isEmpty());
        QVERIFY(json.json);
        // A tool option after the command is not taken as the tool's.
        QVERIFY(!parseCliArguments({"show", "--trace"}).error.isEmpty());
        QVERIFY(!parseCliArguments({"status", "--json"}).error.isEmpty());
        // A file name that looks like an option, after "--".
        const CliArguments dashed = parseCliArguments({"export", "--", "--weird.conf"});
        QVERIFY2(dashed.error.isEmpty(), qPrintable(dashed.error));
        QCOMPARE(dashed.file, QStringLiteral("--weird.conf"));
    }

    void helpAndVersion()
    {
        QVERIFY(parseCliArguments({"--help"}).help);
        QCOMPARE(parseCliArguments({"--help"}).command, CliCommand::None);
        QVERIFY(parseCliArguments({"-v"}).version);
        const CliArguments own = parseCliArguments({"import", "--help"});
        QVERIFY(own.help);
        QCOMPARE(own.command, CliCommand::Import);
        const CliArguments viaHelp = parseCliArguments({"help", "select-profile"});
        QVERIFY(viaHelp.help);
        QCOMPARE(viaHelp.command, CliCommand::SelectProfile);
        QVERIFY(cliCommandHelp(CliCommand::SelectProfile).contains(QLatin1String("select-profile N")));
        for (CliCommand c : {CliCommand::Devices, CliCommand::Status, CliCommand::Show, CliCommand::Apply,
                             CliCommand::SelectProfile, CliCommand::Export, CliCommand::Import})
            QVERIFY2(cliToolHelp().contains(QLatin1String("  ") + cliCommandName(c)), qPrintable(cliCommandName(c)));
    }

    void profileNumbers()
    {
        for (int n = 1; n <= 5; ++n) {
            const CliArguments a = parseCliArguments({"select-profile", QString::number(n)});
            QVERIFY(a.error.isEmpty());
            QCOMPARE(a.slot, n);
        }
        for (const char *bad : {"0", "6", "-1", "1.5", "x", ""})
            QVERIFY2(!parseCliArguments({"select-profile", bad}).error.isEmpty(), bad);
    }

    void errorsAreOneSentence()
    {
        const QList<QStringList> cases{{}, {"nope"}, {"--nope"}, {"--emulate=usb", "status"}, {"export"}, {"apply", "now"}};
        for (const QStringList &arguments : cases) {
            const QString error = parseCliArguments(arguments).error;
            QVERIFY2(!error.isEmpty(), qPrintable(arguments.join(' ')));
            QVERIFY2(!error.contains(QLatin1Char('\n')), qPrintable(error));
            QVERIFY2(error.endsWith(QLatin1Char('.')), qPrintable(error));
        }
    }

    void reportRates()
    {
        QCOMPARE(reportRateHz(8), 125);
        QCOMPARE(reportRateHz(4), 250);
        QCOMPARE(reportRateHz(2), 500);
        QCOMPARE(reportRateHz(1), 1000);
        QCOMPARE(reportRateHz(3), 0);
        QCOMPARE(reportRateHz(0), 0);
    }

    void catalogueLabels()
    {
        QCOMPARE(functionLabel(1), QStringLiteral("Left"));
        QCOMPARE(functionLabel(12), QStringLiteral("FIRE KEY"));
        QCOMPARE(functionLabel(39), QStringLiteral("Play/Pause"));
        QCOMPARE(functionLabel(62), QStringLiteral("Boss Key"));
        QCOMPARE(functionLabel(63), QStringLiteral("Rate Switch"));
        for (int unknown : {0, 8, 9, 10, 11, 13, 14, 15, 56, 60, 61, 64, 199, 511, -1})
            QVERIFY2(functionLabel(unknown).isEmpty() && !findFunction(unknown), qPrintable(QString::number(unknown)));
        QCOMPARE(buttonFunctionText(200, QStringLiteral("Burst")), QStringLiteral("Burst"));
        QCOMPARE(buttonFunctionText(510, QStringLiteral("AK")), QStringLiteral("AK"));
        QCOMPARE(buttonFunctionText(3, QStringLiteral("ignored")), QStringLiteral("Middle"));
        // 52 catalogue rows: 1..7, 12, 16..55, 57..59, 62, 63, 200, 510.
        QCOMPARE(functionCatalogue().size(), 7 + 1 + 40 + 3 + 2 + 2);
        int previous = 0;
        for (const FunctionCatalogueEntry &entry : functionCatalogue()) {
            QVERIFY(entry.code > previous);
            previous = entry.code;
        }
    }

    void menuLayouts()
    {
        const auto codes = [](FunctionMenu menu, bool noMacro = false, bool noLed = false) {
            QVector<int> result;
            for (const FunctionMenuItem &item : functionMenuLayout(menu, noMacro, noLed))
                result.append(item.code);
            return result;
        };
        QCOMPARE(codes(FunctionMenu::Main), (QVector<int>{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 200, 54, 16}));
        QCOMPARE(codes(FunctionMenu::Main, true, false), (QVector<int>{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 54, 16}));
        QCOMPARE(codes(FunctionMenu::Main, false, true), (QVector<int>{1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 200, 16}));
        QVector<FunctionMenu> submenus;
        for (const FunctionMenuItem &item : functionMenuLayout(FunctionMenu::Main))
            if (item.code == 0)
                submenus.append(item.submenu);
        QCOMPARE(submenus, (QVector<FunctionMenu>{FunctionMenu::Basic, FunctionMenu::Windows, FunctionMenu::Advance,
                                                  FunctionMenu::Media, FunctionMenu::Dpi, FunctionMenu::PollingRate}));
        QCOMPARE(codes(FunctionMenu::Wheel), (QVector<int>{52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(codes(FunctionMenu::Basic), (QVector<int>{17, 18, 19, 20, 21, 22, 23, 24}));
        QCOMPARE(codes(FunctionMenu::Windows), (QVector<int>{25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 62}));
        QCOMPARE(codes(FunctionMenu::Advance), (QVector<int>{6, 7, 12}));
        QCOMPARE(codes(FunctionMenu::Media), (QVector<int>{39, 40, 41, 42, 43, 44, 45, 46}));
        QCOMPARE(codes(FunctionMenu::Dpi), (QVector<int>{47, 48, 49}));
        QCOMPARE(codes(FunctionMenu::PollingRate), (QVector<int>{63, 50, 51}));
        QCOMPARE(codes(FunctionMenu::ProfileMenu), (QVector<int>{59, 57, 58}));
        QCOMPARE(functionMenuTitle(FunctionMenu::PollingRate), QStringLiteral("Polling Rate"));
        QCOMPARE(functionMenuTitle(FunctionMenu::GunFileManager), QStringLiteral("GunFile Manager"));
        QVERIFY(functionMenuTitle(FunctionMenu::Main).isEmpty());
    }

    void menusAgreeWithTheCatalogue()
    {
        // Every entry of a submenu or the wheel menu is a catalogue row that names that menu.
        QSet<int> offered;
        for (FunctionMenu menu : {FunctionMenu::Basic, FunctionMenu::Windows, FunctionMenu::Advance, FunctionMenu::Media,
                                  FunctionMenu::Dpi, FunctionMenu::PollingRate, FunctionMenu::ProfileMenu}) {
            for (const FunctionMenuItem &item : functionMenuLayout(menu)) {
                const FunctionCatalogueEntry *entry = findFunction(item.code);
                QVERIFY(entry);
                QCOMPARE(int(entry->menu), int(menu));
                offered.insert(item.code);
            }
        }
        for (const FunctionMenuItem &item : functionMenuLayout(FunctionMenu::Wheel)) {
            QVERIFY(findFunction(item.code));
            QVERIFY2(findFunction(item.code)->inWheelMenu, qPrintable(QString::number(item.code)));
        }
        for (const FunctionMenuItem &item : functionMenuLayout(FunctionMenu::Main))
            if (item.code)
                offered.insert(item.code);
        // Everything but the sniper, the gun file and the wheel-only entries has a menu place.
        for (const FunctionCatalogueEntry &entry : functionCatalogue()) {
            const bool placeless = entry.code == 55 || entry.code == 510 || entry.menu == FunctionMenu::Wheel;
            QCOMPARE(offered.contains(entry.code), !placeless);
        }
    }
};

QTEST_GUILESS_MAIN(CliArgumentsTest)
#include "cli_arguments_test.moc"
