#include "platform/platform_log.h"

Q_LOGGING_CATEGORY(lcPlatform, "zelmouse.platform")
Q_LOGGING_CATEGORY(lcOsd, "zelmouse.osd")
