#pragma once
#include <QString>
#include <QStringList>

struct DeviceSettings;
class SettingsLock;

// The commands of zelmouse-cli. Each prints its result on standard output, its error as one
// sentence on standard error, and returns the exit status (CliExit).

int runDevicesCommand();
int runStatusCommand();
int runShowCommand(bool json);
int runApplyCommand();
int runSelectProfileCommand(int slotNumber); // 1..5
// `force`: an existing file may be replaced.
int runExportCommand(const QString &file, bool force);
int runImportCommand(const QString &file);

// Follows the mouse until interrupted; `wait`: also when none is connected at the start.
int runWatchCommand(bool json, bool wait);
int runProfilesCommand(bool json);
int runProfileCommand(const QString &action, const QStringList &arguments, bool force = false);
int runResetCommand(bool all);

// Sends currentSettings to the mouse as apply does (the files are saved first) and reports the
// outcome in one sentence, `success` when it worked. `lock` was taken before the settings were
// loaded, so that no other program's save falls in between and is undone.
int sendLoadedSettings(const SettingsLock &lock, const QString &success);
// Saves `settings` as apply does, without sending them; prints `success`, or the failed path
// (exit 74) when a file could not be written.
int storeLoadedSettings(const DeviceSettings &settings, const QString &success);
// Prints why the settings lock could not be taken; returns the exit status: 75 when another
// program holds it, 74 when its file could not be made.
int reportSettingsBusy();
