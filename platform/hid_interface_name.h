#pragma once
#include <QString>

// How the hot-plug layer names one HID interface of a USB device to the window:
//
//   VID_1209&PID_0001&MI_02&REV_0100#/dev/hidraw1
//
// vendor and product id and the USB interface number in hexadecimal, the device's release
// number (bcdDevice) when it was known, then the node's path as hidapi opens it. Names are
// matched without regard to case, except for the path.
struct HidInterfaceName {
    bool valid = false;
    unsigned vendorId = 0;
    unsigned productId = 0;
    int interfaceNumber = -1;
    bool hasRelease = false;
    unsigned release = 0;
    QString path;
};

QString composeHidInterfaceName(const HidInterfaceName &name);
// `valid` is false for a text of any other form.
HidInterfaceName parseHidInterfaceName(const QString &text);

// The interface numbers the mouse's two HID interfaces have on either connection.
constexpr int kMouseInterfaceNumber = 0;
constexpr int kVendorInterfaceNumber = 2;
