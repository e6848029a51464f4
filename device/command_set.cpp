#include "device/command_set.h"

#include "device/dpi_encoding.h"
#include "device/hid_exchange.h"
#include "store/product_definition.h"

namespace {

uint8_t send(const Packet &packet)
{
    return SendCommand(packet.data(), kPacketLength);
}

} // namespace

Packet writeMarkerPacket(WriteMarker marker)
{
    return marker == WriteMarker::Begin ? configPacket(0x00, {0xAA, 0x55}) : configPacket(0x00, {0xCC, 0x33});
}

std::array<Packet, 2> rateAndLightingPackets(const DeviceSettings &s, const ProductSnapshot &product)
{
    const ProfileData &p = s.profiles[0];
    const uint8_t m = p.LedMode;
    // An effect index from a file may lie past the 14 effects: it is sent, its values are 0.
    static const LedEffect kNoEffect;
    const LedEffect &L = m < kLedEffectCount ? p.ledModes[m] : kNoEffect;
    const uint8_t speed = (m == 0 || m == 1) ? 0 : static_cast<uint8_t>(L.breath & 0xFF);
    const uint8_t brightness = (m == 0 || m == 3 || m == 4) ? 0 : static_cast<uint8_t>(L.bright & 0xFF);
    const uint8_t angleOrDebounce = product.syncMode == 3 ? s.Debounce : s.AngleValue;
    const QColor rgb = L.RGB.toRgb();
    return {configPacket(0x01, {p.dpi, p.pollrate, m, speed, brightness}),
            configPacket(0x02, {0x06, s.LiftHigh, p.LedSleepTime, static_cast<uint8_t>(p.LedMoveOFF != 255 ? 1 : 0),
                                angleOrDebounce, s.Sync, static_cast<uint8_t>(rgb.red()),
                                static_cast<uint8_t>(rgb.green()), static_cast<uint8_t>(rgb.blue())})};
}

std::array<Packet, 2> dpiStagePackets(const DeviceSettings &settings, const ProductSnapshot &product)
{
    const DpiStage *stages = settings.profiles[0].dpiStages;
    uint8_t encoded[kDpiStageCount * 5];
    for (int i = 0; i < kDpiStageCount; ++i)
        encodeDpiStage(product.sensorModel, stages[i].x, stages[i].y, encoded + 5 * i);
    return {configPacket(0x05, encoded, 30), configPacket(0x06, encoded + 30, 10)};
}

uint8_t SendProfileSelect(int profile)
{
    return send(profileSelectPacket(0x44, {static_cast<uint8_t>(profile)}));
}

uint8_t SendProfileFollowUp()
{
    send(profileSelectPacket(0x40, {0xF3, 0x01}));
    for (uint8_t subCode : {0x04, 0x01, 0x02, 0x08, 0x10}) {
        if (const uint8_t status = send(profileSelectPacket(0x40, {0xF3, subCode})))
            return status;
    }
    return ExchangeOk;
}
