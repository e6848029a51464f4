#include "ui/main/window_log.h"

Q_LOGGING_CATEGORY(lcWindow, "zelmouse.window")
