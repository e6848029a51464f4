#pragma once
#include <QVector>

// Report-rate codes as the mouse stores them: 8 = 125 Hz, 4 = 250 Hz, 2 = 500 Hz, 1 = 1000 Hz.

// 0 for a code that is none of these.
int reportRateHz(int code);
// 0 for a rate the mouse does not offer.
int reportRateCodeForHz(int hz);
// The codes from the slowest rate to the fastest, as the rate menu lists them.
QVector<int> reportRateCodes();
