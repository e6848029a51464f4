#pragma once
#include <QLoggingCategory>

// Traces of the emulated mouse and its control pipe.
// Select with QT_LOGGING_RULES="zelmouse.emulator.debug=false" and the like.
Q_DECLARE_LOGGING_CATEGORY(lcEmulator)
