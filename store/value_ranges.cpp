#include "store/value_ranges.h"

#include "store/button_assignment.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/function_catalogue.h"
#include "store/ini_file.h"
#include "store/lighting_effects.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "store/sensor_ranges.h"
#include "store/store_log.h"

#include <limits>

namespace {

// What the ranges depend on: the sensor, the product's stage count and sleep range.
struct Limits {
    bool knownSensor = false;
    SensorRange sensor;
    int stages = kDpiStageCount;
    int sleepMinimum = 1;
    int sleepMaximum = 9;
    SniperSteps sniper{};
};

Limits currentLimits()
{
    Limits limits;
    const int sensor = readSensorModel();
    limits.knownSensor = sensorRange(sensor, readCurrentProductName(), productWideDpiRange(), &limits.sensor);
    limits.stages = dpiStagesOffered();
    productSleepRange(&limits.sleepMinimum, &limits.sleepMaximum);
    limits.sniper = sniperSteps(sensor);
    return limits;
}

struct Range {
    qint64 minimum;
    qint64 maximum;
};

// One ranged value: its key (block, then "_index" when `count` > 0, then "_suffix"), whether
// a range applies to copy `index` of the profile as read and which, and its field.
struct RangedValue {
    const char *block;
    const char *suffix;
    int count;
    bool (*range)(const ProfileData &profile, int index, const Limits &limits, Range *range);
    qint64 (*get)(const ProfileData &profile, int index);
    void (*put)(ProfileData &profile, int index, qint64 value);
};

bool repeats(const ButtonSlot &slot)
{
    // A macro that runs a number of times (loop mode 0), or a fire key with its own target.
    return ((slot.Fun == ButtonFunction::Macro || slot.Fun == ButtonFunction::GunFile) && slot.Res1 == 0)
        || (slot.Fun == ButtonFunction::FireKey && slot.Res1 != 0);
}

const RangedValue kRangedValues[] = {
    {"dpi", nullptr, 0,
     [](const ProfileData &, int, const Limits &l, Range *r) { *r = {0, l.stages - 1}; return true; },
     [](const ProfileData &p, int) -> qint64 { return p.dpi; },
     [](ProfileData &p, int, qint64 v) { p.dpi = uint8_t(v); }},
    {"DPI_INFO", "x", kDpiStageCount,
     [](const ProfileData &, int i, const Limits &l, Range *r) {
         *r = {l.sensor.minimumCode, l.sensor.maximumCode};
         return l.knownSensor && i < l.stages;
     },
     [](const ProfileData &p, int i) -> qint64 { return p.dpiStages[i].x; },
     [](ProfileData &p, int i, qint64 v) { p.dpiStages[i].x = uint32_t(v); }},
    {"DPI_INFO", "y", kDpiStageCount,
     [](const ProfileData &, int i, const Limits &l, Range *r) {
         *r = {l.sensor.minimumCode, l.sensor.maximumCode};
         return l.knownSensor && i < l.stages;
     },
     [](const ProfileData &p, int i) -> qint64 { return p.dpiStages[i].y; },
     [](ProfileData &p, int i, qint64 v) { p.dpiStages[i].y = uint32_t(v); }},
    {"scrollspeed", nullptr, 0,
     [](const ProfileData &, int, const Limits &, Range *r) { *r = {kScrollSpeedMin, kScrollSpeedMax}; return true; },
     [](const ProfileData &p, int) -> qint64 { return p.scrollspeed; },
     [](ProfileData &p, int, qint64 v) { p.scrollspeed = uint8_t(v); }},
    {"BUTTON_INFO", "LoopNumber", kButtonSlotCount,
     [](const ProfileData &p, int i, const Limits &, Range *r) { *r = {kRepeatCountMin, kRepeatCountMax}; return repeats(p.buttons[i]); },
     [](const ProfileData &p, int i) -> qint64 { return p.buttons[i].LoopNumber; },
     [](ProfileData &p, int i, qint64 v) { p.buttons[i].LoopNumber = int32_t(v); }},
    {"BUTTON_INFO", "KeyNumber", kButtonSlotCount,
     [](const ProfileData &p, int i, const Limits &, Range *r) {
         *r = {kRepeatCountMin, kRepeatCountMax};
         return p.buttons[i].Fun == ButtonFunction::FireKey && p.buttons[i].Res1 != 0;
     },
     [](const ProfileData &p, int i) -> qint64 { return p.buttons[i].KeyNumber; },
     [](ProfileData &p, int i, qint64 v) { p.buttons[i].KeyNumber = int32_t(v); }},
    {"BUTTON_INFO", "Res1", kButtonSlotCount,
     [](const ProfileData &p, int i, const Limits &l, Range *r) {
         *r = {l.sniper.minimum, l.sniper.maximum};
         return p.buttons[i].Fun == ButtonFunction::Sniper;
     },
     [](const ProfileData &p, int i) -> qint64 { return p.buttons[i].Res1; },
     [](ProfileData &p, int i, qint64 v) { p.buttons[i].Res1 = uint8_t(v); }},
    {"LedMode", nullptr, 0,
     [](const ProfileData &, int, const Limits &, Range *r) { *r = {0, kLedMenuEffectCount - 1}; return true; },
     [](const ProfileData &p, int) -> qint64 { return p.LedMode; },
     [](ProfileData &p, int, qint64 v) { p.LedMode = uint8_t(v); }},
    {"LedSleepTime", nullptr, 0,
     [](const ProfileData &, int, const Limits &l, Range *r) { *r = {l.sleepMinimum, l.sleepMaximum}; return true; },
     [](const ProfileData &p, int) -> qint64 { return p.LedSleepTime; },
     [](ProfileData &p, int, qint64 v) { p.LedSleepTime = uint8_t(v); }},
    {"LedMode/LED_MODE", "bright", kLedEffectCount,
     [](const ProfileData &, int, const Limits &, Range *r) { *r = {kBrightnessMin, kBrightnessMax}; return true; },
     [](const ProfileData &p, int i) -> qint64 { return p.ledModes[i].bright; },
     [](ProfileData &p, int i, qint64 v) { p.ledModes[i].bright = int32_t(v); }},
    {"LedMode/LED_MODE", "breath", kLedEffectCount,
     [](const ProfileData &, int, const Limits &, Range *r) { *r = {kSpeedMin, kSpeedMax}; return true; },
     [](const ProfileData &p, int i) -> qint64 { return p.ledModes[i].breath; },
     [](ProfileData &p, int i, qint64 v) { p.ledModes[i].breath = int32_t(v); }},
};

// Calls `found` for every ranged value the group stores outside its range.
// Absent, a value is the field's as read (`absentAsRead`) or not looked at. The light-off
// keys are left alone where the form of the group lacks them (`withLightOff` false).
template <class Found>
void walkOutOfRange(const IniFile &ini, const QString &group, const ProfileData &asRead, const Limits &limits,
                    bool absentAsRead, bool withLightOff, Found &&found)
{
    constexpr qint64 kAbsent = std::numeric_limits<qint64>::min();
    for (const RangedValue &row : kRangedValues) {
        if (!withLightOff && qstrcmp(row.block, "LedSleepTime") == 0)
            continue;
        for (int i = 0; i < qMax(row.count, 1); ++i) {
            Range range{};
            if (!row.range(asRead, i, limits, &range) || range.minimum > range.maximum)
                continue;
            const SettingsKey key = profileValueKey(group, row.block, row.count > 0 ? i : -1, row.suffix);
            qint64 value = ini.integer(key, kAbsent);
            if (value == kAbsent && !absentAsRead)
                continue;
            if (value == kAbsent)
                value = row.get(asRead, i);
            if (value >= range.minimum && value <= range.maximum)
                continue;
            found(row, i, key, value, range);
        }
    }
}

} // namespace

