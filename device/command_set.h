#pragma once
#include "store/device_settings.h"

#include <cstdint>

// The configuration the mouse was last sent: the write sequence copies the settings here and
// encodes every packet from profile slot 0 of it. Zero until the first write; written only by
// WriteAllSettings.
extern DeviceSettings sentSettings;

enum class WriteMarker { Begin, End };

// Each group returns the SendCommand status of its first failing packet, or 0.
uint8_t SendWriteMarker(WriteMarker marker);
// Each encodes profile slot 0 and the device-wide options of the record it is given.
uint8_t SendRateAndLighting(const DeviceSettings &settings);
uint8_t SendDpiStages(const DeviceSettings &settings);

// The full write: the previous rate-and-lighting pair, poller stopped, settings copied, begin
// marker, rate and lighting, button table, DPI stages, macros, end marker, poller started
// again. Returns the first failing status, or 0.
uint8_t WriteAllSettings(const DeviceSettings &settings);

// Picking an on-board profile (the slot menu, through the device session). The select command
// is not echoed; the follow-ups stop at the first failure.
uint8_t SendProfileSelect(int profile);
uint8_t SendProfileFollowUp();
