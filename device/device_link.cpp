#include "device/device_link.h"
#include "device/device_log.h"

#include "device/model_identities.h"
#include "store/config_file.h"

#include <cstring>
#include <hidapi/hidapi.h>
#include <vector>

namespace {

DeviceModelTable g_table;
QString g_modelName;
unsigned g_releaseNumber = 0;

struct Handles {
    hid_device *mouse = nullptr;
    hid_device *vendor = nullptr;
};
Handles g_handles[2]; // receiver, cable

Handles &handles(int connection)
{
    return g_handles[connection == kCableConnection ? 1 : 0];
}

std::mutex g_exchangeMutex;
// Paths and found flags: written on one thread (the window's or the tool's), read by the
// session thread when it opens.
std::mutex g_tableMutex;

constexpr uint32_t kUsageMouse = 0x0002;
constexpr uint32_t kUsagePageDesktop = 0x0001;
constexpr uint32_t kUsageVendor = 0xFF00;
constexpr uint32_t kUsagePageVendor = 0xFF00;

// A path that does not fit is refused whole: a truncated path would name another device.
bool storePath(char (&field)[kDevicePathSize], const char *path)
{
    if (!path || std::strlen(path) >= kDevicePathSize) {
        qCDebug(lcDevice, "path too long, skipped: %s\n", path ? path : "");
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
    return handles(kCableConnection).vendor ? handles(kCableConnection).vendor : handles(kReceiverConnection).vendor;
}

int connectionWithIds(const DeviceModelRecord &record, unsigned vid, unsigned pid)
{
    for (int c : {kReceiverConnection, kCableConnection}) {
        if (vid == record.connection(c).vid && pid == record.connection(c).pid)
            return c;
    }
    return 0;
}

bool modelConnected(const DeviceModelRecord &record)
{
    return record.connections[0].present() || record.connections[1].present();
}

bool releaseAccepted(const DeviceConnection &c, unsigned release)
{
    return c.relMax == 0 || (c.relMin <= release && release <= c.relMax);
}

void InitDeviceTable()
{
    std::lock_guard<std::mutex> lock(g_tableMutex);
    // Only the records in use: clearing all of the table's 270 KB would make every page of it
    // resident for nothing.
    for (uint32_t i = 0; i < g_table.count; ++i)
        g_table.records[i] = DeviceModelRecord{};
    g_table.count = 0;
    g_modelName = readMouseListName(0);
    // The build's own model always; another known model only when the configuration names it.
    for (int i = 0; i < kModelIdentityCount; ++i) {
        const QString name = i == 0 ? g_modelName : readMouseListName(i);
        if (i > 0 && name.isEmpty())
            break;
        DeviceModelRecord &r = g_table.records[i];
        const ModelIdentity &identity = kModelIdentities[i];
        for (int connection : {kReceiverConnection, kCableConnection}) {
            DeviceConnection &c = r.connection(connection);
            c.vid = connection == kReceiverConnection ? identity.receiverVid : identity.cableVid;
            c.pid = connection == kReceiverConnection ? identity.receiverPid : identity.cablePid;
            c.usageMouse = kUsageMouse;
            c.usagePageMouse = kUsagePageDesktop;
            c.usageVendor = kUsageVendor;
            c.usagePageVendor = kUsagePageVendor;
        }
        const QByteArray latin1 = name.toLatin1();
        std::snprintf(r.name, sizeof r.name, "%s", latin1.constData());
        g_table.count = uint32_t(i + 1);
    }
}

int EnumerateDevices()
{
    if (hid_init() != 0)
        return -1;
    hid_device_info *devices = hid_enumerate(0, 0);
    std::lock_guard<std::mutex> lock(g_tableMutex);
    for (hid_device_info *d = devices; d; d = d->next) {
        for (uint32_t i = 0; i < g_table.count; ++i) {
            for (int connection : {kReceiverConnection, kCableConnection}) {
                DeviceConnection &c = g_table.records[i].connection(connection);
                if (d->vendor_id != c.vid || d->product_id != c.pid)
                    continue;
                const bool release = releaseAccepted(c, d->release_number);
                const char *where = connection == kReceiverConnection ? "receiver" : "cable";
                if (d->usage == c.usageMouse && d->usage_page == c.usagePageMouse && release
                    && storePath(c.pathMouse, d->path)) {
                    qCDebug(lcDevice, "%s mouse interface found: %s", where, d->path);
                    c.foundMouse = 1;
                }
                if (d->usage == c.usageVendor && d->usage_page == c.usagePageVendor && release
                    && storePath(c.pathVendor, d->path)) {
                    qCDebug(lcDevice, "%s vendor interface found: %s", where, d->path);
                    c.foundVendor = 1;
                    // The release number reported is the cable's.
                    if (connection == kCableConnection)
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
    if (hid_init() != 0 || !modelName)
        return;
    // The paths to open, taken under the table lock; the opens themselves may take a while.
    struct Wanted {
        int connection;
        QByteArray mouse, vendor;
    };
    std::vector<Wanted> wanted;
    {
        std::lock_guard<std::mutex> lock(g_tableMutex);
        for (uint32_t i = 0; i < g_table.count; ++i) {
            DeviceModelRecord &r = g_table.records[i];
            if (std::strcmp(r.name, modelName) != 0)
                continue;
            for (int connection : {kReceiverConnection, kCableConnection}) {
                const DeviceConnection &c = r.connection(connection);
                if (c.foundMouse == 1 && c.foundVendor == 1)
                    wanted.push_back({connection, QByteArray(c.pathMouse), QByteArray(c.pathVendor)});
            }
        }
    }
    std::lock_guard<std::mutex> lock(g_exchangeMutex);
    for (const Wanted &w : wanted) {
        Handles &h = handles(w.connection);
        // A handle left open by a caller that skipped CloseDevice is closed, not leaked.
        for (hid_device **handle : {&h.mouse, &h.vendor}) {
            if (*handle)
                hid_close(*handle);
        }
        h.mouse = hid_open_path(w.mouse.constData());
        h.vendor = hid_open_path(w.vendor.constData());
    }
}

void CloseDevice()
{
    // Waits for a running exchange, so a handle is never closed under a reader.
    std::lock_guard<std::mutex> lock(g_exchangeMutex);
    for (Handles &h : g_handles) {
        for (hid_device **handle : {&h.mouse, &h.vendor}) {
            if (*handle) {
                hid_close(*handle);
                *handle = nullptr;
            }
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
    // Arrival names may carry the "\\?\" device-namespace prefix; hidapi's paths do not.
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
    std::lock_guard<std::mutex> lock(g_tableMutex);
    if (!validSlot(record, connection))
        return false;
    DeviceConnection &c = g_table.records[record].connection(connection);
    if (!storePath(c.path(kind), path))
        return false;
    c.found(kind) = 1;
    return true;
}

bool clearInterfaceFound(int record, int connection, DeviceInterface kind)
{
    std::lock_guard<std::mutex> lock(g_tableMutex);
    if (!validSlot(record, connection))
        return false;
    uint32_t &found = g_table.records[record].connection(connection).found(kind);
    const bool was = found != 0;
    found = 0;
    return was;
}

bool setReleaseLimits(int record, int connection, uint32_t relMin, uint32_t relMax)
{
    std::lock_guard<std::mutex> lock(g_tableMutex);
    if (!validSlot(record, connection))
        return false;
    DeviceConnection &c = g_table.records[record].connection(connection);
    c.relMin = relMin;
    c.relMax = relMax;
    return true;
}