QVector<StoredValueOutOfRange> storedValuesOutOfRange(const IniFile &ini, const QString &group, const ProfileData &asRead)
{
    QVector<StoredValueOutOfRange> outside;
    walkOutOfRange(ini, group, asRead, currentLimits(), false, true, [&](const RangedValue &, int, const SettingsKey &key, qint64 value, Range range) {
        outside.append({key.name(), value, range.minimum, range.maximum});
    });
    return outside;
}

void bringIntoRange(const IniFile &ini, const QString &group, ProfileData &profile, bool withLightOff)
{
    const Limits limits = currentLimits();
    walkOutOfRange(ini, group, profile, limits, true, withLightOff, [&](const RangedValue &row, int index, const SettingsKey &key, qint64 value, Range range) {
        const qint64 nearest = qBound(range.minimum, value, range.maximum);
        qCDebug(lcStore, "%s=%lld in %s is outside %lld..%lld; it is read as %lld.", qUtf8Printable(key.name()), value,
                qUtf8Printable(ini.path()), range.minimum, range.maximum, nearest);
        row.put(profile, index, nearest);
    });
    // X and Y apart are taken only on an unlinked stage of a sensor with separate axes. The link
    // is never sent, so reading such a stage unlinked changes nothing on the wire; a sensor
    // without separate axes gets X for both, as the window and `set` would store it.
    for (int i = 0; limits.knownSensor && i < limits.stages; ++i) {
        DpiStage &stage = profile.dpiStages[i];
        if (stage.x == stage.y || (limits.sensor.separateXY && !stage.link))
            continue;
        qCDebug(lcStore, "Stage %d of %s holds X %u and Y %u; it is read as %s.", i + 1, qUtf8Printable(ini.path()), stage.x,
                stage.y, limits.sensor.separateXY ? "unlinked" : "X for both");
        if (limits.sensor.separateXY)
            stage.link = 0;
        else
            stage.y = stage.x;
    }
}
