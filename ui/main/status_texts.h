#pragma once
#include <QString>

// Notices the window sends to the on-screen display when the mouse reports a change.

// The translated rate ("125 HZ" ... "1000 HZ"); an empty text for an unknown code.
QString rateNoticeText(int rateCode);

// "DPI" (translated) + " <stage + 1>:<dpi>"; a stage whose X and Y differ shows both
// ("DPI 2:10800 × 1600").
QString dpiNoticeText(int stage, int dpiX, int dpiY);
