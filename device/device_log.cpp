#include "device/device_log.h"

Q_LOGGING_CATEGORY(lcDevice, "zelmouse.device")
