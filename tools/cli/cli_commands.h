#pragma once
#include <QString>

struct DeviceSettings;

// The commands of zelmouse-cli. Each prints its result on standard output, its error as one
// sentence on standard error, and returns the exit status (CliExit).

int runDevicesCommand();
int runStatusCommand();
int runShowCommand(bool json);
int runApplyCommand();
int runSelectProfileCommand(int slotNumber); // 1..5
int runExportCommand(const QString &file);
int runImportCommand(const QString &file);

// Sends `settings` to the mouse as apply does (the files are saved first) and reports the
// outcome, `success` when it worked. appliedSettings must hold what was loaded.
int writeSettingsToMouse(const DeviceSettings &settings, const QString &success);

// Follows the mouse until interrupted; `wait`: also when none is connected at the start.
int runWatchCommand(bool json, bool wait);
