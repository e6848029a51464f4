#include "store/device_settings.h"

#include "store/app_paths.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "store/profile_files.h"

#include <cstring>

DeviceSettings currentSettings;
DeviceSettings appliedSettings;

namespace {

// Factory values when there is no product file.
constexpr uint32_t kBuiltInStages[kDpiStageCount] = {8, 12, 16, 24, 50, 75, 0, 0};
constexpr int32_t kBuiltInFunctions[] = {1, 2, 3, 4, 5, 4, 5};
constexpr int kBuiltInGreenEffect = 10;
constexpr int kTemplateButtonSlots = 20; // the file supplies 0..15, the rest of 0..19 get 0
constexpr int kTemplateFileButtons = 16;

void setStage(DpiStage &stage, uint32_t value)
{
    stage.used = 1;
    stage.link = 1;
    stage.xy = stage.x = stage.y = value;
}

bool sameKeyInfo(const ButtonSlot &a, const ButtonSlot &b)
{
    for (int i = 0; i < kKeyInfoCount; ++i) {
        const KeyInfoEntry &x = a.KeyInfo[i];
        const KeyInfoEntry &y = b.KeyInfo[i];
        if (x.map != y.map || x.code != y.code || x.H != y.H)
            return false;
    }
    return true;
}

bool slotDiffers(const ButtonSlot &a, const ButtonSlot &b)
{
    if (a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber || a.KeyNumber != b.KeyNumber
        || a.Res1 != b.Res1 || a.Res2 != b.Res2 || a.Res3 != b.Res3 || a.Res4 != b.Res4)
        return true;
    if (!sameKeyInfo(a, b))
        return true;
    return a.Fun == kMacroFunction && a.macroname != b.macroname;
}

bool effectDiffers(const LedEffect &a, const LedEffect &b)
{
    return a.RGB != b.RGB || a.h != b.h || a.s != b.s || a.v != b.v || a.bright != b.bright || a.breath != b.breath;
}

bool generalDiffers(const DeviceSettings &c, const DeviceSettings &a)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (c.profiles[i].pollrate != a.profiles[i].pollrate || c.profiles[i].scrollspeed != a.profiles[i].scrollspeed)
            return true;
    }
    if (c.AngleValue != a.AngleValue || c.LiftHigh != a.LiftHigh || c.Sync != a.Sync || c.Jitter != a.Jitter
        || c.Debounce != a.Debounce || c.Wake != a.Wake || c.SensorMode != a.SensorMode)
        return true;
    if (c.ProfileID != a.ProfileID)
        return true;
    const ProfileData &cp = c.active();
    const ProfileData &ap = a.active();
    return cp.dpi != ap.dpi || cp.LedMode != ap.LedMode || cp.LedMoveOFF != ap.LedMoveOFF
        || cp.LedSleepTime != ap.LedSleepTime;
}

bool dpiDiffers(const DeviceSettings &c, const DeviceSettings &a)
{
    for (int i = 0; i < kProfileCount; ++i) {
        for (int s = 0; s < kDpiStageCount; ++s) {
            const DpiStage &x = c.profiles[i].dpiStages[s];
            const DpiStage &y = a.profiles[i].dpiStages[s];
            if (x.used != y.used || x.x != y.x || x.y != y.y)
                return true;
        }
    }
    return false;
}

// Also notices macros edited since the last write: their files carry "Setting/WriteSign" 1,
// which is cleared here so the same edit is reported once.
bool buttonsDiffer(const DeviceSettings &c, const DeviceSettings &a)
{
    for (int i = 0; i < kProfileCount; ++i) {
        for (int b = 0; b < kButtonSlotCount; ++b) {
            const ButtonSlot &x = c.profiles[i].buttons[b];
            const ButtonSlot &y = a.profiles[i].buttons[b];
            if (slotDiffers(x, y))
                return true;
            if (x.Fun == kMacroFunction && y.Fun == kMacroFunction && readMacroWriteSign(x.macroname) != 0) {
                writeMacroWriteSign(x.macroname, 0);
                return true;
            }
        }
    }
    return false;
}

bool lightingDiffers(const DeviceSettings &c, const DeviceSettings &a)
{
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileData &x = c.profiles[i];
        const ProfileData &y = a.profiles[i];
        if (x.LedMode != y.LedMode)
            return true;
        // A mode read from a damaged file can be out of range; it selects no effect.
        if (x.LedMode < kLedEffectCount && effectDiffers(x.ledModes[x.LedMode], y.ledModes[x.LedMode]))
            return true;
    }
    return false;
}

} // namespace

