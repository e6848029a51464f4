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

enum class DeviceInterface { Mouse, Vendor };
constexpr int kReceiverConnection = 1;
constexpr int kCableConnection = 2;

// One way the mouse connects: its USB ids, the release numbers it accepts, the usages of its
// two interfaces, and where they were found.
struct DeviceConnection {
    uint32_t vid = 0, pid = 0;
    uint32_t relMin = 0, relMax = 0;
    uint32_t usageMouse = 0, usagePageMouse = 0;
    uint32_t usageVendor = 0, usagePageVendor = 0;
    char pathMouse[kDevicePathSize] = {};
    char pathVendor[kDevicePathSize] = {};
    uint32_t foundMouse = 0, foundVendor = 0;

    char (&path(DeviceInterface kind))[kDevicePathSize] { return kind == DeviceInterface::Mouse ? pathMouse : pathVendor; }
    uint32_t &found(DeviceInterface kind) { return kind == DeviceInterface::Mouse ? foundMouse : foundVendor; }
    bool present() const { return foundMouse && foundVendor; }
};

struct DeviceModelRecord {
    DeviceConnection connections[2]; // the receiver's, the cable's
    char name[256] = {};

    // Connection 1 (receiver) or 2 (cable).
    DeviceConnection &connection(int c) { return connections[c == kCableConnection ? 1 : 0]; }
    const DeviceConnection &connection(int c) const { return connections[c == kCableConnection ? 1 : 0]; }
};

struct DeviceModelTable {
    uint32_t count;
    DeviceModelRecord records[kDeviceModelCapacity];
};

// The connection of `record` whose USB ids are (vid, pid): 1 receiver, 2 cable, 0 neither.
int connectionWithIds(const DeviceModelRecord &record, unsigned vid, unsigned pid);
// A model is connected when both interfaces of one of its connections are found.
bool modelConnected(const DeviceModelRecord &record);
// The connection's release check: no upper limit, or within relMin..relMax.
bool releaseAccepted(const DeviceConnection &c, unsigned release);

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
