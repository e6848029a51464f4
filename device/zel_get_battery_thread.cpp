#include "device/zel_get_battery_thread.h"
#include "device/device_log.h"

#include "device/device_link.h"
#include "device/exchange_lock.h"
#include "device/hid_exchange.h"
#include "device/packet.h"
#include "device/status_report.h"

#include <cstring>

namespace {

constexpr int kReadTimeoutMs = 50;
constexpr int kListenPauseMs = 10;
constexpr int kRequestPauseMs = 100;
constexpr int kCyclesPerRequest = 45;
constexpr int kReportLength = 33;

bool isStatusReport(const unsigned char *buffer)
{
    return parseStatusReport(buffer, 64).has_value();
}

void traceReport(const char *kind, const unsigned char *b)
{
    qCDebug(lcDevice, "hid_read 1 %s %x %x %x %x %x %x %x %x.\n", kind, b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8]);
}

enum class Read { Report, Nothing, NoDevice };

// One read under the exchange lock, on the handle chosen now: a handle closed meanwhile is
// never used.
Read readStatus(unsigned char *buffer)
{
    std::lock_guard<std::mutex> lock(exchangeMutex());
    hid_device *handle = activeVendorHandle();
    if (!handle)
        return Read::NoDevice;
    exchangeIo().readTimeout(handle, buffer + 1, kReportLength, kReadTimeoutMs);
    return Read::Report;
}

bool writeRequest()
{
    std::lock_guard<std::mutex> lock(exchangeMutex());
    hid_device *handle = activeVendorHandle();
    if (!handle)
        return false;
    const Packet request = statusRequestPacket();
    unsigned char buffer[64] = {};
    std::memcpy(buffer, request.data(), kPacketLength);
    if (exchangeIo().write(handle, buffer, kPacketLength) < 0)
        qCDebug(lcDevice, "Unable to send a feature report.\n");
    return true;
}

bool vendorInterfaceOpen()
{
    std::lock_guard<std::mutex> lock(exchangeMutex());
    return activeVendorHandle() != nullptr;
}

} // namespace

ZelGetBatteryThread::ZelGetBatteryThread(QObject *parent)
    : QThread(parent)
{
}

void ZelGetBatteryThread::run()
{
    qCDebug(lcDevice, "ZelGetBatteryThread.\n");
    const ExchangeIo &io = exchangeIo();
    int k = 0;
    while (!stop) {
        if (!vendorInterfaceOpen()) {
            emit RefreshBatteryStatus(0, 0, 0);
            return;
        }
        unsigned char readBuffer[64] = {};
        readStatus(readBuffer);
        io.sleepMs(kListenPauseMs);
        if (stop)
            break;
        if (k != 0) {
            if (isStatusReport(readBuffer)) {
                traceReport("s", readBuffer);
                emit RefreshStatus(0, readBuffer[7] & 0x0F, readBuffer[8], 0);
            }
            if (stop)
                break;
            if (++k == kCyclesPerRequest)
                k = 0;
        }
        if (k == 0) {
            // While another program exchanges with the mouse, the request waits for its next turn.
            const ExchangeSequenceLock sequence(0);
            if (sequence.held()) {
                writeRequest();
                io.sleepMs(kRequestPauseMs);
                if (stop)
                    break;
                std::memset(readBuffer, 0, sizeof readBuffer);
                readStatus(readBuffer);
                if (isStatusReport(readBuffer)) {
                    traceReport("f", readBuffer);
                    emit RefreshBatteryStatus(0, readBuffer[5], readBuffer[6]);
                    emit RefreshStatus(0, readBuffer[7] & 0x0F, readBuffer[8], 0);
                }
                if (stop)
                    break;
            } else {
                qCDebug(lcDevice, "status request skipped: another program is exchanging with the mouse");
            }
            k = 1;
        }
    }
    qCDebug(lcDevice, "ZelGetBatteryThread Stop.\n");
}
