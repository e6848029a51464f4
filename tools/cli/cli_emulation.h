#pragma once
#include <QString>

// --emulate for the command-line tool: the emulated mouse in this process, reached through the
// real hidapi and libudev path. The umockdev preload must be in place before the process
// starts, so the tool starts itself again with it when it is missing.
//
// Tests set the mouse up through the environment (read once, when the mouse is plugged):
//   ZEL_EMULATE_BATTERY=level[,extra]   ZEL_EMULATE_STATUS=stage,rateCode
//   ZEL_EMULATE_SILENT=1                ZEL_EMULATE_ZERO_REPLIES=n
//   ZEL_EMULATE_CORRUPT_ECHOES=n        ZEL_EMULATE_FAIL_WRITES_AFTER=n
//   ZEL_EMULATE_REPLY_DELAY_MS=n        ZEL_EMULATE_UNPLUG_AT_PACKET=n
//   ZEL_EMULATE_RELEASE=bcd             (release number of the plugged connections)

// Replaces the process with itself under the preload when the preload is missing. Returns
// only when nothing had to be done (true) or the restart failed (false, `error` set).
bool ensureEmulationPreload(char **argv, QString *error);

// Plugs the emulated receiver, cable or both for the life of the object; the device link
// must be closed before it goes.
class EmulatedMouse {
public:
    explicit EmulatedMouse(const QString &connection);
    ~EmulatedMouse();
    EmulatedMouse(const EmulatedMouse &) = delete;
    EmulatedMouse &operator=(const EmulatedMouse &) = delete;
};
