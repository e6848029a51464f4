#pragma once

// The umockdev preload that `--emulate` needs, in plain C++: the launcher uses it before any of
// Qt is loaded, the programs themselves when started directly.

// The option that asks for the emulated mouse: "--emulate" or "--emulate=<connection>".
constexpr char kEmulateOption[] = "--emulate";
// umockdev's preload library, which the emulation needs in place before the process starts.
constexpr char kEmulationPreload[] = "libumockdev-preload.so.0";

// Set on the start that put the preload in place, so that a preload that does not take cannot
// loop.
constexpr char kEmulationRestartMark[] = "ZEL_EMULATION_RESTARTED";

// True when this process has umockdev's preload library mapped.
bool emulationPreloadMapped();

// Adds umockdev's preload library to LD_PRELOAD for the programs this process starts (a
// sanitizer runtime of this process stays first) and sets the restart mark.
void addEmulationPreloadToEnvironment();
