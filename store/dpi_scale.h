#pragma once
#include <QString>

// The DPI value shown for a stage's sensor code. The step between codes depends on the sensor
// model ("MouseSenSor/1") and the range; 0 for a model not in the table.
int dpiFromCode(int code, int sensorModel);

// The code in minimum..maximum whose DPI value is nearest to `dpi`; the lower code on a tie.
// `minimum` when the range is empty or the sensor is not in the table.
int nearestDpiCode(int dpi, int sensorModel, int minimum, int maximum);

// A stage's DPI as the window shows it: "10800" when X and Y agree, "10800 × 1600" when not.
QString dpiPairText(int dpiX, int dpiY);
