#include "ui/kit/ui_scale.h"

#include "ui/kit/kit_resources.h"

namespace {
double scaleFactor = 1.0;
} // namespace

double uiScaleFactor()
{
    return scaleFactor;
}

void setUiScaleFactor(double factor)
{
    // A non-positive factor would collapse every window; keep the last good one.
    if (factor > 0.0)
        scaleFactor = factor;
}

int scaled(int designValue, double factor)
{
    return static_cast<int>(designValue * factor);
}

int scaled(int designValue)
{
    return scaled(designValue, scaleFactor);
}

QRect scaledRect(int x, int y, int width, int height)
{
    return QRect(scaled(x), scaled(y), scaled(width), scaled(height));
}

QSize scaledSize(int width, int height)
{
    return QSize(scaled(width), scaled(height));
}

// Every program that uses the kit reads the scale factor, so this unit is always linked:
// registering the compiled-in resources here makes ":/..." names work without further calls.
static const bool resourcesRegistered = (initKitResources(), true);
