#pragma once
#include "store/device_settings.h"
#include "store/macro_files.h"

#include <QString>
#include <cstdint>
#include <map>

// Numbering the macros that profile slot 0's buttons use, turning each macro file into a
// 256-byte slot image and sending the images. Macros and gun files are handled alike.

constexpr int kMacroSlotCount = 12;
constexpr int kMacroSlotSize = 256;
constexpr int kMacroImageLimit = 200;   // bytes of a slot that carry events
constexpr int kMacroEventLimit = 63;    // events a button (and so a macro) holds

using MacroIndexMap = std::map<uint8_t, QString>;
const MacroIndexMap &macroIndexMap();
void clearMacroIndexMap();

// The index of a macro name: a new name gets the next number, a known one its own.
uint8_t AssignMacroIndex(const QString &name);

// The image length of `count` events: as they are when one is a delay, else with a 1-unit
// delay after every four events and at the end.
int macroImageLength(const MacroEvent *events, int count);
// Fills slot image `slot` (0 to 11) from the events; the image is cut at 200 bytes, and more
// than 63 events are never read.
void BuildMacroImage(const MacroEvent *events, int count, int slot);
const uint8_t *macroSlotImage(int slot);

// Images the macros of the map that the buttons of `settings` use and sends every slot that is
// not empty. Returns the first
// failing status, or 0 (also when more than 12 macros are in use: then nothing is sent).
uint8_t SendMacros(const DeviceSettings &settings);
