#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

class IniFile;

// Profiles that follow the program in front: rules, each an application and a library
// profile, and an optional profile for every other application. Kept in the configuration
// file under "APP_PROFILES" and carried by the exports of all settings.

struct AppRule {
    QString match;   // a window's instance or class name, or its program's name
    QString profile; // a library profile
};

struct AppRules {
    QVector<AppRule> rules;      // the first that matches wins
    QString otherProfile;        // for every other application; empty: keep what is there
    bool operator==(const AppRules &o) const;
    bool operator!=(const AppRules &o) const { return !(*this == o); }
};

constexpr int kAppRuleLimit = 200;
constexpr int kAppMatchMaxLength = 255;

// The profile for a window whose names are `names` (the instance and class of its window
// class, its program's file name and path), compared without letter case. Empty: keep what
// is in the active slot.
QString profileForProgram(const AppRules &rules, const QStringList &names);

// A match is 1 to 255 characters without control characters or blanks at either end.
bool isUsableAppMatch(const QString &match);
// The rule of `match` (letter case ignored), or -1.
int findAppRule(const AppRules &rules, const QString &match);
// Adds the rule, or gives an existing rule of the same match the profile. False when the
// list is full.
bool setAppRule(AppRules &rules, const QString &match, const QString &profile);
bool removeAppRule(AppRules &rules, const QString &match);

// How many rules (the default for other programs included) name `profile`.
int appRulesNaming(const AppRules &rules, const QString &profile);
// A renamed profile keeps its rules; a deleted one takes its rules and the default along.
// Both return whether anything changed.
bool renameProfileInAppRules(AppRules &rules, const QString &from, const QString &to);
bool removeProfileFromAppRules(AppRules &rules, const QString &profile);

// The rules in `file`; unusable entries are left out. hasAppRules: the file holds a list.
AppRules readAppRules(const IniFile &file);
bool hasAppRules(const IniFile &file);
void writeAppRules(const AppRules &rules, IniFile &file);

// The rules of the configuration file; storing returns false when it could not be written.
AppRules loadAppRules();
bool storeAppRules(const AppRules &rules);
// Rename and delete of a library profile, followed in the stored rules. False when the
// configuration file could not be written.
bool renameProfileInStoredAppRules(const QString &from, const QString &to);
bool removeProfileFromStoredAppRules(const QString &profile);
