#pragma once
#include <QColor>
#include <QString>
#include <cstdint>

// The in-memory mirror of the mouse: five on-board profiles and the device-wide options.

struct KeyInfoEntry {
    uint8_t map = 0;
    uint8_t code = 0;
    uint8_t H = 0;
};

struct DpiStage {
    uint8_t used = 0;
    uint8_t link = 0;
    uint32_t xy = 0;
    uint32_t x = 0;
    uint32_t y = 0;
};

constexpr int kKeyInfoCount = 63;
constexpr int kButtonSlotCount = 42;
constexpr int kLedEffectCount = 14;
constexpr int kDpiStageCount = 8;
constexpr int kProfileCount = 5;
constexpr int kMacroFunction = 200;

struct ButtonSlot {
    int32_t ID = 0;
    int32_t Fun = 0;
    int32_t LoopNumber = 0;
    int32_t KeyNumber = 0;
    KeyInfoEntry KeyInfo[kKeyInfoCount];
    uint8_t Res1 = 0, Res2 = 0, Res3 = 0, Res4 = 0;
    QString macroname;
};

struct LedEffect {
    QColor RGB;
    int32_t h = 0;
    int32_t s = 0;
    int32_t v = 0;
    int32_t bright = 0;
    int32_t breath = 0;
};

struct ProfileData {
    uint8_t pollrate = 0;
    uint8_t dpi = 0;
    uint8_t LedMode = 0;
    uint8_t LedMoveOFF = 0;
    uint8_t LedSleepTime = 0;
    DpiStage dpiStages[kDpiStageCount];
    uint8_t mousespeed = 0;
    uint8_t dbclickspeed = 0;
    uint8_t scrollispage = 0;
    uint8_t scrollspeed = 0;
    uint8_t accelenable = 0;
    uint8_t acee = 0;
    ButtonSlot buttons[kButtonSlotCount];
    LedEffect ledModes[kLedEffectCount];
    QString ProfileName;
    QString ProfilePath;
};

struct DeviceSettings {
    uint8_t ProfileID = 0;
    ProfileData profiles[kProfileCount];
    uint8_t AngleValue = 0;
    uint8_t LiftHigh = 0;
    uint8_t Sync = 0;
    uint8_t Count = 0;
    uint8_t Jitter = 0;
    uint8_t Debounce = 0;
    uint8_t Wake = 0;
    uint8_t SensorMode = 0;
    QString ProfileNames[kProfileCount];

    int activeIndex() const { return ProfileID < kProfileCount ? ProfileID : 0; }
    ProfileData &active() { return profiles[activeIndex()]; }
    const ProfileData &active() const { return profiles[activeIndex()]; }
};

// Edited by the pages; saved to the files on apply.
extern DeviceSettings currentSettings;
// Loaded from the files at start-up; a snapshot of currentSettings after each write.
extern DeviceSettings appliedSettings;

void resetProfile(ProfileData &profile);
void resetAllProfiles(DeviceSettings &settings);
void writeDefaultProfileFile();
// Bit 0 general, bit 1 DPI stages, bit 2 buttons and macros, bit 3 lighting.
// May clear "Setting/WriteSign" of one macro file, as markEditedMacroSent does.
int computeChangeMask(const DeviceSettings &current, const DeviceSettings &applied);
// True when `current` holds an edit that Apply would send and `applied` has not: edits not yet
// sent. Unlike the change mask, it looks at every such field and changes no file.
bool settingsDiffer(const DeviceSettings &current, const DeviceSettings &applied);
// A write marks one edited macro as sent: the first macro button, in slot order and before any
// button that differs, whose file carries "Setting/WriteSign" 1 gets it cleared.
void markEditedMacroSent(const DeviceSettings &current, const DeviceSettings &applied);
