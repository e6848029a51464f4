#pragma once
#include <QRect>
#include <QSize>

// The process-wide user-interface scale factor (1.0 .. 5.0 in steps of 0.25). The main window
// sets it from the screen; every window multiplies its design sizes by it and truncates.
double uiScaleFactor();
void setUiScaleFactor(double factor);

// Design value times the factor, truncated toward zero.
int scaled(int designValue);
int scaled(int designValue, double factor);
QRect scaledRect(int x, int y, int width, int height);
QRect scaledRect(int x, int y, int width, int height, double factor);
QSize scaledSize(int width, int height);
