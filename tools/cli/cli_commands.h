#pragma once
#include <QString>

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
