#include "tools/cli/device_session.h"

#include "device/device_link.h"

#include <mutex>

DeviceSession::DeviceSession()
{
    InitDeviceTable();
    m_enumerated = EnumerateDevices() == 0;
    OpenDevice(deviceModelName().toLatin1().constData());
}

DeviceSession::~DeviceSession()
{
    CloseDevice();
    ExitDeviceLibrary();
}

bool DeviceSession::connected() const
{
    std::lock_guard<std::mutex> lock(exchangeMutex());
    return activeVendorHandle() != nullptr;
}
