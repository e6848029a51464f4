#include "device/presence_tracker.h"
#include "device/device_log.h"

#include "device/device_link.h"
#include "platform/hid_interface_name.h"

QVector<PresenceChange> trackInterfaceChange(const QString &name, bool arrived)
{
    QVector<PresenceChange> changes;
    const HidInterfaceName iface = parseHidInterfaceName(name);
    if (!iface.valid || (iface.interfaceNumber != kMouseInterfaceNumber && iface.interfaceNumber != kVendorInterfaceNumber))
        return changes;
    const bool vendor = iface.interfaceNumber == kVendorInterfaceNumber;
    const DeviceInterface kind = vendor ? DeviceInterface::Vendor : DeviceInterface::Mouse;
    const DeviceModelTable &table = deviceModelTable();
    for (uint32_t i = 0; i < table.count && i < kDeviceModelCapacity; ++i) {
        const DeviceModelRecord &record = table.records[i];
        const int c = connectionWithIds(record, iface.vendorId, iface.productId);
        if (c == 0)
            continue;
        const DeviceConnection &connection = record.connection(c);
        PresenceChange change;
        change.record = int(i);
        change.model = QString::fromLatin1(record.name);
        change.connection = c;
        change.vendorInterface = vendor;
        change.path = iface.path;
        change.wasPresent = connection.present();
        const bool wasFound = (vendor ? connection.foundVendor : connection.foundMouse) != 0;
        if (arrived) {
            const unsigned release = iface.hasRelease ? iface.release : GetReleaseNumber(qPrintable(iface.path));
            if (releaseAccepted(connection, release))
                change.changed = storeInterfacePath(int(i), c, kind, qPrintable(iface.path));
            else
                qCDebug(lcDevice, "Release %04x is outside what %s accepts; ignored.", release, record.name);
            change.newlyFound = change.changed && !wasFound;
        } else {
            change.changed = clearInterfaceFound(int(i), c, kind);
        }
        change.present = connection.present();
        change.anyInterfaceFound = connection.foundMouse || connection.foundVendor;
        change.modelGone = !record.connections[0].foundMouse && !record.connections[0].foundVendor
            && !record.connections[1].foundMouse && !record.connections[1].foundVendor;
        changes.append(change);
    }
    return changes;
}
