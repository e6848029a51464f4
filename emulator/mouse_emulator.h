#pragma once
#include "emulator/mouse_firmware.h"

#include <QString>
#include <QVector>
#include <cstdint>
#include <memory>

// The emulated mouse: its receiver and its cable appear as USB HID devices that the program
// finds and talks to through the real hidapi and libudev code, in the same process.
//
// Requirements: the process runs under the umockdev preload (`umockdev-wrapper PROGRAM`, or
// LD_PRELOAD=libumockdev-preload.so.0), and `instance()` is first called before anything in
// the process creates a udev monitor. There is one emulator per process.
//
// Each connection has a mouse interface (0, usage page 1, usage 2) and a vendor interface
// (2, usage page 0xFF00, usage 0xFF00) with the identifiers of its model
// (device/model_identities.h). Each model's firmware echoes every command, answers status
// requests with the 0xAA 0xFF 0xDD report, and keeps what it was sent (`state()`). The mouse's
// own hands (DPI button, status reports) act on the first model. All functions are
// thread-safe.
class MouseEmulator {
public:
    // Flags. The second model (a different product of the same family, with identities of
    // its own) has a receiver and a cable too.
    enum Connection {
        None = 0,
        Receiver = 1,
        Cable = 2,
        Both = 3,
        SecondReceiver = 4,
        SecondCable = 8,
        Everything = 15,
    };

    // Ways to misbehave. Counters count packets from the moment they are set.
    struct Misbehaviour {
        bool silent = false;       // accept every write, never answer
        int zeroReplies = 0;       // answer the next N commands with 32 zero bytes; -1: always
        int corruptEchoes = 0;     // flip the last byte of the next N echoes; -1: always
        int failWritesAfter = -1;  // accept N more writes, then every write fails; -1: never
        int replyDelayMs = 0;      // answer this much later
        int unplugAtPacket = 0;    // the N-th write from now finds the mouse unplugged; 0: never
    };

    // One written packet as the vendor interface received it.
    struct Packet {
        Connection connection = None;
        Report bytes{};     // bytes 1 to 32 (the report id stripped)
        bool accepted = false; // false when the write failed
    };

    // True when the umockdev preload is active in this process.
    static bool environmentReady();
    // The one emulator of the process, created on first use (nothing plugged).
    static MouseEmulator &instance();
    static bool exists();
    // Unplugs everything and removes the testbed; call after the program closed its handles.
    static void shutdown();

    void plug(Connection connection);
    void unplug(Connection connection);
    Connection plugged() const;
    // The release number (bcdDevice) a connection shows from its next plug on.
    void setReleaseNumber(Connection connection, uint16_t bcd);
    // "/dev/hidrawN" of an interface (fixed per connection and interface).
    static QString devicePath(Connection connection, bool vendorInterface);

    // Firmware state and the user's hands on the mouse.
    void setBattery(uint8_t level, uint8_t extra = 0);
    void setStatus(uint8_t activeStage, uint8_t rateCode);
    void pressDpiButton();      // next stage, then an unsolicited status report
    void sendStatusReport();    // an unsolicited status report of the current state
    // Model 0 is the build's own, 1 the second.
    FirmwareState state(int model = 0) const;
    void resetState();          // factory state, battery and misbehaviour kept

    void setMisbehaviour(const Misbehaviour &misbehaviour);
    Misbehaviour misbehaviour() const;

    // Every packet written to a vendor interface since the last clear.
    QVector<Packet> packets() const;
    void clearPackets();

    ~MouseEmulator();

    struct Private; // implementation, in mouse_emulator.cpp

private:
    MouseEmulator();
    std::unique_ptr<Private> d;
};
