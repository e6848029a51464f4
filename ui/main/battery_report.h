#pragma once
#include <QColor>
#include <QString>

// A level at or below this is low: the bar turns to the warning colour, the tray gives notice.
constexpr int kLowBatteryLevel = 15;

// What the battery bar shows for one battery report.
struct BatteryBarView {
    bool mouseOff = false;     // level 0: grey bar reading "MOUSE OFF"
    bool textVisible = true;
    bool percentText = false;  // "%p%" rather than no text at all (the cable shows none)
    int value = 0;             // bar value, 0..100
    bool low = false;          // at or below kLowBatteryLevel, on battery
};

// The bar for a reported level (the mouse sends 0..100; anything above reads as full).
BatteryBarView batteryBarView(int level, bool cableLink);

// The bar's style: grey when the mouse is off (or its level unknown), else white with a chunk
// in the accent colour, or in the warning colour when the level is low; bold text of the given
// pixel size.
QString batteryBarStyle(bool mouseOff, const QColor &accent, int fontPixels, bool low = false);
// The chunk's colour for a low battery: the same on every accent colour.
QColor lowBatteryColor();

// The text size for the bar: 16 px at scale 1, made smaller when `text` in bold would not fit
// within `barWidth` in `family` (the configured font may be wider than the skin was drawn for).
int batteryTextPixels(const QString &text, const QString &family, int barWidth, double factor);
