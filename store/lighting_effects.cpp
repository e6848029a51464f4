#include "store/lighting_effects.h"

#include <QCoreApplication>

namespace {

constexpr LightingEffectInfo kEffects[kLightingMenuEffects] = {
    {0, QT_TRANSLATE_NOOP("QObject", "OFF"), false, false, false},
    {1, QT_TRANSLATE_NOOP("QObject", "FULL LIGHTED"), true, false, true},
    {2, QT_TRANSLATE_NOOP("QObject", "7 COLOR"), true, true, false},
    {3, QT_TRANSLATE_NOOP("QObject", "BREATHING"), false, true, true},
    {4, QT_TRANSLATE_NOOP("QObject", "7 COLOR BREATHING"), false, true, false},
    {5, QT_TRANSLATE_NOOP("QObject", "RAINBOW"), true, true, false},
    {6, QT_TRANSLATE_NOOP("QObject", "WAVE"), true, true, false},
    {7, QT_TRANSLATE_NOOP("QObject", "Single WAVE"), true, true, false},
    {8, QT_TRANSLATE_NOOP("QObject", "yo-yo"), true, true, false},
    {9, QT_TRANSLATE_NOOP("QObject", "7 COLOR with tail"), true, true, false},
    {10, QT_TRANSLATE_NOOP("QObject", "REACTIVE"), true, true, true},
    {11, QT_TRANSLATE_NOOP("QObject", "Tri-color running"), true, true, false},
};

// Its lighting is shared by all slots.
const QLatin1String kSharedLightingProduct("6390");

} // namespace

const LightingEffectInfo *lightingEffect(int index)
{
    return index >= 0 && index < kLightingMenuEffects ? &kEffects[index] : nullptr;
}

QVector<int> lightingMenuOrder()
{
    QVector<int> order;
    for (int i = 1; i < kLightingMenuEffects; ++i)
        order.append(i);
    order.append(0);
    return order;
}

int lightingSlot(int activeSlot, const QString &productName)
{
    return productName == kSharedLightingProduct ? 0 : activeSlot;
}
