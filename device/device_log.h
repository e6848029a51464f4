#pragma once
#include <QLoggingCategory>

// Traces of the device link: every exchange with the mouse, discovery, the device threads.
// Select with QT_LOGGING_RULES="zelmouse.device.debug=false" and the like.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
