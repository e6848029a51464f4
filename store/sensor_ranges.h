#pragma once
#include <QString>

// What the DPI sliders offer for a sensor: the DPI values printed at both ends, the range of
// sensor codes, and whether X and Y can be set apart.
struct SensorRange {
    int minimumDpi = 0;
    int maximumDpi = 0;
    int minimumCode = 0;
    int maximumCode = 0;
    bool separateXY = false;
};

// False for a sensor model not in the table; `out` is then left alone. Some sensors differ by
// product name ("Config/CurrentProductName") or by the product's wide-range flag.
bool sensorRange(int sensorModel, const QString &productName, int wideDpiRange, SensorRange *out);

// How many DPI stages the product offers: its stage count, or all eight when that count is
// not within 1..8.
int dpiStagesOffered();
