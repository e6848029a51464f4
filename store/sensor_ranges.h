#pragma once
#include "store/sensor_table.h"

// How many DPI stages the product offers: its stage count, or all eight when that count is
// not within 1..8.
int dpiStagesOffered();
