#pragma once
#include <cstdint>

// After a write of the stored settings: when the user turned the option on and the write
// succeeded, the desktop's pointer speed follows the active profile; says what happened.
void followWithDesktopPointerSpeed(uint8_t writeStatus);
