#include "store/app_rules.h"

#include "store/app_paths.h"
#include "store/ini_file.h"
#include "store/profile_library.h"
#include "store/store_log.h"

#include <algorithm>

namespace {

const QString kCountKey = QStringLiteral("APP_PROFILES/Count");
const QString kOtherKey = QStringLiteral("APP_PROFILES/Other");

// "APP_PROFILES/Match<n>", "APP_PROFILES/Profile<n>", n from 1.
QString ruleKey(int n, const char *field)
{
    return QStringLiteral("APP_PROFILES/%1%2").arg(QLatin1String(field)).arg(n);
}

bool sameMatch(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool usableProfile(const QString &name)
{
    return checkProfileName(name) == LibraryOutcome::Ok;
}

} // namespace

bool AppRules::operator==(const AppRules &o) const
{
    if (otherProfile != o.otherProfile || rules.size() != o.rules.size())
        return false;
    for (int i = 0; i < rules.size(); ++i) {
        if (rules.at(i).match != o.rules.at(i).match || rules.at(i).profile != o.rules.at(i).profile)
            return false;
    }
    return true;
}

QString profileForProgram(const AppRules &rules, const QStringList &names)
{
    for (const AppRule &rule : rules.rules) {
        for (const QString &name : names) {
            if (!name.isEmpty() && sameMatch(rule.match, name))
                return rule.profile;
        }
    }
    return rules.otherProfile;
}

bool isUsableAppMatch(const QString &match)
{
    if (match.isEmpty() || match.size() > kAppMatchMaxLength || match.trimmed() != match)
        return false;
    for (const QChar c : match) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

int findAppRule(const AppRules &rules, const QString &match)
{
    for (int i = 0; i < rules.rules.size(); ++i) {
        if (sameMatch(rules.rules.at(i).match, match))
            return i;
    }
    return -1;
}

bool setAppRule(AppRules &rules, const QString &match, const QString &profile)
{
    const int existing = findAppRule(rules, match);
    if (existing >= 0) {
        rules.rules[existing].profile = profile;
        return true;
    }
    if (rules.rules.size() >= kAppRuleLimit)
        return false;
    rules.rules.append({match, profile});
    return true;
}

bool removeAppRule(AppRules &rules, const QString &match)
{
    const int existing = findAppRule(rules, match);
    if (existing < 0)
        return false;
    rules.rules.removeAt(existing);
    return true;
}

int appRulesNaming(const AppRules &rules, const QString &profile)
{
    int count = rules.otherProfile == profile ? 1 : 0;
    for (const AppRule &rule : rules.rules)
        count += rule.profile == profile ? 1 : 0;
    return count;
}

bool renameProfileInAppRules(AppRules &rules, const QString &from, const QString &to)
{
    bool changed = false;
    for (AppRule &rule : rules.rules) {
        if (rule.profile == from) {
            rule.profile = to;
            changed = true;
        }
    }
    if (rules.otherProfile == from) {
        rules.otherProfile = to;
        changed = true;
    }
    return changed;
}

bool removeProfileFromAppRules(AppRules &rules, const QString &profile)
{
    const int before = rules.rules.size();
    rules.rules.erase(std::remove_if(rules.rules.begin(), rules.rules.end(),
                                     [&](const AppRule &rule) { return rule.profile == profile; }),
                      rules.rules.end());
    bool changed = rules.rules.size() != before;
    if (rules.otherProfile == profile) {
        rules.otherProfile.clear();
        changed = true;
    }
    return changed;
}

bool hasAppRules(const IniFile &file)
{
    return file.contains(kCountKey);
}

AppRules readAppRules(const IniFile &file)
{
    AppRules rules;
    const int64_t count = file.boundedInteger(kCountKey, 0, 0, kAppRuleLimit);
    for (int n = 1; n <= count; ++n) {
        const QString match = file.text(ruleKey(n, "Match"));
        const QString profile = file.text(ruleKey(n, "Profile"));
        // An entry edited by hand into something unusable is skipped, not fatal to the rest.
        if (!isUsableAppMatch(match) || !usableProfile(profile) || findAppRule(rules, match) >= 0) {
            qCDebug(lcStore, "Program rule %d (\"%s\" -> \"%s\") is unusable and ignored.", n, qPrintable(match),
                    qPrintable(profile));
            continue;
        }
        rules.rules.append({match, profile});
    }
    const QString other = file.text(kOtherKey);
    if (usableProfile(other))
        rules.otherProfile = other;
    return rules;
}

void writeAppRules(const AppRules &rules, IniFile &file)
{
    // Entries past the count are left in the file and never read, as the library list does.
    file.setInteger(kCountKey, rules.rules.size());
    for (int i = 0; i < rules.rules.size(); ++i) {
        file.setText(ruleKey(i + 1, "Match"), rules.rules.at(i).match);
        file.setText(ruleKey(i + 1, "Profile"), rules.rules.at(i).profile);
    }
    file.setText(kOtherKey, rules.otherProfile);
}

AppRules loadAppRules()
{
    return readAppRules(IniFile(configFilePath()));
}

bool storeAppRules(const AppRules &rules)
{
    IniFile file(configFilePath());
    writeAppRules(rules, file);
    return file.commit();
}

bool renameProfileInStoredAppRules(const QString &from, const QString &to)
{
    AppRules rules = loadAppRules();
    return !renameProfileInAppRules(rules, from, to) || storeAppRules(rules);
}

bool removeProfileFromStoredAppRules(const QString &profile)
{
    AppRules rules = loadAppRules();
    return !removeProfileFromAppRules(rules, profile) || storeAppRules(rules);
}
