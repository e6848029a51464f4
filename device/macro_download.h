#pragma once
#include "device/packet.h"
#include "store/device_settings.h"
#include "store/macro_files.h"

#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Turning macro files into the mouse's 256-byte slot images and the images into packets.
// Macros and gun files are handled alike.

constexpr int kMacroSlotCount = 12;
constexpr int kMacroSlotSize = 256;
constexpr int kMacroImageLimit = 200;   // bytes of a slot that carry events
constexpr int kMacroEventLimit = 63;    // events a button (and so a macro) holds

using MacroImage = std::array<uint8_t, kMacroSlotSize>;

// The image length of `count` events: as they are when one is a delay, else with a 1-unit
// delay after every four events and at the end.
int macroImageLength(const MacroEvent *events, int count);
// The image of the events, cut at 200 bytes; more than 63 events are never read.
MacroImage macroImage(const MacroEvent *events, int count);

// The images of the macros the buttons of `profile` play, read from their files. A macro that
// does not fit a slot (or has no file) gets the image of no events: cut short, it could press
// a key it never releases.
QHash<QString, MacroImage> loadMacroImages(const ProfileData &profile);

// The packets of the images, slot k the image of macro k (nine packets each); an image that
// begins with five zero bytes is not sent.
std::vector<Packet> macroSlotPackets(const std::vector<MacroImage> &images);
