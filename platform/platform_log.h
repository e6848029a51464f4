#pragma once
#include <QLoggingCategory>

// Traces of the notice channel to the on-screen-display companion, and of the hand-over between
// a second start and the running copy. Select with QT_LOGGING_RULES="zelmouse.osd.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcOsd)
Q_DECLARE_LOGGING_CATEGORY(lcInstance)
