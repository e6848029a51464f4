#include "device/command_set.h"

#include "device/button_table.h"
#include "device/dpi_encoding.h"
#include "device/hid_exchange.h"
#include "device/macro_download.h"
#include "device/packet.h"
#include "device/status_poller_control.h"
#include "store/config_file.h"
#include "store/product_definition.h"

DeviceSettings sentSettings;

namespace {

uint8_t send(const Packet &packet)
{
    return SendCommand(packet.data(), kPacketLength);
}

} // namespace

uint8_t SendWriteMarker(WriteMarker marker)
{
    return marker == WriteMarker::Begin ? send(configPacket(0x00, {0xAA, 0x55})) : send(configPacket(0x00, {0xCC, 0x33}));
}

uint8_t SendRateAndLighting(const DeviceSettings &s)
{
    const ProfileData &p = s.profiles[0];
    const uint8_t m = p.LedMode;
    // An effect index from a file may lie past the 14 effects: it is sent, its values are 0.
    static const LedEffect kNoEffect;
    const LedEffect &L = m < kLedEffectCount ? p.ledModes[m] : kNoEffect;
    const uint8_t speed = (m == 0 || m == 1) ? 0 : static_cast<uint8_t>(L.breath & 0xFF);
    const uint8_t brightness = (m == 0 || m == 3 || m == 4) ? 0 : static_cast<uint8_t>(L.bright & 0xFF);
    if (const uint8_t status = send(configPacket(0x01, {p.dpi, p.pollrate, m, speed, brightness})))
        return status;

    const uint8_t angleOrDebounce = productSyncMode() == 3 ? s.Debounce : s.AngleValue;
    const QColor rgb = L.RGB.toRgb();
    return send(configPacket(0x02, {0x06, s.LiftHigh, p.LedSleepTime, static_cast<uint8_t>(p.LedMoveOFF != 255 ? 1 : 0),
                                    angleOrDebounce, s.Sync, static_cast<uint8_t>(rgb.red()),
                                    static_cast<uint8_t>(rgb.green()), static_cast<uint8_t>(rgb.blue())}));
}

uint8_t SendDpiStages(const DeviceSettings &settings)
{
    const int sensor = readSensorModel();
    const DpiStage *stages = settings.profiles[0].dpiStages;
    uint8_t first[30];
    for (int i = 0; i < 6; ++i)
        encodeDpiStage(sensor, stages[i].x, stages[i].y, first + 5 * i);
    if (const uint8_t status = send(configPacket(0x05, first, sizeof first)))
        return status;
    uint8_t second[10];
    for (int i = 0; i < 2; ++i)
        encodeDpiStage(sensor, stages[6 + i].x, stages[6 + i].y, second + 5 * i);
    return send(configPacket(0x06, second, sizeof second));
}

uint8_t WriteAllSettings(const DeviceSettings &settings)
{
    // The mouse hears the previous configuration once more before the new one; its result
    // does not matter.
    SendRateAndLighting(sentSettings);
    stopStatusPoller();
    sentSettings = settings;
    // The button table numbers the macros (and records the numbers in the sent copy), so the
    // macro slots follow it.
    using Step = uint8_t (*)(DeviceSettings &);
    static const Step kSteps[] = {
        [](DeviceSettings &) { return SendWriteMarker(WriteMarker::Begin); },
        [](DeviceSettings &s) { return SendRateAndLighting(s); },
        [](DeviceSettings &s) { return SendButtonTable(s); },
        [](DeviceSettings &s) { return SendDpiStages(s); },
        [](DeviceSettings &s) { return SendMacros(s); },
        [](DeviceSettings &) { return SendWriteMarker(WriteMarker::End); },
    };
    for (Step step : kSteps) {
        if (const uint8_t status = step(sentSettings))
            return status;
    }
    startStatusPoller();
    return ExchangeOk;
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
