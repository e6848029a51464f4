#pragma once
#include <QString>
#include <cstdint>
#include <mutex>

typedef struct hid_device_ hid_device;

// The known mouse models, where their interfaces were found, and the open handles. Free
// functions over process-wide state; every exchange with the mouse runs under
// exchangeMutex(), so the writer, the poller and the window never talk to it at once.
// The table is written by one thread (discovery and the hot-plug notes below) and read
// there without a lock; OpenDevice, on another thread, copies its paths under a table lock.

constexpr int kDeviceModelCapacity = 200;
constexpr int kDevicePathSize = 255; // NUL-terminated, so 254 characters at most

struct DeviceModelRecord {
    uint32_t vid1, vid2;
    uint32_t pid1, pid2;
    uint32_t relMin1, relMin2;
    uint32_t relMax1, relMax2;
    uint32_t usageMouse1, usagePageMouse1;
    uint32_t usageVendor1, usagePageVendor1;
    uint32_t usageMouse2, usagePageMouse2;
    uint32_t usageVendor2, usagePageVendor2;
    char pathMouse1[kDevicePathSize];
    char pathVendor1[kDevicePathSize];
    char pathMouse2[kDevicePathSize];
    char pathVendor2[kDevicePathSize];
    uint32_t foundMouse1, foundMouse2, foundVendor1, foundVendor2;
    char name[256];
};

struct DeviceModelTable {
    uint32_t count;
    DeviceModelRecord records[kDeviceModelCapacity];
};

enum class DeviceInterface { Mouse, Vendor };

// The fields of one connection of a record, 1 (receiver) or 2 (cable), so that code handling
// either connection is written once.
struct DeviceConnection {
    uint32_t &vid, &pid, &relMin, &relMax;
    uint32_t &usageMouse, &usagePageMouse, &usageVendor, &usagePageVendor;
    char (&pathMouse)[kDevicePathSize];
    char (&pathVendor)[kDevicePathSize];
    uint32_t &foundMouse, &foundVendor;

    char (&path(DeviceInterface kind))[kDevicePathSize] { return kind == DeviceInterface::Mouse ? pathMouse : pathVendor; }
    uint32_t &found(DeviceInterface kind) { return kind == DeviceInterface::Mouse ? foundMouse : foundVendor; }
    bool present() const { return foundMouse && foundVendor; }
};
DeviceConnection deviceConnection(DeviceModelRecord &record, int connection);
// Read-only view for code that only reports.
inline DeviceConnection deviceConnection(const DeviceModelRecord &record, int connection)
{
    return deviceConnection(const_cast<DeviceModelRecord &>(record), connection);
}
// The connection of `record` whose USB ids are (vid, pid): 1 receiver, 2 cable, 0 neither.
int connectionWithIds(const DeviceModelRecord &record, unsigned vid, unsigned pid);
// A model is connected when both interfaces of one of its connections are found.
bool modelConnected(const DeviceModelRecord &record);
// The connection's release check: no upper limit, or within relMin..relMax.
bool releaseAccepted(const DeviceConnection &c, unsigned release);
constexpr int kReceiverConnection = 1;
constexpr int kCableConnection = 2;

// Read access for the window; only the functions below write the table.
const DeviceModelTable &deviceModelTable();
// "Mouse_List/0" as InitDeviceTable read it (the build's own model, record 0).
QString deviceModelName();
// Release number of the last cable vendor interface enumerated; 0 when none.
unsigned deviceReleaseNumber();

void InitDeviceTable();
int EnumerateDevices();
void OpenDevice(const char *modelName);
void CloseDevice();
void ExitDeviceLibrary();
unsigned GetReleaseNumber(const char *path);

// Device arrival and removal (the window's hot-plug handling): store the path of one
// interface of connection 1 (receiver) or 2 (cable) and set its found flag; returns false
// (and stores nothing) for a bad record or connection or a path that does not fit.
bool storeInterfacePath(int record, int connection, DeviceInterface kind, const char *path);
// Clears the found flag; returns its previous value.
bool clearInterfaceFound(int record, int connection, DeviceInterface kind);
// The release numbers (bcdDevice) a connection accepts, for firmware revisions that need
// telling apart; max 0 accepts every release. The known models accept every release.
bool setReleaseLimits(int record, int connection, uint32_t relMin, uint32_t relMax);

// The vendor handle exchanges use: the cable's when open, else the receiver's; null when
// neither is open. Only valid while exchangeMutex() is held.
hid_device *activeVendorHandle();
std::mutex &exchangeMutex();
