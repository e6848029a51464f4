#pragma once
#include <QLoggingCategory>

// Traces of the desktop layer: pointer speed, settings programs, the instance lock, HID
// interfaces coming and going.
// Select with QT_LOGGING_RULES="zelmouse.platform.debug=false" and the like.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
