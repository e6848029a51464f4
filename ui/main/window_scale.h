#pragma once

// The window is designed at 999 x 640 and scaled as a whole in steps of 0.25 from 1.0 to 5.0.
constexpr int kDesignWidth = 999;
constexpr int kDesignHeight = 640;
constexpr int kScaleStepCount = 17;

// Index 0..16 for a screen whose logical DPI is `ratio` times 96.
int scaleIndexForRatio(double ratio);
// 1.0 + 0.25 x index, the index clamped to 0..16.
double scaleFactorForIndex(int index);
// The window width the system gave us, matched against the sizes of the first four steps
// (within 9 pixels); -1 when it matches none.
int scaleIndexForWindowWidth(int width);
