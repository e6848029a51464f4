// The macro library commands: macros, macro show/import/export/rename/delete/gun.
#include "tools/cli/macro_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"

#include "store/macro_events.h"
#include "store/macro_library.h"
#include "store/product_definition.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char *const kLoopWords[] = {"none", "times", "while held", "until pressed again"};
const char *const kDelayWords[] = {"none", "recorded", "default delay"};

QString wordOf(const char *const *words, int count, int value)
{
    return value >= 0 && value < count ? QLatin1String(words[value]) : QString::number(value);
}

int usage(const QString &sentence)
{
    printError(sentence + QStringLiteral(" See 'zelmouse-cli macro --help'."));
    return CliExit::Usage;
}

int refusal(const MacroLibraryResult &result)
{
    printError(macroLibraryMessage(result));
    return CliExit::BadFile;
}

void printJson(const QJsonObject &object)
{
    printResult(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
}

int showMacro(const QString &name, bool json)
{
    if (!macroFileExists(name))
        return refusal(MacroLibraryResult{MacroLibraryError::NotFound, name, QString()});
    const MacroFile macro = readMacroFile(name);
    const int minDelay = productMinDelay();
    if (json) {
        QJsonArray events;
        for (const MacroEvent &e : macro.events) {
            events.append(QJsonObject{{QStringLiteral("map"), e.map},
                                      {QStringLiteral("dataH"), e.dataH},
                                      {QStringLiteral("dataL"), e.dataL},
                                      {QStringLiteral("text"), macroEventWords(e, minDelay)}});
        }
        printJson(QJsonObject{{QStringLiteral("format"), 1},
                              {QStringLiteral("name"), name},
                              {QStringLiteral("delayType"), macro.delayType},
                              {QStringLiteral("defaultDelay"), macro.defaultDelay},
                              {QStringLiteral("loopType"), macro.loopType},
                              {QStringLiteral("loopTime"), macro.loopTime},
                              {QStringLiteral("minDelay"), minDelay},
                              {QStringLiteral("events"), events}});
        return CliExit::Success;
    }
    QString text = QStringLiteral("Macro \"%1\": %2 events; delays: %3; loop: %4")
                       .arg(name, QString::number(macro.events.size()), wordOf(kDelayWords, 3, macro.delayType),
                            wordOf(kLoopWords, 4, macro.loopType));
    if (macro.loopType == 1)
        text += QStringLiteral(" (%1)").arg(macro.loopTime);
    text += QLatin1Char('\n');
    for (int i = 0; i < macro.events.size(); ++i)
        text += QStringLiteral("%1  %2\n").arg(i + 1, 3).arg(macroEventWords(macro.events.at(i), minDelay));
    printResult(text);
    return CliExit::Success;
}

int importMacros(const QStringList &files)
{
    int status = CliExit::Success;
    for (const QString &file : files) {
        const MacroLibraryResult result = importMacro(file);
        if (result.ok()) {
            printResult(QStringLiteral("Imported \"%1\" from %2").arg(result.name, file));
        } else {
            printError(QStringLiteral("%1: %2").arg(file, macroLibraryMessage(result)));
            status = CliExit::BadFile;
        }
    }
    return status;
}

bool parseBullet(const QString &text, GunBullet *bullet)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    bool ok[3] = {};
    bullet->delayMs = parts[0].trimmed().toInt(&ok[0]);
    bullet->y = parts[1].trimmed().toInt(&ok[1]);
    bullet->x = parts[2].trimmed().toInt(&ok[2]);
    return ok[0] && ok[1] && ok[2] && bullet->delayMs >= kGunMinDelay && bullet->delayMs <= kGunMaxDelay
           && qAbs(bullet->y) <= kGunMaxOffset && qAbs(bullet->x) <= kGunMaxOffset;
}

int buildGun(const QString &name, const QString &bulletCount, const QStringList &bulletTexts)
{
    int count = kGunMaxBullets;
    if (!bulletCount.isEmpty()) {
        bool ok = false;
        count = bulletCount.toInt(&ok);
        if (!ok || count < 1 || count > kGunMaxBullets)
            return usage(QStringLiteral("--bullets takes 1 to 5, not '%1'.").arg(echoed(bulletCount)));
    }
    if (bulletTexts.size() > count)
        return usage(QStringLiteral("%1 --bullet values were given for %2 bullets.").arg(bulletTexts.size()).arg(count));
    QVector<GunBullet> bullets(count);
    for (int i = 0; i < bulletTexts.size(); ++i) {
        if (!parseBullet(bulletTexts.at(i), &bullets[i]))
            return usage(QStringLiteral("--bullet takes DELAY,Y,X with a delay of 1 to 999 ms and offsets of -100 to 100, not '%1'.")
                             .arg(echoed(bulletTexts.at(i))));
    }
    const QVector<MacroEvent> events = gunEvents(bullets);
    const MacroLibraryResult result = createNumberedMacro(name, gunMacroFile(events));
    if (!result.ok())
        return refusal(result);
    printResult(QStringLiteral("Created gun file \"%1\" with %2 events").arg(result.name, QString::number(events.size())));
    return CliExit::Success;
}

} // namespace

