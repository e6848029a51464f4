#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

// What the mouse reports about itself, unasked or in answer to the status request.
struct StatusReport {
    uint8_t level = 0;     // battery level; 0: the mouse is off
    uint8_t extra = 0;
    uint8_t dpiStage = 0;  // 0..15, as the mouse sends it; callers check it against their stages
    uint8_t rateCode = 0;
};

// Reads a status report out of a read buffer laid out as the exchange lays it out (reply byte i
// at index i, index 0 unused). Empty for anything that is not one, or too short to be one.
std::optional<StatusReport> parseStatusReport(const unsigned char *buffer, size_t length);
