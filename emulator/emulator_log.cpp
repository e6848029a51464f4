#include "emulator/emulator_log.h"

Q_LOGGING_CATEGORY(lcEmulator, "zelmouse.emulator")
