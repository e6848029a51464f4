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

QRect scaledRect(int x, int y, int width, int height, double factor)
{
    return QRect(scaled(x, factor), scaled(y, factor), scaled(width, factor), scaled(height, factor));
}

QRect scaledRect(int x, int y, int width, int height)
{
    return scaledRect(x, y, width, height, scaleFactor);
}

QSize scaledSize(int width, int height)
{
    return QSize(scaled(width), scaled(height));
}

// Every program that uses the kit reads the scale factor, so this unit is always linked:
// registering the compiled-in resources here makes ":/..." names work without further calls.
static const bool resourcesRegistered = (initKitResources(), true);
