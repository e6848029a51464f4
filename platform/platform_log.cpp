#include "platform/platform_log.h"

Q_LOGGING_CATEGORY(lcOsd, "zelmouse.osd")
Q_LOGGING_CATEGORY(lcInstance, "zelmouse.instance")
