#pragma once
#include "emulator/mouse_emulator.h"

#include <QString>

// What `--emulate` needs in any of our programs: the umockdev preload in place before the
// process starts, and the emulated mouse set up the same way for the window and the tool.

// "receiver", "cable" or "both" (empty: the caller's default); None for anything else.
MouseEmulator::Connection emulationConnectionNamed(const QString &name, MouseEmulator::Connection fallback);

// Returns true when the preload is already active. Otherwise replaces the process with
// itself under the preload (a sanitizer runtime kept first) and returns only on failure,
// with `error` set. A restart that still lacks the preload fails instead of looping.
bool ensureEmulationPreload(char **argv, QString *error);

// The emulated mouse with its release number, battery and status from the environment, read
// once; the testbed is made on the first call, which sets UMOCKDEV_DIR:
//   ZEL_EMULATE_RELEASE=bcd   ZEL_EMULATE_BATTERY=level[,extra]   ZEL_EMULATE_STATUS=stage,rateCode
MouseEmulator &emulatedMouseFromEnvironment();
// Its misbehaviour from the environment, once plugged:
//   ZEL_EMULATE_SILENT=1                ZEL_EMULATE_ZERO_REPLIES=n
//   ZEL_EMULATE_CORRUPT_ECHOES=n        ZEL_EMULATE_FAIL_WRITES_AFTER=n
//   ZEL_EMULATE_REPLY_DELAY_MS=n        ZEL_EMULATE_UNPLUG_AT_PACKET=n
void misbehaveFromEnvironment(MouseEmulator &mouse);
// Both, with the connection plugged between them.
void plugEmulatedMouseFromEnvironment(MouseEmulator::Connection connection);
