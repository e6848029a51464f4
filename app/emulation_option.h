#pragma once

// `zelmouse --emulate[=receiver|cable|both]`: the utility runs against the emulated mouse in
// its own process instead of real hardware. Without the option nothing changes.
struct EmulationOption {
    bool enabled = false;
    int connection = 1; // MouseEmulator::Connection: 1 receiver, 2 cable, 3 both
};

// Parses "--emulate" or "--emulate=VALUE"; false for an unknown value.
bool parseEmulationArgument(const char *argument, EmulationOption *option);

// Takes the option out of argv. When it is given and the umockdev preload is not active,
// re-executes the program under it (with the ASan runtime first in sanitizer builds) and does
// not return. Ends the process with status 2 on a bad value or when emulation is not built in.
EmulationOption takeEmulationOption(int &argc, char **argv);

// Makes the emulated mouse's testbed, which sets UMOCKDEV_DIR: call before any other thread
// starts.
void beginEmulation(const EmulationOption &option);
// Plugs the mouse into it, on whichever thread: its files are several milliseconds of system
// calls, which another core can make while the application object is built.
void plugEmulatedMouse(const EmulationOption &option);
// Waits for the plug and opens the tester's control pipe. Call after the application object
// exists, and before the main window looks for the mouse.
void startEmulation(const EmulationOption &option);
// After the window has closed the device; also where beginEmulation() was not followed by
// startEmulation(). Waits for the plug first.
void stopEmulation(const EmulationOption &option);
