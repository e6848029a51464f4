#pragma once
// Profiles with every field set to a value of its own (within what the window takes, where a
// stored value outside would be read as the nearest inside), and a field-by-field comparison
// that names the first difference.
#include "store/device_settings.h"

#include <QString>

inline void fillProfile(ProfileData &p, int seed)
{
    p.pollrate = uint8_t(seed + 1);
    p.dpi = uint8_t((seed + 2) % kDpiStageCount);
    p.LedMode = uint8_t((seed + 3) % 12); // the lighting menu's effects
    p.LedMoveOFF = uint8_t(seed + 4);
    p.LedSleepTime = uint8_t(1 + (seed + 5) % 9);
    for (int i = 0; i < kDpiStageCount; ++i) {
        p.dpiStages[i] = {uint8_t(i & 1), uint8_t((i + 1) & 1), uint32_t(seed * 100 + i), uint32_t(seed * 200 + i),
                          uint32_t(4000000000u + i)};
    }
    p.mousespeed = uint8_t(seed + 6);
    p.dbclickspeed = uint8_t(seed + 7);
    p.scrollispage = 1;
    p.scrollspeed = uint8_t(1 + (seed + 8) % 20);
    p.accelenable = 1;
    p.acee = uint8_t(seed + 9);
    for (int b = 0; b < kButtonSlotCount; ++b) {
        ButtonSlot &s = p.buttons[b];
        s.ID = b - 7;
        s.Fun = b % 3 == 0 ? kMacroFunction : seed + b;
        // Macros and fire keys count from 1; a sniper step is one of the sensor's (1..10 here).
        const bool counts = s.Fun == kMacroFunction || s.Fun == 12;
        s.LoopNumber = counts ? b + 1 : -b;
        s.KeyNumber = counts ? b % 64 + 1 : b % 64;
        for (int k = 0; k < kKeyInfoCount; ++k)
            s.KeyInfo[k] = {uint8_t(k + b), uint8_t(255 - k), uint8_t(seed + k + b)};
        s.Res1 = uint8_t(s.Fun == 55 ? 1 + b % 10 : b);
        s.Res2 = uint8_t(b + 1);
        s.Res3 = uint8_t(b + 2);
        s.Res4 = uint8_t(b + 3);
        s.macroname = b % 3 == 0 ? QStringLiteral("macro %1, \"quoted\" = ; @x").arg(b) : QString();
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        LedEffect &l = p.ledModes[e];
        l.RGB = e == 5 ? QColor() : QColor::fromRgb(e * 10, 255 - e, seed, 255 - e);
        l.h = e == 2 ? -1 : 360 - e;
        l.s = e;
        l.v = seed;
        l.bright = 1 + (e + seed) % 3;
        l.breath = 1 + (e + seed + 1) % 5;
    }
    p.ProfileName = QString::fromUtf8("Profil \u00e9t\u00e9 %1").arg(seed);
    p.ProfilePath = QStringLiteral("C:\\Users\\x\\%1.prof").arg(seed);
}

// Empty when equal, else the first field that differs. `withLightOff` false skips the two
// keys that ".conf" exports leave out.
inline QString profileDifference(const ProfileData &a, const ProfileData &b, bool withLightOff = true)
{
#define ZEL_CMP(field)                                                                                                 \
    if (!(a.field == b.field))                                                                                         \
        return QStringLiteral(#field);
    ZEL_CMP(pollrate) ZEL_CMP(dpi) ZEL_CMP(LedMode)
    if (withLightOff) {
        ZEL_CMP(LedMoveOFF) ZEL_CMP(LedSleepTime)
    }
    for (int i = 0; i < kDpiStageCount; ++i) {
        ZEL_CMP(dpiStages[i].used) ZEL_CMP(dpiStages[i].link) ZEL_CMP(dpiStages[i].xy) ZEL_CMP(dpiStages[i].x)
        ZEL_CMP(dpiStages[i].y)
    }
    ZEL_CMP(mousespeed) ZEL_CMP(dbclickspeed) ZEL_CMP(scrollispage) ZEL_CMP(scrollspeed) ZEL_CMP(accelenable)
    ZEL_CMP(acee)
    for (int i = 0; i < kButtonSlotCount; ++i) {
        ZEL_CMP(buttons[i].ID) ZEL_CMP(buttons[i].Fun) ZEL_CMP(buttons[i].LoopNumber) ZEL_CMP(buttons[i].KeyNumber)
        ZEL_CMP(buttons[i].Res1) ZEL_CMP(buttons[i].Res2) ZEL_CMP(buttons[i].Res3) ZEL_CMP(buttons[i].Res4)
        ZEL_CMP(buttons[i].macroname)
        for (int k = 0; k < kKeyInfoCount; ++k) {
            ZEL_CMP(buttons[i].KeyInfo[k].map) ZEL_CMP(buttons[i].KeyInfo[k].code) ZEL_CMP(buttons[i].KeyInfo[k].H)
        }
    }
    for (int i = 0; i < kLedEffectCount; ++i) {
        ZEL_CMP(ledModes[i].RGB) ZEL_CMP(ledModes[i].h) ZEL_CMP(ledModes[i].s) ZEL_CMP(ledModes[i].v)
        ZEL_CMP(ledModes[i].bright) ZEL_CMP(ledModes[i].breath)
    }
    ZEL_CMP(ProfileName) ZEL_CMP(ProfilePath)
#undef ZEL_CMP
    return QString();
}
