#include "device/status_report.h"

namespace {
constexpr size_t kLastByteUsed = 8;
}

std::optional<StatusReport> parseStatusReport(const unsigned char *buffer, size_t length)
{
    if (!buffer || length <= kLastByteUsed)
        return std::nullopt;
    if (buffer[2] != 0xAA || buffer[3] != 0xFF || buffer[4] != 0xDD)
        return std::nullopt;
    StatusReport report;
    report.level = buffer[5];
    report.extra = buffer[6];
    report.dpiStage = buffer[7] & 0x0F;
    report.rateCode = buffer[8];
    return report;
}
