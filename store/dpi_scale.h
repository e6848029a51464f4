#pragma once

// The DPI value shown for a stage's sensor code. The step between codes depends on the sensor
// model ("MouseSenSor/1") and the range; 0 for a model not in the table.
int dpiFromCode(int code, int sensorModel);

// The codes a DPI stage of the sensor can take: false for a model not in the table. Sensors
// 3325 and 33252 reach further when the product allows the wide range; sensor 3327 stops at 92
// on the products that use its short range.
struct DpiCodeRange {
    int minimum;
    int maximum;
};
bool dpiCodeRange(int sensorModel, bool wideRange, bool shortRange3327, DpiCodeRange *range);

// The code in minimum..maximum whose DPI value is nearest to `dpi`; the lower code on a tie.
// `minimum` when the range is empty or the sensor is not in the table.
int nearestDpiCode(int dpi, int sensorModel, int minimum, int maximum);
