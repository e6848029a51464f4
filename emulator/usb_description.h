#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// The sysfs picture of one emulated USB device, in umockdev's record format, as the kernel
// shows a HID device: usb_device, usb_interface, hid, hidraw.

struct UsbDeviceDescription {
    int port = 1;             // 1-<port> on bus 1
    unsigned vendorId = 0;
    unsigned productId = 0;
    uint16_t release = 0;     // bcdDevice
    QString product;
};

struct UsbInterfaceDescription {
    int number = 0;           // bInterfaceNumber
    int hidrawNumber = 0;     // /dev/hidrawN
    int hidSequence = 1;      // the kernel's running HID device number
    int devMajor = 0;
    int devMinor = 0;
    QByteArray reportDescriptor;
};

// sysfs paths (with the "/sys" prefix) of one interface, as uevents and removal need them.
struct UsbInterfacePaths {
    QString interface;
    QString hid;
    QString hidraw;
};

// The usb_device paragraph; `syspath` receives its sysfs path.
QString usbDeviceRecord(const UsbDeviceDescription &device, QString *syspath);
// The usb_interface, hid and hidraw paragraphs below a device.
QString usbInterfaceRecords(const UsbDeviceDescription &device, const QString &deviceSyspath,
                            const UsbInterfaceDescription &iface, UsbInterfacePaths *paths);

// A boot mouse (usage page 1, usage 2).
QByteArray mouseReportDescriptor();
// The vendor collection (usage page 0xFF00, usage 0xFF00): 32-byte input and output reports
// without report ids.
QByteArray vendorReportDescriptor();
