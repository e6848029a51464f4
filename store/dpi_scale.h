#pragma once

// The DPI value shown for a stage's sensor code. The step between codes depends on the sensor
// model ("MouseSenSor/1") and the range; 0 for a model not in the table.
int dpiFromCode(int code, int sensorModel);
