#pragma once
#include <QString>
#include <QStringList>

// The commands of zelmouse-cli. Each prints its result on standard output, its error as one
// sentence on standard error, and returns the exit status (CliExit).

int runDevicesCommand();
int runStatusCommand();
int runShowCommand(bool json);
int runApplyCommand();
int runSelectProfileCommand(int slotNumber); // 1..5
int runExportCommand(const QString &file);
int runImportCommand(const QString &file);
// Follows the mouse until interrupted; `wait`: also when none is connected at the start.
int runWatchCommand(bool json, bool wait);
// One option of the configuration file; NAME and VALUE as `set --help` lists them.
int runSetCommand(const QString &setting, const QString &value);
int runProfilesCommand(bool json);
int runProfileCommand(const QString &action, const QStringList &arguments);
int runResetCommand(bool all);

// Sends currentSettings to the mouse as apply does and reports the outcome in one sentence,
// `success` when it worked.
int sendCurrentSettings(const QString &success, bool forceFull = false);
