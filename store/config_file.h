#pragma once
#include <QString>
#include <QStringList>

class IniFile;
struct DeviceSettings;

// Single keys of the configuration file "<config>/Config.ini". Absent keys read as 0 or empty.

// "Config/ProfileID"
int readActiveProfileIndex();
void saveActiveProfileIndex(int index);

// "Config/Diff": 1 when the mouse may not hold the stored settings.
int readApplyFailedFlag();
// False when the configuration file could not be written.
bool writeApplyFailedFlag(int flag);

// "Config/Battery": the last battery level shown.
// "Config/ApplyOnArrival": 1 when the stored settings are to be written to a mouse that
// arrives while the mouse may not hold them; off (0) unless the user turned it on.
bool readApplyOnArrival();
// False when the configuration file could not be written.
bool writeApplyOnArrival(bool on);

// "Config/StartAtLogin": 1 when the user asked the tray to start the program at login.
bool readStartAtLogin();
// False when the configuration file could not be written.
bool writeStartAtLogin(bool on);

// "Config/DesktopPointerSpeed": 1 when applying a profile also sets the desktop's pointer
// speed from the profile's "mousespeed"; off (0) unless the user turned it on.
bool readDesktopPointerSpeedOption();
// False when the configuration file could not be written.
bool writeDesktopPointerSpeedOption(bool on);

int readBatteryLevel();
void writeBatteryLevel(int level);

// "Config/CurrentProductName": the connected product; it names the per-product folder, so a
// name that is neither empty nor a safe file name is refused (nothing written).
QString readCurrentProductName();
void writeCurrentProductName(const QString &name);

// "Config/Model"
QString readModelText();

// "MouseSenSor/1": the sensor model number; comes with the installed file, never written.
int readSensorModel();

// "Mouse_List/N": the name of model N of the device table (0 the build's own model); comes
// with the installed file. Empty when the file names no such model.
QString readMouseListName(int index = 0);

// "Config/ProfileID" and the device-wide options, as the configuration file and ".conf"
// exports hold them. Each keeps the low eight bits of the stored number; a ProfileID outside
// 0..4 then reads as 0.
void readDeviceOptions(DeviceSettings &settings, const IniFile &file);
void writeDeviceOptions(const DeviceSettings &settings, IniFile &file);
// The keys of the device-wide options, "Config/ProfileID" left out.
QStringList deviceOptionKeys();
