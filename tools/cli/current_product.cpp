#include "tools/cli/current_product.h"

#include "device/device_link.h"
#include "store/config_file.h"
#include "store/product_definition.h"

#include <QStringList>

QString settleCurrentProduct()
{
    QStringList connected;
    const DeviceModelTable &table = deviceModelTable();
    for (uint32_t i = 0; i < table.count && i < kDeviceModelCapacity; ++i) {
        const DeviceModelRecord &r = table.records[i];
        if ((r.foundMouse1 && r.foundVendor1) || (r.foundMouse2 && r.foundVendor2))
            connected.append(QString::fromLatin1(r.name));
    }
    const QString stored = readCurrentProductName();
    if (connected.isEmpty())
        return stored.isEmpty() ? productName() : stored;
    // Several connected models: the window keeps the one picked before, if it is among them.
    const QString chosen = connected.size() > 1 && connected.contains(stored) ? stored : connected.first();
    writeCurrentProductName(chosen);
    return chosen;
}

QString settleLibraryProduct()
{
    const QString stored = readCurrentProductName();
    if (!stored.isEmpty())
        return stored;
    const QString defined = productName();
    if (!defined.isEmpty())
        writeCurrentProductName(defined);
    return defined;
}
