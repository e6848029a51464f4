#include "platform/hotplug_watcher.h"
#include "platform/platform_log.h"

#include <QRegularExpression>
#include <QSocketNotifier>

#include <libudev.h>

namespace {

QString text(const char *value) { return value ? QString::fromLocal8Bit(value) : QString(); }

// The sysfs path of a removed node still tells its USB interface and HID ids:
// .../1-2:1.<interface>/<bus>:<VID>:<PID>.<seq>/hidraw/hidrawN
void fillFromDevicePath(HidInterfaceName &name, const QString &devpath)
{
    static const QRegularExpression form(
        QStringLiteral(":\\d+\\.(?<mi>[0-9a-f]+)/[0-9a-f]{4}:(?<vid>[0-9a-f]{4}):(?<pid>[0-9a-f]{4})\\.[0-9a-f]+/hidraw/"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(devpath);
    if (!match.hasMatch())
        return;
    name.interfaceNumber = match.captured(QStringLiteral("mi")).toInt(nullptr, 16);
    name.vendorId = match.captured(QStringLiteral("vid")).toUInt(nullptr, 16);
    name.productId = match.captured(QStringLiteral("pid")).toUInt(nullptr, 16);
}

} // namespace

HotplugWatcher::HotplugWatcher(QObject *parent)
    : QObject(parent)
{
    m_udev = udev_new();
    if (!m_udev) {
        qCWarning(lcPlatform, "The device events cannot be read: the mouse will not be followed when it is plugged in or out.");
        return;
    }
    udev_monitor *monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) == 0
        && udev_monitor_enable_receiving(monitor) == 0) {
        m_monitor = monitor;
    } else {
        if (monitor)
            udev_monitor_unref(monitor);
        qCWarning(lcPlatform, "The device monitor could not be started: the mouse will not be followed when it is plugged in or out.");
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HotplugWatcher::readEvents);
}

HotplugWatcher::~HotplugWatcher()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

HidInterfaceName HotplugWatcher::describe(udev_device *device, bool arrived)
{
    HidInterfaceName name;
    name.valid = true;
    name.path = text(udev_device_get_devnode(device));
    if (!arrived) {
        const auto known = m_arrived.constFind(name.path);
        if (known != m_arrived.constEnd()) {
            name = *known;
            name.hasRelease = false;
            return name;
        }
        fillFromDevicePath(name, text(udev_device_get_devpath(device)));
        return name;
    }
    if (udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr)) {
        // HID_ID is "<bus>:<vendor>:<product>", each in hexadecimal.
        const QStringList id = text(udev_device_get_property_value(hid, "HID_ID")).split(QLatin1Char(':'));
        if (id.size() == 3) {
            name.vendorId = id[1].toUInt(nullptr, 16);
            name.productId = id[2].toUInt(nullptr, 16);
        }
    }
    if (udev_device *iface = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface")) {
        bool ok = false;
        const int number = text(udev_device_get_sysattr_value(iface, "bInterfaceNumber")).toInt(&ok, 16);
        if (ok)
            name.interfaceNumber = number;
    }
    if (udev_device *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device")) {
        bool ok = false;
        const unsigned release = text(udev_device_get_sysattr_value(usb, "bcdDevice")).toUInt(&ok, 16);
        name.hasRelease = ok;
        name.release = ok ? release : 0;
    }
    if (name.interfaceNumber < 0)
        fillFromDevicePath(name, text(udev_device_get_devpath(device)));
    return name;
}

void HotplugWatcher::readEvents()
{
    // One wake-up can bring several events; the socket is non-blocking.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const QString action = text(udev_device_get_action(device));
        const bool arrived = action == QLatin1String("add");
        if (arrived || action == QLatin1String("remove")) {
            const HidInterfaceName name = describe(device, arrived);
            if (arrived)
                m_arrived.insert(name.path, name);
            else
                m_arrived.remove(name.path);
            const QString composed = composeHidInterfaceName(name);
            qCDebug(lcPlatform, "%s %s", arrived ? "arrived:" : "removed:", qPrintable(composed));
            emit interfaceChanged(composed, arrived);
        }
        udev_device_unref(device);
    }
}
