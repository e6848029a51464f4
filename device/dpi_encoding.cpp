#include "device/dpi_encoding.h"

#include "store/sensor_table.h"

#include <iterator>
#include <utility>

namespace {

constexpr uint8_t kT1[] = {0,  2,  4,  6,  8,  11, 13, 15, 18, 20, 22, 25, 27,  29,  32,  34,  36,
                           39, 41, 43, 46, 48, 50, 52, 55, 57, 59, 62, 64, 66,  69,  71,  73,  76,
                           78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

constexpr uint8_t kT2[] = {
    0,   0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,
    24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,  48,
    50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,  72,  74,
    75,  76,  77,  78,  80,  81,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,
    100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124,
    125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143};

constexpr uint8_t kT3[] = {0,   4,   6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,  31,  33,  36,
                           38,  40,  43,  45,  47,  49,  52,  54,  56,  58,  61,  63,  65,  67,  70,  72,
                           74,  77,  79,  81,  83,  86,  88,  90,  92,  95,  97,  99,  102, 104, 106, 108,
                           111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140};

constexpr uint8_t kT4[] = {188, 188, 4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,  32,  34,  36,
                           39,  41,  43,  46,  48,  50,  52,  55,  57,  59,  62,  64,  66,  69,  72,  74,  77,
                           78,  81,  84,  85,  88,  91,  93,  95,  98,  100, 102, 105, 107, 109, 112, 114, 116,
                           119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147, 149, 151, 154, 156,
                           158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187};

constexpr uint8_t kT5[] = {
    143, 0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,
    24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,  48,
    50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,  72,  74,
    75,  76,  77,  78,  80,  81,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,
    100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124,
    125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 146, 147, 148, 149,
    150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167, 168, 170, 171, 172, 173, 174,
    176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188};

static_assert(std::size(kT1) == 51 && std::size(kT2) == 121 && std::size(kT3) == 62, "DPI table sizes");
static_assert(std::size(kT4) == 81 && std::size(kT5) == 161, "DPI table sizes");

// Stage values come from files: an index past a table takes its last entry.
template <size_t N>
uint8_t lookup(const uint8_t (&table)[N], int64_t index)
{
    if (index < 0)
        return table[0];
    if (index >= static_cast<int64_t>(N))
        return table[N - 1];
    return table[index];
}

DpiCode code(uint8_t flag, int64_t value)
{
    return {flag, static_cast<uint8_t>(value & 0xFF), 0};
}

DpiCode code16(uint8_t flag, int64_t value)
{
    return {flag, static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF)};
}

} // namespace

bool isKnownDpiSensor(int sensorId)
{
    const SensorInfo *sensor = sensorInfo(sensorId);
    return sensor && sensor->encoding != DpiEncodingRule::None;
}

DpiCode EncodeDpiValue(int sensorId, uint32_t value, DpiAxis axis)
{
    const SensorInfo *sensor = sensorInfo(sensorId);
    const int64_t v = value;
    switch (sensor ? sensor->encoding : DpiEncodingRule::None) {
    case DpiEncodingRule::E3325:
        if (v <= 50)
            return code(0, lookup(kT1, v));
        if (v <= 75)
            return code(1, lookup(kT1, v - 25));
        return code(2, lookup(kT1, v - 50));
    case DpiEncodingRule::E3311:
        return v <= 120 ? code(0, lookup(kT2, v)) : code(1, lookup(kT2, v - 60));
    case DpiEncodingRule::E3370:
        return v <= 200 ? code(0, v - 1) : code(1, v - 101);
    case DpiEncodingRule::E3327:
        if (v <= 61)
            return code(0, lookup(kT3, v));
        if (v <= 92)
            return code(1, lookup(kT3, v - 31));
        return code(4, lookup(kT3, v - 52));
    case DpiEncodingRule::E3360:
        return v <= 120 ? code(0, v - 1) : code(1, v - 61);
    case DpiEncodingRule::E3389:
        return v <= 320 ? code16(0, v) : code16(1, v - 160);
    case DpiEncodingRule::E3212:
        if (v <= 63)
            return code(0, v);
        if (v <= 94)
            return code(1, v - 32);
        return code(2, v - 63);
    case DpiEncodingRule::E3104:
        return v <= 106 ? code(0, v) : code(1, v - 53);
    case DpiEncodingRule::E3333:
        return v <= 79 ? code(0, lookup(kT4, v)) : code(1, lookup(kT4, v - 40));
    case DpiEncodingRule::E3335:
        return v <= 160 ? code(0, lookup(kT5, v)) : code(1, lookup(kT5, v - 40));
    case DpiEncodingRule::E3395:
        return code16(0, v);
    case DpiEncodingRule::E33952: {
        const int64_t limit = axis == DpiAxis::X ? 519 : 520;
        return v <= limit ? code16(0, v) : code16(1, v - 260);
    }
    case DpiEncodingRule::None:
        break;
    }
    return {};
}

void encodeDpiStage(int sensorId, uint32_t x, uint32_t y, uint8_t out[5])
{
    for (int i = 0; i < 5; ++i)
        out[i] = 0;
    if (!isKnownDpiSensor(sensorId))
        return;
    uint32_t first = x;
    uint32_t second = y;
    switch (sensorInfo(sensorId)->axes) {
    case StageAxes::XThenY: break;
    case StageAxes::YThenX: std::swap(first, second); break;
    case StageAxes::XTwice: second = x; break;
    }
    const DpiCode a = EncodeDpiValue(sensorId, first, DpiAxis::X);
    const DpiCode b = EncodeDpiValue(sensorId, second, DpiAxis::Y);
    out[0] = a.flag;
    out[1] = a.low;
    out[2] = a.high;
    out[3] = b.low;
    out[4] = b.high;
}

uint8_t sniperCode(int sensorId, uint8_t value)
{
    const SensorInfo *sensor = sensorInfo(sensorId);
    switch (sensor ? sensor->sniperCode : SniperCodeRule::Fixed4) {
    case SniperCodeRule::Value:
        return value;
    case SniperCodeRule::TableT1:
        return lookup(kT1, value);
    case SniperCodeRule::TableT3:
        return lookup(kT3, value);
    case SniperCodeRule::TableT5:
        return lookup(kT5, value);
    case SniperCodeRule::MinusOne:
        return static_cast<uint8_t>(value - 1);
    case SniperCodeRule::Fixed4:
        break;
    }
    return 4;
}