void resetProfile(ProfileData &p)
{
    p = ProfileData();
    p.pollrate = 1;
    p.dpi = 1;
    p.LedMode = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    p.scrollispage = 0;
    p.scrollspeed = 1;
    p.accelenable = 1;
    p.acee = 1;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;

    ProductProfileTemplate t;
    if (productProfileTemplate(&t) == 0) {
        p.pollrate = t.pollrate;
        p.dpi = t.dpi;
        p.LedMode = t.LedMode;
        for (int i = 0; i < kDpiStageCount; ++i)
            setStage(p.dpiStages[i], static_cast<uint32_t>(t.dpiXY[i]));
        for (int i = 0; i < kTemplateButtonSlots; ++i) {
            ButtonSlot &slot = p.buttons[i];
            if (i < kTemplateFileButtons) {
                const ProductButtonTemplate &b = t.buttons[i];
                slot.Fun = b.Fun;
                slot.LoopNumber = b.LoopNumber;
                slot.KeyNumber = b.KeyNumber;
                slot.Res1 = b.Res1;
                slot.Res2 = b.Res2;
                slot.Res3 = b.Res3;
                slot.Res4 = b.Res4;
            } else {
                slot.Fun = slot.LoopNumber = slot.KeyNumber = 0;
                slot.Res1 = slot.Res2 = slot.Res3 = slot.Res4 = 0;
            }
        }
        for (int i = 0; i < kLedEffectCount; ++i) {
            p.ledModes[i].RGB = t.leds[i].RGB;
            p.ledModes[i].bright = t.leds[i].bright;
            p.ledModes[i].breath = t.leds[i].breath;
        }
    } else {
        p.LedMode = 9;
        for (int i = 0; i < kDpiStageCount; ++i)
            setStage(p.dpiStages[i], kBuiltInStages[i]);
        for (int i = 0; i < kTemplateButtonSlots; ++i)
            p.buttons[i].Fun = i < int(std::size(kBuiltInFunctions)) ? kBuiltInFunctions[i] : 0;
        for (int i = 0; i < kLedEffectCount; ++i) {
            p.ledModes[i].RGB = i == kBuiltInGreenEffect ? QColor(0, 255, 0) : QColor(255, 0, 0);
            p.ledModes[i].bright = 3;
            p.ledModes[i].breath = 3;
        }
    }
    for (LedEffect &effect : p.ledModes) {
        effect.h = 360;
        effect.s = 0;
        effect.v = 0;
    }
    p.buttons[40].Fun = 52;
    p.buttons[41].Fun = 53;
}

void resetAllProfiles(DeviceSettings &settings)
{
    uint8_t defaults[7] = {};
    productSensorDefaults(defaults);
    settings.LiftHigh = defaults[0];
    settings.AngleValue = defaults[1];
    settings.Debounce = defaults[2];
    settings.Jitter = defaults[3];
    settings.Wake = defaults[4];
    settings.SensorMode = defaults[5];
    settings.Sync = defaults[6];
    settings.ProfileID = 0;
    resetProfile(settings.profiles[0]);
    for (int i = 0; i < kProfileCount; ++i)
        settings.ProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

void writeDefaultProfileFile()
{
    ProfileData profile;
    resetProfile(profile);
    saveProfile(0, profile, defaultProfilePath());
}

void markEditedMacroSent(const DeviceSettings &current, const DeviceSettings &applied)
{
    buttonsDiffer(current, applied);
}

int computeChangeMask(const DeviceSettings &current, const DeviceSettings &applied)
{
    int mask = 0;
    if (generalDiffers(current, applied))
        mask |= 1;
    if (dpiDiffers(current, applied))
        mask |= 2;
    if (buttonsDiffer(current, applied))
        mask |= 4;
    if (lightingDiffers(current, applied))
        mask |= 8;
    return mask;
}

bool settingsDiffer(const DeviceSettings &current, const DeviceSettings &applied)
{
    // Left out: what the mouse reports itself (active slot and stage), what is stored at once
    // (slot names) and the desktop's pointer settings, which never go to the mouse.
    const DeviceSettings &c = current;
    const DeviceSettings &a = applied;
    if (c.AngleValue != a.AngleValue || c.LiftHigh != a.LiftHigh || c.Sync != a.Sync || c.Count != a.Count
        || c.Jitter != a.Jitter || c.Debounce != a.Debounce || c.Wake != a.Wake || c.SensorMode != a.SensorMode)
        return true;
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileData &x = c.profiles[i];
        const ProfileData &y = a.profiles[i];
        if (x.pollrate != y.pollrate || x.LedMode != y.LedMode || x.LedMoveOFF != y.LedMoveOFF
            || x.LedSleepTime != y.LedSleepTime)
            return true;
        for (int s = 0; s < kDpiStageCount; ++s) {
            const DpiStage &p = x.dpiStages[s];
            const DpiStage &q = y.dpiStages[s];
            if (p.used != q.used || p.link != q.link || p.xy != q.xy || p.x != q.x || p.y != q.y)
                return true;
        }
        for (int b = 0; b < kButtonSlotCount; ++b) {
            if (slotDiffers(x.buttons[b], y.buttons[b]) || x.buttons[b].macroname != y.buttons[b].macroname)
                return true;
        }
        for (int e = 0; e < kLedEffectCount; ++e) {
            const LedEffect &p = x.ledModes[e];
            const LedEffect &q = y.ledModes[e];
            if (p.RGB != q.RGB || p.h != q.h || p.s != q.s || p.v != q.v || p.bright != q.bright || p.breath != q.breath)
                return true;
        }
    }
    return false;
}
