#pragma once
#include <QString>
#include "store/report_rates.h"

// Report-rate codes as the mouse stores them: 8 = 125 Hz, 4 = 250 Hz, 2 = 500 Hz, 1 = 1000 Hz.

// The translated text of a code ("125 HZ" ...); empty for any other code.
QString reportRateText(int rateCode);
