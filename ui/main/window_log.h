#pragma once
#include <QLoggingCategory>

// Traces of the main window: status reports, workflows.
// Select with QT_LOGGING_RULES="zelmouse.window.debug=false" and the like.
Q_DECLARE_LOGGING_CATEGORY(lcWindow)
