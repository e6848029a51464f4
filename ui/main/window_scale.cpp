#include "ui/main/window_scale.h"

#include <cstdlib>
#include <iterator>

namespace {

// Strict upper bound of the DPI ratio for each step; above the last bound the factor is 5.0.
// The bounds are deliberately uneven: they are the ones the installed base was tuned with.
constexpr double kRatioBounds[kScaleStepCount - 1] = {
    1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8, 3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8,
};

struct WidthMatch {
    int width;
    int index;
};

// Widths the window is given at the first four steps; a window manager may round them.
constexpr WidthMatch kWidthMatches[] = {
    {999, 0},
    {1248, 1},
    {1498, 2},
    {1748, 3},
};
constexpr int kWidthTolerance = 9;

} // namespace

int scaleIndexForRatio(double ratio)
{
    for (int i = 0; i < int(std::size(kRatioBounds)); ++i) {
        if (ratio < kRatioBounds[i])
            return i;
    }
    return kScaleStepCount - 1;
}

double scaleFactorForIndex(int index)
{
    if (index < 0)
        index = 0;
    if (index >= kScaleStepCount)
        index = kScaleStepCount - 1;
    return 1.0 + 0.25 * index;
}

int scaleIndexForWindowWidth(int width)
{
    for (const WidthMatch &match : kWidthMatches) {
        if (std::abs(width - match.width) <= kWidthTolerance)
            return match.index;
    }
    return -1;
}
