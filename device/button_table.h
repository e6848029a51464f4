#pragma once
#include "store/device_settings.h"

#include <cstdint>

// The button table: 16 entries of 4 bytes staged here and sent in packets 0x07, 0x08, 0x09.
// The staging table lives for the whole run and is not cleared between writes.

constexpr int kButtonEntryCount = 16;

// Where the product puts its buttons, read from the product file once per table.
struct ButtonTableLayout {
    bool scrollReversed = false;      // "PROFILE/ScrollRev" = 1
    uint8_t matrix[16] = {};          // deviceButtonMatrix, read at start-up
    int sensorId = 0;                 // "MouseSenSor/1", for the sniper code
};
ButtonTableLayout currentButtonTableLayout();

// The staging entry that position p fills: wheel positions 14 and 15 (exchanged when the
// wheel is reversed), every other position as the product's matrix says. -1 when the position
// or the matrix value lies outside the 16 entries; nothing is staged then.
int stagingEntryFor(int position, const ButtonTableLayout &layout);

// Fills the staging entry of a position from a slot. A macro or gun button gets its macro
// index (which is also stored in the slot's Res4).
void EncodeButtonEntry(ButtonSlot &slot, int position);
void EncodeButtonEntry(ButtonSlot &slot, int position, const ButtonTableLayout &layout);

// The 4 bytes of a slot's entry.
void encodeButtonBytes(ButtonSlot &slot, int sensorId, uint8_t out[4]);

// Rebuilds the macro index map and the staging table from profile slot 0 of `settings` (whose
// macro buttons get their index in Res4) and sends it. Returns the first failing status, or 0.
uint8_t SendButtonTable(DeviceSettings &settings);

// A staged entry, for inspection.
const uint8_t *stagedButtonEntry(int entry);
