#include "device/device_link.h"

#include "build_config.h"
#include "store/config_file.h"

#include <QDebug>
#include <cstring>
#include <hidapi/hidapi.h>

namespace {

DeviceModelTable g_table;
QString g_modelName;
unsigned g_releaseNumber = 0;

hid_device *g_receiverMouse = nullptr;
hid_device *g_receiverVendor = nullptr;
hid_device *g_cableMouse = nullptr;
hid_device *g_cableVendor = nullptr;

std::mutex g_exchangeMutex;

constexpr uint32_t kUsageMouse = 0x0002;
constexpr uint32_t kUsagePageDesktop = 0x0001;
constexpr uint32_t kUsageVendor = 0xFF00;
constexpr uint32_t kUsagePageVendor = 0xFF00;

bool releaseAccepted(uint32_t relMin, uint32_t relMax, unsigned release)
{
    return relMax == 0 || (relMin <= release && release <= relMax);
}

// A path that does not fit is refused whole: a truncated path would name another device.
bool storePath(char (&field)[kDevicePathSize], const char *path)
{
    if (!path || std::strlen(path) >= kDevicePathSize) {
        qDebug("path too long, skipped: %s\n", path ? path : "");
        return false;
    }
    std::snprintf(field, kDevicePathSize, "%s", path);
    return true;
}

bool validSlot(int record, int connection)
{
    return record >= 0 && static_cast<uint32_t>(record) < g_table.count && (connection == 1 || connection == 2);
}

} // namespace

const DeviceModelTable &deviceModelTable() { return g_table; }
QString deviceModelName() { return g_modelName; }
unsigned deviceReleaseNumber() { return g_releaseNumber; }
std::mutex &exchangeMutex() { return g_exchangeMutex; }

hid_device *activeVendorHandle()
{
    return g_cableVendor ? g_cableVendor : g_receiverVendor;
}

void InitDeviceTable()
{
    std::memset(&g_table, 0, sizeof g_table);
    DeviceModelRecord &r = g_table.records[0];
    r.vid1 = ZEL_RECEIVER_VID;
    r.pid1 = ZEL_RECEIVER_PID;
    r.vid2 = ZEL_CABLE_VID;
    r.pid2 = ZEL_CABLE_PID;
    r.usageMouse1 = r.usageMouse2 = kUsageMouse;
    r.usagePageMouse1 = r.usagePageMouse2 = kUsagePageDesktop;
    r.usageVendor1 = r.usageVendor2 = kUsageVendor;
    r.usagePageVendor1 = r.usagePageVendor2 = kUsagePageVendor;
    g_modelName = readMouseListName();
    const QByteArray latin1 = g_modelName.toLatin1();
    std::snprintf(r.name, sizeof r.name, "%s", latin1.constData());
    g_table.count = 1;
}

int EnumerateDevices()
{
    if (hid_init() != 0)
        return -1;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (hid_device_info *d = devices; d; d = d->next) {
        for (uint32_t i = 0; i < g_table.count; ++i) {
            DeviceModelRecord &r = g_table.records[i];
            if (d->vendor_id == r.vid1 && d->product_id == r.pid1) {
                const bool release = releaseAccepted(r.relMin1, r.relMax1, d->release_number);
                if (d->usage == r.usageMouse1 && d->usage_page == r.usagePageMouse1 && release
                    && storePath(r.pathMouse1, d->path)) {
                    qDebug("1 %s\n", d->path);
                    r.foundMouse1 = 1;
                }
                if (d->usage == r.usageVendor1 && d->usage_page == r.usagePageVendor1 && release
                    && storePath(r.pathVendor1, d->path)) {
                    qDebug("2 %s\n", d->path);
                    r.foundVendor1 = 1;
                }
            }
            if (d->vendor_id == r.vid2 && d->product_id == r.pid2) {
                const bool release = releaseAccepted(r.relMin2, r.relMax2, d->release_number);
                if (d->usage == r.usageMouse2 && d->usage_page == r.usagePageMouse2 && release
                    && storePath(r.pathMouse2, d->path)) {
                    qDebug("3 %s\n", d->path);
                    r.foundMouse2 = 1;
                }
                if (d->usage == r.usageVendor2 && d->usage_page == r.usagePageVendor2 && release
                    && storePath(r.pathVendor2, d->path)) {
                    qDebug("4 %s\n", d->path);
                    r.foundVendor2 = 1;
                    g_releaseNumber = d->release_number;
                }
            }
        }
    }
    hid_free_enumeration(devices);
    return 0;
}

