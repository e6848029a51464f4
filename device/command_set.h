#pragma once
#include "device/packet.h"
#include "store/device_settings.h"

#include <array>
#include <cstdint>

struct ProductSnapshot;

// The configuration packets of each setting, built from profile slot 0 and the device-wide
// options of the record they are given.

enum class WriteMarker { Begin, End };
Packet writeMarkerPacket(WriteMarker marker);
// 0x01 (stage, rate, lighting effect) and 0x02 (lift, sleep, sensor options, colour).
std::array<Packet, 2> rateAndLightingPackets(const DeviceSettings &settings, const ProductSnapshot &product);
// 0x05 (stages 1 to 6) and 0x06 (stages 7 and 8), encoded for the product's sensor.
std::array<Packet, 2> dpiStagePackets(const DeviceSettings &settings, const ProductSnapshot &product);

// Picking an on-board profile (the slot menu, through the device session). The select command
// is not echoed; the follow-ups stop at the first failure.
uint8_t SendProfileSelect(int profile);
uint8_t SendProfileFollowUp();
