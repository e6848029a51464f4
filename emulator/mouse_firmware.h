#pragma once
#include <QVector>
#include <array>
#include <cstdint>
#include <optional>

// What the emulated mouse keeps of the commands it was sent, decoded. Byte values are exactly
// as they arrived; tests compare them with what the settings should have produced.
struct FirmwareState {
    // Packet 0x01.
    uint8_t activeStage = 0;
    uint8_t rateCode = 0;
    uint8_t ledMode = 0;
    uint8_t ledSpeed = 0;
    uint8_t ledBrightness = 0;
    // Packet 0x02.
    uint8_t liftHigh = 0;
    uint8_t ledSleepTime = 0;
    uint8_t ledMoveOff = 0;
    uint8_t angleOrDebounce = 0;
    uint8_t sync = 0;
    uint8_t rgb[3] = {0, 0, 0};
    // Packets 0x07 to 0x09: the 16 button entries of 4 bytes.
    uint8_t buttons[16][4] = {};
    // Packets 0x05, 0x06: per stage x flag, x low, x high, y low, y high.
    uint8_t dpiStages[8][5] = {};
    // Packets 0x10 to 0x7B.
    uint8_t macroSlots[12][256] = {};
    // Profile-select commands.
    int selectedProfile = -1;
    QVector<uint8_t> followUps; // sub-codes of the 0x40 0xF3 commands, in arrival order
    // Write markers.
    bool writeOpen = false;
    int beginMarkers = 0;
    int endMarkers = 0;
    // Status the mouse reports.
    uint8_t batteryLevel = 80;
    uint8_t batteryExtra = 0;
    // Bookkeeping.
    int statusRequests = 0;
    int checksumErrors = 0;
    int unknownCommands = 0;
};

using Report = std::array<uint8_t, 32>;

// The mouse's command handling, without any transport: one 32-byte command in, at most one
// 32-byte report out.
class MouseFirmware {
public:
    // `command` is bytes 1 to 32 of a packet (the report id already stripped).
    std::optional<Report> handleCommand(const Report &command);

    // The report the mouse sends for a status request or on its own.
    Report statusReport() const;
    // The user pressed the DPI button: the next stage that was given a value, wrapping round.
    void advanceStage();

    FirmwareState &state() { return m_state; }
    const FirmwareState &state() const { return m_state; }

private:
    void applyConfiguration(const Report &c);
    FirmwareState m_state;
};

// The configuration-packet checksum the firmware checks (byte 32 over bytes 1 to 31).
uint8_t firmwareChecksum(const uint8_t *bytes, int count);
