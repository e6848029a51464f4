#include "store/lighting_effects.h"

#include "store/device_settings.h"

#include <QtGlobal>

namespace {

struct EffectEntry {
    const char *text;
    LightingEffectRows rows;
};

// brightness, speed, "COLOR" label, swatch, speed in the first row
const EffectEntry kEffects[kLedEffectCount] = {
    {QT_TRANSLATE_NOOP("QObject", "OFF"), {false, false, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "FULL LIGHTED"), {true, false, false, true, false}},
    {QT_TRANSLATE_NOOP("QObject", "7 COLOR"), {true, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "BREATHING"), {false, true, true, true, true}},
    {QT_TRANSLATE_NOOP("QObject", "7 COLOR BREATHING"), {false, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "RAINBOW"), {true, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "WAVE"), {true, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "Single WAVE"), {true, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "yo-yo"), {true, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "7 COLOR with tail"), {true, true, false, false, false}},
    {QT_TRANSLATE_NOOP("QObject", "REACTIVE"), {true, true, true, true, false}},
    {QT_TRANSLATE_NOOP("QObject", "Tri-color running"), {true, true, false, false, false}},
    // Created but never offered in the menu.
    {QT_TRANSLATE_NOOP("QObject", "EFFECT 12"), {}},
    {QT_TRANSLATE_NOOP("QObject", "EFFECT 13"), {}},
};

// Its lighting is shared by all slots.
const QLatin1String kSharedLightingProduct("6390");

} // namespace

const char *lightingEffectText(int index)
{
    return index >= 0 && index < kLedEffectCount ? kEffects[index].text : "";
}

bool lightingEffectRows(int index, LightingEffectRows *rows)
{
    if (index < 0 || index >= kLedMenuEffectCount)
        return false;
    *rows = kEffects[index].rows;
    return true;
}

int lightingMenuEffect(int position)
{
    return position + 1 < kLedMenuEffectCount ? position + 1 : 0;
}

int lightingSlot(int activeSlot, const QString &productName)
{
    return productName == kSharedLightingProduct ? 0 : activeSlot;
}
