#pragma once

// The device link opened as the window opens it at start-up (device table, enumeration,
// the interfaces of the model named in the configuration file) and closed again, with the HID
// library, when the command is done.
class DeviceSession {
public:
    DeviceSession();
    ~DeviceSession();
    DeviceSession(const DeviceSession &) = delete;
    DeviceSession &operator=(const DeviceSession &) = delete;

    // False when hid_init failed.
    bool enumerated() const { return m_enumerated; }
    // True when a vendor interface is open, so that exchanges can reach the mouse.
    bool connected() const;

private:
    bool m_enumerated = false;
};
