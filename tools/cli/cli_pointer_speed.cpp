#include "tools/cli/cli_pointer_speed.h"

#include "tools/cli/cli_output.h"

#include "device/exchange_status.h"
#include "platform/pointer_speed.h"
#include "store/config_file.h"
#include "store/device_settings.h"

void followWithDesktopPointerSpeed(uint8_t writeStatus)
{
    // A failed apply leaves the desktop as it was, as it leaves the mouse's profile.
    if (writeStatus != ExchangeOk || !readDesktopPointerSpeedOption())
        return;
    const PointerSpeedOutcome outcome = setDesktopPointerSpeed(storedMouseSpeed(currentSettings.active().mousespeed));
    if (outcome.done)
        printResult(QStringLiteral("The desktop's pointer speed is now %1 (%2).").arg(outcome.mouseSpeed).arg(outcome.where));
    else
        printError(QStringLiteral("The desktop's pointer speed was not set: %1").arg(outcome.reason));
}
