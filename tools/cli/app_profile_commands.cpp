// app-profiles and app-profile ACTION: the rules that give programs their profiles.
#include "tools/cli/app_profile_commands.h"

#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"

#include "store/app_rules.h"
#include "store/ini_file.h"
#include "store/profile_library.h"
#include "store/settings_lock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <iterator>

namespace {


const CommandAction kActions[] = {
    {"add", 2, "a program and a profile name"},
    {"remove", 1, "one program"},
    {"default", 1, "a profile name or none"},
};

int refuse(const QString &sentence)
{
    printError(sentence);
    return CliExit::BadFile;
}

int store(const AppRules &rules, const QString &done)
{
    if (!storeAppRules(rules)) {
        printError(QStringLiteral("The configuration file %1 could not be written; the rules are as they were.")
                       .arg(lastFailedSavePath()));
        return CliExit::CannotSave;
    }
    printResult(done);
    return CliExit::Success;
}

// A profile a rule may name: one of the library's.
int checkLibraryProfile(const QString &profile)
{
    if (checkProfileName(profile) != LibraryOutcome::Ok || !loadLibraryNames().contains(profile))
        return refuse(QStringLiteral("There is no profile \"%1\" in the library; see 'zelmouse-cli profiles'.").arg(profile));
    return CliExit::Success;
}

} // namespace

void parseAppProfileArguments(CliArguments &result, const QStringList &positional)
{
    parseCommandAction(result, positional, QStringLiteral("app-profile"), kActions, int(std::size(kActions)),
                       QStringLiteral("add, remove or default"));
}

int runAppProfilesCommand(bool json)
{
    const AppRules rules = loadAppRules();
    const QStringList library = loadLibraryNames();
    if (json) {
        QJsonArray list;
        for (const AppRule &rule : rules.rules) {
            list.append(QJsonObject{{QStringLiteral("match"), rule.match},
                                    {QStringLiteral("profile"), rule.profile},
                                    {QStringLiteral("inLibrary"), library.contains(rule.profile)}});
        }
        const QJsonObject report{{QStringLiteral("rules"), list},
                                 {QStringLiteral("other"), rules.otherProfile.isEmpty() ? QJsonValue() : QJsonValue(rules.otherProfile)}};
        printResult(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented)));
        return CliExit::Success;
    }
    QString text = QStringLiteral("Programs (the first rule that matches wins):\n");
    if (rules.rules.isEmpty())
        text += QStringLiteral("  (none)\n");
    for (const AppRule &rule : rules.rules) {
        text += QStringLiteral("  %1  ->  %2%3\n")
                    .arg(rule.match, rule.profile,
                         library.contains(rule.profile) ? QString() : QStringLiteral("  (not in the library)"));
    }
    text += QStringLiteral("Other programs: %1\n")
                .arg(rules.otherProfile.isEmpty() ? QStringLiteral("keep what is in the active slot") : rules.otherProfile);
    printResult(text);
    return CliExit::Success;
}

int runAppProfileCommand(const QString &action, const QStringList &arguments)
{
    // Held from the read to the write, so that no other program's change is undone.
    const SettingsLock lock;
    if (!lock.isLocked())
        return reportSettingsBusy();
    AppRules rules = loadAppRules();
    if (action == QLatin1String("add")) {
        const QString &match = arguments.at(0);
        const QString &profile = arguments.at(1);
        if (!isUsableAppMatch(match)) {
            return refuse(QStringLiteral("A program is named by its window class or instance name or its program's file "
                                         "name: 1 to %1 characters, without control characters or blanks at either end.")
                              .arg(kAppMatchMaxLength));
        }
        if (const int status = checkLibraryProfile(profile); status != CliExit::Success)
            return status;
        const bool existed = findAppRule(rules, match) >= 0;
        if (!setAppRule(rules, match, profile))
            return refuse(QStringLiteral("There are %1 rules already, the most there can be; nothing was added.").arg(kAppRuleLimit));
        return store(rules, QStringLiteral("%1 \"%2\" now gets profile \"%3\".")
                                .arg(existed ? QStringLiteral("Changed the rule:") : QStringLiteral("Added a rule:"), match, profile));
    }
    if (action == QLatin1String("remove")) {
        const QString &match = arguments.at(0);
        if (!removeAppRule(rules, match))
            return refuse(QStringLiteral("There is no rule for \"%1\"; see 'zelmouse-cli app-profiles'.").arg(match));
        return store(rules, QStringLiteral("Removed the rule for \"%1\".").arg(match));
    }
    if (action == QLatin1String("default")) {
        const QString &profile = arguments.at(0);
        if (profile == QLatin1String("none")) {
            rules.otherProfile.clear();
            return store(rules, QStringLiteral("Other programs keep what is in the active slot."));
        }
        if (const int status = checkLibraryProfile(profile); status != CliExit::Success)
            return status;
        rules.otherProfile = profile;
        return store(rules, QStringLiteral("Other programs now get profile \"%1\".").arg(profile));
    }
    printError(QStringLiteral("There is no app-profile action '%1'.").arg(action));
    return CliExit::Usage;
}
