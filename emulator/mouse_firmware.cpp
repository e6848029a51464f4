#include "emulator/mouse_firmware.h"

#include <cstring>

uint8_t firmwareChecksum(const uint8_t *bytes, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(~sum);
}

namespace {

// Command byte positions below are those of the packet (byte 1 = the command code), so that
// they read like the protocol; c[i - 1] is packet byte i.
inline uint8_t at(const Report &c, int packetByte) { return c[packetByte - 1]; }

bool isStatusRequest(const Report &c)
{
    return at(c, 1) == 0x0A && at(c, 2) == 0xAA && at(c, 3) == 0xFF && at(c, 4) == 0xDD;
}

bool hasValidChecksum(const Report &c)
{
    return firmwareChecksum(c.data(), 31) == at(c, 32);
}

bool isProfileFamily(const Report &c)
{
    return at(c, 1) == 0x05 && at(c, 2) == 0x00 && at(c, 3) == 0xFA && (at(c, 4) == 0x44 || at(c, 4) == 0x40);
}

} // namespace

std::optional<Report> MouseFirmware::handleCommand(const Report &c)
{
    if (isStatusRequest(c)) {
        ++m_state.statusRequests;
        if (!hasValidChecksum(c))
            ++m_state.checksumErrors;
        return statusReport();
    }
    // A DPI packet can begin like a profile-select command; only the latter has no checksum.
    if (isProfileFamily(c) && !hasValidChecksum(c)) {
        if (at(c, 4) == 0x44)
            m_state.selectedProfile = at(c, 5);
        else if (at(c, 5) == 0xF3)
            m_state.followUps.append(at(c, 6));
        return c;
    }
    if (!hasValidChecksum(c))
        ++m_state.checksumErrors;
    else
        applyConfiguration(c);
    // Every command is echoed, whether or not the program waits for it.
    return c;
}

void MouseFirmware::applyConfiguration(const Report &c)
{
    FirmwareState &s = m_state;
    const uint8_t code = at(c, 1);
    switch (code) {
    case 0x00:
        if (at(c, 2) == 0xAA && at(c, 3) == 0x55) {
            s.writeOpen = true;
            ++s.beginMarkers;
        } else if (at(c, 2) == 0xCC && at(c, 3) == 0x33) {
            s.writeOpen = false;
            ++s.endMarkers;
        } else {
            ++s.unknownCommands;
        }
        return;
    case 0x01:
        s.activeStage = at(c, 2);
        s.rateCode = at(c, 3);
        s.ledMode = at(c, 4);
        s.ledSpeed = at(c, 5);
        s.ledBrightness = at(c, 6);
        return;
    case 0x02:
        if (at(c, 2) != 0x06) {
            ++s.unknownCommands;
            return;
        }
        s.liftHigh = at(c, 3);
        s.ledSleepTime = at(c, 4);
        s.ledMoveOff = at(c, 5);
        s.angleOrDebounce = at(c, 6);
        s.sync = at(c, 7);
        s.rgb[0] = at(c, 8);
        s.rgb[1] = at(c, 9);
        s.rgb[2] = at(c, 10);
        return;
    case 0x05:
        for (int stage = 0; stage < 6; ++stage)
            std::memcpy(s.dpiStages[stage], &c[1 + 5 * stage], 5);
        return;
    case 0x06:
        std::memcpy(s.dpiStages[6], &c[1], 5);
        std::memcpy(s.dpiStages[7], &c[6], 5);
        return;
    case 0x07:
    case 0x08:
        for (int e = 0; e < 7; ++e)
            std::memcpy(s.buttons[(code - 0x07) * 7 + e], &c[1 + 4 * e], 4);
        return;
    case 0x09:
        std::memcpy(s.buttons[14], &c[1], 4);
        std::memcpy(s.buttons[15], &c[5], 4);
        return;
    default:
        break;
    }
    if (code >= 0x10 && code <= 0x7B) {
        const int slot = (code - 0x10) / 9;
        const int part = (code - 0x10) % 9;
        if (part < 8)
            std::memcpy(&s.macroSlots[slot][30 * part], &c[1], 30);
        else
            std::memcpy(&s.macroSlots[slot][240], &c[1], 16);
        return;
    }
    ++s.unknownCommands;
}

Report MouseFirmware::statusReport() const
{
    Report r{};
    r[0] = 0x0A;
    r[1] = 0xAA;
    r[2] = 0xFF;
    r[3] = 0xDD;
    r[4] = m_state.batteryLevel;
    r[5] = m_state.batteryExtra;
    r[6] = m_state.activeStage;
    r[7] = m_state.rateCode;
    return r;
}

void MouseFirmware::advanceStage()
{
    for (int step = 1; step <= 8; ++step) {
        const int candidate = (m_state.activeStage + step) % 8;
        const uint8_t *stage = m_state.dpiStages[candidate];
        if (stage[1] || stage[2] || stage[3] || stage[4]) {
            m_state.activeStage = static_cast<uint8_t>(candidate);
            return;
        }
    }
    // Nothing configured yet: plain round robin over the eight stages.
    m_state.activeStage = static_cast<uint8_t>((m_state.activeStage + 1) % 8);
}
