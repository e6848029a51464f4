#pragma once
#include <cstdint>

// How a DPI stage value becomes the sensor's code. The sensor id is "MouseSenSor/1".

struct DpiCode {
    uint8_t flag = 0;
    uint8_t low = 0;
    uint8_t high = 0;
    bool operator==(const DpiCode &o) const { return flag == o.flag && low == o.low && high == o.high; }
};

// Only sensor 33952 encodes X and Y differently.
enum class DpiAxis { X, Y };

// (0, 0, 0) for an unknown sensor. A value past the end of a sensor's lookup table takes the
// table's last code (the sensor's highest), never a byte from beyond the table.
DpiCode EncodeDpiValue(int sensorId, uint32_t value, DpiAxis axis = DpiAxis::X);
bool isKnownDpiSensor(int sensorId);

// The five bytes of one stage: x flag, x low, x high, y low, y high (with the sensor's
// exchanged or shared axes); all 0 for an unknown sensor.
void encodeDpiStage(int sensorId, uint32_t x, uint32_t y, uint8_t out[5]);

// The sniper button's code for a sniper value; 4 for a sensor without a sniper rule.
uint8_t sniperCode(int sensorId, uint8_t value);
