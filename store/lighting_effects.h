#pragma once
#include <QString>

// The lighting effects a profile can run, indexed by ProfileData::LedMode, and which of an
// effect's settings the lighting page offers. Indices 12 and 13 exist in every profile but
// are offered nowhere.
constexpr int kLedMenuEffectCount = 12;

struct LightingEffectRows {
    bool brightness = false;
    bool speed = false;
    bool colorLabel = false;
    bool colorSwatch = false;
    // The speed row takes the brightness row's place.
    bool speedFirst = false;
};

// The untranslated menu text of effect `index` (0..13); empty outside that range.
const char *lightingEffectText(int index);
// Which rows effect `index` shows; false for indices beyond 11, which callers leave alone.
bool lightingEffectRows(int index, LightingEffectRows *rows);
// The menu lists effects 1..11, then OFF.
int lightingMenuEffect(int position);

// The ranges of the effect settings and the two values of LedMoveOFF.
constexpr int kBrightnessMin = 1;
constexpr int kBrightnessMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
constexpr int kLightOffWhileMoving = 0; // LedMoveOFF: the light goes off while the mouse moves
constexpr int kLightStaysOn = 255;

// The slot whose lighting the lighting page edits: the active one, except for a product whose
// lighting always lives in slot 0.
int lightingSlot(int activeSlot, const QString &productName);
