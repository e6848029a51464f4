#include "emulator/usb_description.h"

namespace {

const QString kBusPath = QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1");

QString hex4(unsigned value) { return QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper(); }

} // namespace

QString usbDeviceRecord(const UsbDeviceDescription &device, QString *syspath)
{
    const QString path = QStringLiteral("%1/1-%2").arg(kBusPath).arg(device.port);
    *syspath = QStringLiteral("/sys") + path;
    return QStringLiteral(
               "P: %1\n"
               "E: SUBSYSTEM=usb\n"
               "E: DEVTYPE=usb_device\n"
               "A: idVendor=%2\n"
               "A: idProduct=%3\n"
               "A: bcdDevice=%4\n"
               "A: manufacturer=Zel\n"
               "A: product=%5\n"
               "A: serial=ZEL%6\n"
               "\n")
        .arg(path, hex4(device.vendorId).toLower(), hex4(device.productId).toLower(),
             hex4(device.release).toLower(), device.product)
        .arg(device.port);
}

QString usbInterfaceRecords(const UsbDeviceDescription &device, const QString &deviceSyspath,
                            const UsbInterfaceDescription &iface, UsbInterfacePaths *paths)
{
    const QString devicePath = deviceSyspath.mid(4); // without "/sys"
    const QString interfacePath = QStringLiteral("%1/1-%2:1.%3").arg(devicePath).arg(device.port).arg(iface.number);
    const QString hidName = QStringLiteral("0003:%1:%2.%3")
                                .arg(hex4(device.vendorId), hex4(device.productId))
                                .arg(iface.hidSequence, 4, 16, QLatin1Char('0'))
                                .toUpper();
    const QString hidPath = interfacePath + QLatin1Char('/') + hidName;
    const QString hidrawPath = QStringLiteral("%1/hidraw/hidraw%2").arg(hidPath).arg(iface.hidrawNumber);
    paths->interface = QStringLiteral("/sys") + interfacePath;
    paths->hid = QStringLiteral("/sys") + hidPath;
    paths->hidraw = QStringLiteral("/sys") + hidrawPath;

    QString text;
    text += QStringLiteral("P: %1\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceNumber=%2\n\n")
                .arg(interfacePath)
                .arg(iface.number, 2, 10, QLatin1Char('0'));
    // hidapi skips a HID device without HID_UNIQ, even an empty one.
    text += QStringLiteral(
                "P: %1\n"
                "E: SUBSYSTEM=hid\n"
                "E: DRIVER=hid-generic\n"
                "E: HID_ID=0003:0000%2:0000%3\n"
                "E: HID_NAME=Zel %4\n"
                "E: HID_PHYS=usb-0000:00:14.0-%5/input%6\n"
                "E: HID_UNIQ=\n"
                "H: report_descriptor=%7\n"
                "\n")
                .arg(hidPath, hex4(device.vendorId), hex4(device.productId), device.product)
                .arg(device.port)
                .arg(iface.number)
                .arg(QString::fromLatin1(iface.reportDescriptor.toHex()));
    // Without the device link, usage page and usage read as 0.
    text += QStringLiteral(
                "P: %1\n"
                "E: SUBSYSTEM=hidraw\n"
                "E: DEVNAME=/dev/hidraw%2\n"
                "E: MAJOR=%3\n"
                "E: MINOR=%4\n"
                "A: dev=%3:%4\n"
                "L: device=../../../%5\n"
                "\n")
                .arg(hidrawPath)
                .arg(iface.hidrawNumber)
                .arg(iface.devMajor)
                .arg(iface.devMinor)
                .arg(hidName);
    return text;
}

QByteArray mouseReportDescriptor()
{
    static const unsigned char descriptor[] = {
        0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, // mouse, pointer
        0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, // buttons 1-3
        0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x03,
        0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, // x, y
        0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0};
    return QByteArray(reinterpret_cast<const char *>(descriptor), sizeof descriptor);
}

QByteArray vendorReportDescriptor()
{
    static const unsigned char descriptor[] = {
        0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, // usage page 0xFF00, usage 0xFF00
        0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x20, // 32 bytes of 0..255
        0x09, 0x01, 0x81, 0x02,                          // input report
        0x09, 0x02, 0x91, 0x02,                          // output report
        0xC0};
    return QByteArray(reinterpret_cast<const char *>(descriptor), sizeof descriptor);
}