void OpenDevice(const char *modelName)
{
    if (hid_init() != 0 || g_table.count == 0 || !modelName)
        return;
    std::lock_guard<std::mutex> lock(g_exchangeMutex);
    for (uint32_t i = 0; i < g_table.count; ++i) {
        DeviceModelRecord &r = g_table.records[i];
        if (std::strcmp(r.name, modelName) != 0)
            continue;
        // A handle left open by a caller that skipped CloseDevice is closed, not leaked.
        if (r.foundMouse1 == 1 && r.foundVendor1 == 1) {
            if (g_receiverMouse)
                hid_close(g_receiverMouse);
            if (g_receiverVendor)
                hid_close(g_receiverVendor);
            g_receiverMouse = hid_open_path(r.pathMouse1);
            g_receiverVendor = hid_open_path(r.pathVendor1);
        }
        if (r.foundMouse2 == 1 && r.foundVendor2 == 1) {
            if (g_cableMouse)
                hid_close(g_cableMouse);
            if (g_cableVendor)
                hid_close(g_cableVendor);
            g_cableMouse = hid_open_path(r.pathMouse2);
            g_cableVendor = hid_open_path(r.pathVendor2);
        }
    }
}

void CloseDevice()
{
    // Waits for a running exchange, so a handle is never closed under a reader.
    std::lock_guard<std::mutex> lock(g_exchangeMutex);
    for (hid_device **handle : {&g_receiverMouse, &g_receiverVendor, &g_cableMouse, &g_cableVendor}) {
        if (*handle) {
            hid_close(*handle);
            *handle = nullptr;
        }
    }
}

void ExitDeviceLibrary()
{
    hid_exit();
}

unsigned GetReleaseNumber(const char *path)
{
    if (!path)
        return 0;
    // Windows-style arrival names come with the "\\?\" prefix; hidapi's paths do not.
    static const char kPrefix[] = "\\\\?\\";
    const char *bare = std::strncmp(path, kPrefix, sizeof kPrefix - 1) == 0 ? path + sizeof kPrefix - 1 : path;
    unsigned release = 0;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (hid_device_info *d = devices; d; d = d->next) {
        if (std::strcmp(d->path, path) == 0 || std::strcmp(d->path, bare) == 0) {
            release = d->release_number;
            break;
        }
    }
    hid_free_enumeration(devices);
    return release;
}

bool storeInterfacePath(int record, int connection, DeviceInterface kind, const char *path)
{
    if (!validSlot(record, connection))
        return false;
    DeviceModelRecord &r = g_table.records[record];
    const bool mouse = kind == DeviceInterface::Mouse;
    char(&field)[kDevicePathSize] = connection == 1 ? (mouse ? r.pathMouse1 : r.pathVendor1)
                                                    : (mouse ? r.pathMouse2 : r.pathVendor2);
    uint32_t &found = connection == 1 ? (mouse ? r.foundMouse1 : r.foundVendor1)
                                      : (mouse ? r.foundMouse2 : r.foundVendor2);
    if (!storePath(field, path))
        return false;
    found = 1;
    return true;
}

bool clearInterfaceFound(int record, int connection, DeviceInterface kind)
{
    if (!validSlot(record, connection))
        return false;
    DeviceModelRecord &r = g_table.records[record];
    const bool mouse = kind == DeviceInterface::Mouse;
    uint32_t &found = connection == 1 ? (mouse ? r.foundMouse1 : r.foundVendor1)
                                      : (mouse ? r.foundMouse2 : r.foundVendor2);
    const bool was = found != 0;
    found = 0;
    return was;
}