int runMacrosCommand(bool json)
{
    const QStringList names = listMacroNames();
    if (json) {
        QJsonArray macros;
        for (const QString &name : names) {
            macros.append(QJsonObject{{QStringLiteral("name"), name},
                                      {QStringLiteral("events"), readMacroEvents(name).size()}});
        }
        printJson(QJsonObject{{QStringLiteral("format"), 1}, {QStringLiteral("macros"), macros}});
        return CliExit::Success;
    }
    if (names.isEmpty()) {
        printResult(QStringLiteral("No macros."));
        return CliExit::Success;
    }
    QString text;
    for (const QString &name : names)
        text += name.leftJustified(24) + QStringLiteral("  %1 events\n").arg(readMacroEvents(name).size());
    printResult(text);
    return CliExit::Success;
}

int runMacroCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption force(QStringLiteral("force"), QString());
    const QCommandLineOption bullets(QStringLiteral("bullets"), QString(), QStringLiteral("N"));
    const QCommandLineOption bullet(QStringLiteral("bullet"), QString(), QStringLiteral("DELAY,Y,X"));
    parser.addOptions({help, json, force, bullets, bullet});
    QStringList withProgram = arguments;
    withProgram.prepend(QStringLiteral("zelmouse-cli"));
    if (!parser.parse(withProgram)) {
        QString error = parser.errorText();
        if (!error.endsWith(QLatin1Char('.')))
            error += QLatin1Char('.');
        return usage(error);
    }
    QStringList positional = parser.positionalArguments();
    if (parser.isSet(help) || positional.isEmpty()) {
        printResult(QStringLiteral("Usage: zelmouse-cli [OPTIONS] macro SUBCOMMAND ...\n\n") + QLatin1String(MACRO_COMMAND_HELP));
        return positional.isEmpty() && !parser.isSet(help) ? CliExit::Usage : CliExit::Success;
    }
    const QString sub = positional.takeFirst();
    const auto allowOnly = [&](std::initializer_list<const QCommandLineOption *> allowed) {
        for (const QCommandLineOption *option : {&json, &force, &bullets, &bullet}) {
            if (parser.isSet(*option) && std::find(allowed.begin(), allowed.end(), option) == allowed.end())
                return QStringLiteral("'macro %1' has no option --%2.").arg(sub, option->names().constFirst());
        }
        return QString();
    };
    const auto expect = [&](int count, const char *what) {
        return positional.size() == count ? QString() : QStringLiteral("'macro %1' takes %2.").arg(sub, QLatin1String(what));
    };

    QString error;
    if (sub == QLatin1String("show")) {
        error = allowOnly({&json}) + expect(1, "one macro name");
        if (error.isEmpty())
            return showMacro(positional.at(0), parser.isSet(json));
    } else if (sub == QLatin1String("import")) {
        error = allowOnly({});
        if (error.isEmpty() && positional.isEmpty())
            error = QStringLiteral("'macro import' takes one or more file names.");
        if (error.isEmpty())
            return importMacros(positional);
    } else if (sub == QLatin1String("export")) {
        error = allowOnly({&force}) + expect(2, "a macro name and a file name");
        if (error.isEmpty()) {
            const MacroLibraryResult result = exportMacro(positional.at(0), positional.at(1), parser.isSet(force));
            if (result.error == MacroLibraryError::TargetExists) {
                printError(macroLibraryMessage(result) + QStringLiteral(" Nothing was exported; add --force to replace it."));
                return CliExit::BadFile;
            }
            if (!result.ok())
                return refusal(result);
            printResult(QStringLiteral("Exported \"%1\" to %2").arg(result.name, result.path));
            return CliExit::Success;
        }
    } else if (sub == QLatin1String("rename")) {
        error = allowOnly({}) + expect(2, "the old and the new name");
        if (error.isEmpty()) {
            const MacroLibraryResult result = renameMacro(positional.at(0), positional.at(1));
            if (!result.ok())
                return refusal(result);
            printResult(QStringLiteral("Renamed \"%1\" to \"%2\"").arg(positional.at(0), result.name));
            return CliExit::Success;
        }
    } else if (sub == QLatin1String("delete")) {
        error = allowOnly({}) + expect(1, "one macro name");
        if (error.isEmpty()) {
            const MacroLibraryResult result = deleteMacro(positional.at(0));
            if (!result.ok())
                return refusal(result);
            printResult(QStringLiteral("Deleted \"%1\"").arg(result.name));
            return CliExit::Success;
        }
    } else if (sub == QLatin1String("gun")) {
        error = allowOnly({&bullets, &bullet}) + expect(1, "one gun file name");
        if (error.isEmpty())
            return buildGun(positional.at(0), parser.isSet(bullets) ? parser.values(bullets).constLast() : QString(), parser.values(bullet));
    } else {
        error = QStringLiteral("There is no subcommand 'macro %1'.").arg(sub);
    }
    // Only the first complaint.
    const int end = error.indexOf(QLatin1String(". "));
    return usage(end >= 0 ? error.left(end + 1) : error);
}
