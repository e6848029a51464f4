#pragma once
#include "emulator/mouse_emulator.h"
#include "store/device_settings.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

// Shared set-up of the device tests: an application directory of their own with the
// configuration and product files they need, the emulated mouse opened through the real
// discovery path, and the debug output captured line by line.

constexpr char kTestModelName[] = "Zel M1";

class DeviceTestBed {
public:
    DeviceTestBed();
    // Also restores the exchange I/O, ends the HID library and shuts
    // the emulator down: delete the bed in cleanupTestCase.
    ~DeviceTestBed();

    // Keys of Config.ini and DefaultProfile.bin, written through QSettings.
    void setConfig(const QString &key, const QVariant &value);
    void setProduct(const QString &key, const QVariant &value);
    // "PROFILE/ButtonCount" with mask 0.
    void setButtonCount(int count);
    void writeMacro(const QString &name, int count, const QVector<QVector<int>> &events);
    QString appDir() const { return m_dir.path(); }

    // Plugs, enumerates and opens; the emulator's log and state start empty.
    void connect(MouseEmulator::Connection connection);
    // Closes the handles and unplugs everything.
    void disconnect();

    MouseEmulator &mouse() { return MouseEmulator::instance(); }
    // A write as the session sends it, planned from the product files as they are now and the
    // copy this bed last sent (zero after construction and forgetSent()).
    uint8_t write(const DeviceSettings &settings);
    void forgetSent();
    const DeviceSettings &lastSent() const { return *m_sent; }

    // Bytes 1 to 32 of the accepted vendor packets.
    QVector<Report> sentPackets() const;
    // Command codes (packet byte 1) of the accepted packets.
    QVector<int> sentCodes() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DeviceSettings> m_sent = std::make_unique<DeviceSettings>();
};

// Debug output of the whole process, from start() on. QtTest installs its own handler when
// it starts running, so start() belongs in initTestCase.
class TraceCapture {
public:
    ~TraceCapture();
    void start();
    QStringList lines() const;
    int count(const QString &line) const;
    void clear();
};
