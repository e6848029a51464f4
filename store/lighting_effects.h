#pragma once
#include <QString>
#include <QVector>

// The lighting effects the effect menu offers (0..11; the record has room for 14) and which
// of an effect's settings the lighting page lets the user change.

struct LightingEffectInfo {
    int index;
    const char *menuText; // English; translation context "QObject"
    bool brightness;      // the brightness row is shown
    bool speed;           // the speed row is shown
    bool color;           // the colour swatch is shown
};

constexpr int kLightingMenuEffects = 12;
constexpr int kBrightnessMin = 1;
constexpr int kBrightnessMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
// LedMoveOFF: 0 turns the light off while the mouse moves; 255 keeps it on.
constexpr int kLightOffWhileMoving = 0;
constexpr int kLightStaysOn = 255;

// nullptr for an index the menu does not offer.
const LightingEffectInfo *lightingEffect(int index);
// The menu's order: effects 1..11, then 0 ("OFF").
QVector<int> lightingMenuOrder();

// The slot whose lighting the lighting page edits: the active one, except for a product whose
// lighting always lives in slot 0.
int lightingSlot(int activeSlot, const QString &productName);
