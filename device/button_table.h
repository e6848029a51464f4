#pragma once
#include "device/packet.h"
#include "store/device_settings.h"

#include <QStringList>
#include <array>
#include <cstdint>

struct ProductSnapshot;

// The button table: 16 entries of 4 bytes, sent in packets 0x07, 0x08, 0x09.

constexpr int kButtonEntryCount = 16;
// The table entries the wheel's two slots fill.
constexpr int kWheelUpEntry = 14;
constexpr int kWheelDownEntry = 15;

struct ButtonTable {
    uint8_t entries[kButtonEntryCount][4] = {};
    // The macros the buttons play, numbered in the order the table meets them.
    QStringList macros;
};

// The entry that position p fills: the wheel's positions 14 and 15 (exchanged when the wheel
// is reversed), every other position as the product's matrix says. -1 when the position or
// the matrix value lies outside the 16 entries; nothing is encoded then.
int buttonEntryFor(int position, const ProductSnapshot &product);

// The 4 bytes of a slot's entry; `macroIndex` is the number of the macro a macro or gun button
// plays.
void encodeButtonBytes(const ButtonSlot &slot, int sensorId, uint8_t out[4], uint8_t macroIndex = 0);

// The table of a profile's buttons: its first buttonCount slots (16 at most), then the wheel.
ButtonTable encodeButtonTable(const ProfileData &profile, const ProductSnapshot &product);
std::array<Packet, 3> buttonTablePackets(const ButtonTable &table);
