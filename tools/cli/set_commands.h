#pragma once
#include <QString>
#include <QStringList>

struct CliArguments;

// `set` and `get`: one setting of the window, read or changed with the window's rules.

// Fills the set/get part of `result` from the words after the command: --slot N and --apply
// may stand anywhere before "--"; everything else is the setting and its values.
void parseSettingCommand(CliArguments &result, const QStringList &arguments);

int runSetCommand(const CliArguments &arguments);
int runGetCommand(const CliArguments &arguments);

// What the shell completes, for the generated completion scripts.
QStringList settingNames();          // dpi, stage, rate, ...
QStringList buttonFunctionWords();   // catalogue labels and key, combo, fire, sniper, macro, gun
QStringList keyNameWords();          // English and French names of the keyboard keys
QStringList lightingEffectWords();   // the effect menu's texts, in menu order
