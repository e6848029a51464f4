#pragma once
#include <QLoggingCategory>

// Traces of the desktop layer: pointer speed, settings programs, the instance lock and the
// hand-over of a second start, HID interfaces coming and going.
// Select with QT_LOGGING_RULES="zelmouse.platform.debug=false" and the like.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
// Traces of the notice channel to the on-screen display, in the program and in the companion.
Q_DECLARE_LOGGING_CATEGORY(lcOsd)
