#include "store/config_file.h"

#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/ini_file.h"

namespace {

const QString kProfileIdKey = QStringLiteral("Config/ProfileID");

int readConfigInteger(const QString &key)
{
    return static_cast<int>(IniFile(configFilePath()).integer(key));
}

bool writeConfigInteger(const QString &key, int value)
{
    IniFile file(configFilePath());
    file.setInteger(key, value);
    return file.commit();
}

// The device-wide options: key and field, in the order the files list them.
struct DeviceOptionKey {
    const char *key;
    uint8_t DeviceSettings::*field;
};

const DeviceOptionKey kDeviceOptions[] = {
    {"Config/AngleValue", &DeviceSettings::AngleValue},
    {"Config/LiftHigh", &DeviceSettings::LiftHigh},
    {"Config/Sync", &DeviceSettings::Sync},
    {"Config/Count", &DeviceSettings::Count},
    {"Config/Jitter", &DeviceSettings::Jitter},
    {"Config/Debounce", &DeviceSettings::Debounce},
    {"Config/Wake", &DeviceSettings::Wake},
    {"Config/SensorMode", &DeviceSettings::SensorMode},
};

} // namespace

int readActiveProfileIndex() { return readConfigInteger(kProfileIdKey); }
void saveActiveProfileIndex(int index) { writeConfigInteger(kProfileIdKey, index); }

int readApplyFailedFlag() { return readConfigInteger(QStringLiteral("Config/Diff")); }
bool writeApplyFailedFlag(int flag) { return writeConfigInteger(QStringLiteral("Config/Diff"), flag); }

bool readApplyOnArrival() { return readConfigInteger(QStringLiteral("Config/ApplyOnArrival")) == 1; }
bool writeApplyOnArrival(bool on) { return writeConfigInteger(QStringLiteral("Config/ApplyOnArrival"), on ? 1 : 0); }

bool readStartAtLogin() { return readConfigInteger(QStringLiteral("Config/StartAtLogin")) == 1; }
bool writeStartAtLogin(bool on) { return writeConfigInteger(QStringLiteral("Config/StartAtLogin"), on ? 1 : 0); }

bool readDesktopPointerSpeedOption() { return readConfigInteger(QStringLiteral("Config/DesktopPointerSpeed")) == 1; }
bool writeDesktopPointerSpeedOption(bool on) { return writeConfigInteger(QStringLiteral("Config/DesktopPointerSpeed"), on ? 1 : 0); }

int readBatteryLevel() { return readConfigInteger(QStringLiteral("Config/Battery")); }
void writeBatteryLevel(int level) { writeConfigInteger(QStringLiteral("Config/Battery"), level); }

QString readCurrentProductName()
{
    return IniFile(configFilePath()).text(QStringLiteral("Config/CurrentProductName"));
}

void writeCurrentProductName(const QString &name)
{
    // Empty: no product connected; it names no folder.
    if (name.isEmpty() || isSafeFileName(name))
        IniFile(configFilePath()).setText(QStringLiteral("Config/CurrentProductName"), name);
}

QString readModelText()
{
    return IniFile(configFilePath()).text(QStringLiteral("Config/Model"));
}

int readSensorModel()
{
    return readConfigInteger(QStringLiteral("MouseSenSor/1"));
}

QString readMouseListName(int index)
{
    return IniFile(configFilePath()).text(QStringLiteral("Mouse_List/%1").arg(index));
}

namespace {
constexpr uint8_t kDebounceMin = 1;
constexpr uint8_t kLiftLow = 1;
constexpr uint8_t kLiftHigh = 2;
} // namespace

void readDeviceOptions(DeviceSettings &settings, const IniFile &ini)
{
    // A byte like every option; an index outside 0..4 would select a profile that does not exist.
    const uint8_t id = static_cast<uint8_t>(ini.integer(kProfileIdKey));
    settings.ProfileID = id < kProfileCount ? id : 0;
    for (const DeviceOptionKey &option : kDeviceOptions)
        settings.*option.field = static_cast<uint8_t>(ini.integer(QLatin1String(option.key)));
    // As the window shows them and `set` takes them, so that what is shown is what is sent: a
    // debounce of at least 1, and a lift-off distance of 1 mm or else 2 mm.
    if (settings.Debounce < kDebounceMin)
        settings.Debounce = kDebounceMin;
    if (settings.LiftHigh != kLiftLow)
        settings.LiftHigh = kLiftHigh;
}

QStringList deviceOptionKeys()
{
    QStringList keys;
    for (const DeviceOptionKey &option : kDeviceOptions)
        keys.append(QLatin1String(option.key));
    return keys;
}

void writeDeviceOptions(const DeviceSettings &settings, IniFile &ini)
{
    ini.setInteger(kProfileIdKey, settings.ProfileID);
    for (const DeviceOptionKey &option : kDeviceOptions)
        ini.setInteger(QLatin1String(option.key), settings.*option.field);
}
