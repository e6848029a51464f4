#pragma once
#include "platform/background_task.h"

#include <QString>
#include <QStringList>

#include <memory>

class IniFile;
class QSettings;
struct DeviceSettings;
struct ProfileData;
struct SettingsKey;
struct StoredValueOutOfRange;

// Profile files, the configuration file's profile forms, ".conf" exports and the per-product
// profile library.

// Group "PROFILE" of `file`; with `file` empty, group "PROFILE_<index>" of the configuration file.
void loadProfile(int index, ProfileData &profile, const QString &file);
void saveProfile(int index, const ProfileData &profile, const QString &file);

// The key of one value of a profile group: `group` "PROFILE", `block` "DPI_INFO", `index` 1
// and `suffix` "x" make "PROFILE/DPI_INFO_1_x"; -1 and nullptr leave the parts out.
SettingsKey profileValueKey(const QString &group, const char *block, int index = -1, const char *suffix = nullptr);

// The first value of the profile groups of `file` (a ".prof" or a ".conf") that the window and
// `set` would not take; an empty key when there is none.
StoredValueOutOfRange firstValueOutOfRange(const QString &file);

// "<config>/Profile/<name>.prof". An unsafe name reads as a missing file and writes nothing.
void loadSlotProfile(ProfileData &profile, const QString &name);
void saveSlotProfile(const QString &name, const ProfileData &profile);

// "Config/Profile1".."Config/Profile5" from the slot names; unsafe names are not stored.
void saveSlotNames(const DeviceSettings &settings);

// Start-up: device-wide options, slot names and the five slot profiles. A slot whose profile
// file is missing gets the factory values of a reset.
void loadAllSettings(DeviceSettings &settings);

// loadAllSettings() on another thread, from construction on, so that the caller can go on with
// what does not need the settings; result() waits for it. Without a thread, result() reads.
class SettingsReading {
public:
    SettingsReading();
    ~SettingsReading();
    SettingsReading(const SettingsReading &) = delete;
    SettingsReading &operator=(const SettingsReading &) = delete;

    const DeviceSettings &result();

private:
    std::unique_ptr<DeviceSettings> m_settings;
    BackgroundTask m_reader;
    bool m_read = false;
};
// Before and during apply: device-wide options, then slot 0 and every other slot whose name is
// not empty (names and profile files), so that what start-up loads is what was last applied.
// All files are saved as one: false, with the file that could not be written in `failedPath`,
// when any of them failed, and then none was changed.
bool saveSettingsForApply(const DeviceSettings &settings, QString *failedPath = nullptr);

// All settings in one ".conf" file: options, "PROFILE_0".."PROFILE_4" without the two
// light-off keys. Import takes slot names from "Config/Profile%d" where the file has them
// (our exports do not); other slots keep their names, so their profiles stay saved.
void exportAllSettings(const DeviceSettings &settings, const QString &file);
void importAllSettings(DeviceSettings &settings, const QString &file);

// The first key of the full ".conf" form (options and five profiles) that `file` lacks; empty
// when it has them all. An import replaces everything, so it takes only complete files.
QString missingExportKey(const IniFile &file);

// "MouseName/Name" of an export file.
QString readProductNameOfFile(const QString &file);
void writeProductNameToFile(const QString &name, const QString &file);

// "PROFILE/dpi" in a profile file the caller keeps open.
void writeActiveStage(QSettings &profileFile, int stage);
bool writeActiveStage(const QString &profileFile, int stage);

// The per-product profile list "<config>/<current product>/Config.ini". Stale higher keys are
// left in the file and ignored.
QStringList loadProductProfileList();
void saveProductProfileList(const QStringList &names);

bool fileExists(const QString &path);

// The per-product library folder "<config>/<current product>/Profile". All refuse unsafe
// names (return false, touch nothing) and never overwrite an existing profile.
QString libraryProfilePath(const QString &name);
bool libraryProfileExists(const QString &name);
// Copies the default profile file to a new library entry.
bool createLibraryProfile(const QString &name);
bool copyLibraryProfile(const QString &from, const QString &to);
bool renameLibraryProfile(const QString &from, const QString &to);
bool removeLibraryProfile(const QString &name);
// Copies an external ".prof" into the library under its own base name; returns that name,
// or an empty string when refused (unsafe or existing name, missing source).
QString importLibraryProfile(const QString &sourcePath);
// Copies a library profile to `targetPath` after tagging it with the current product name;
// an existing target is not overwritten.
bool exportLibraryProfile(const QString &name, const QString &targetPath);
