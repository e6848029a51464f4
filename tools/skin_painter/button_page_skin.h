#pragma once
#include <QString>

// The rows of the button customisation page: "keyfun-1.png" resting, "-2" under the mouse,
// "-3" pressed. False when an image could not be written.
bool paintButtonPageSkin(const QString &outputDir);
