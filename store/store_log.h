#pragma once
#include <QLoggingCategory>

// Traces of the settings store: files read and written, names refused.
// Select with QT_LOGGING_RULES="zelmouse.store.debug=false" and the like.
Q_DECLARE_LOGGING_CATEGORY(lcStore)
