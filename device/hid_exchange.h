#pragma once
#include "device/exchange_status.h"

#include <QString>
#include <cstdint>
#include <functional>

typedef struct hid_device_ hid_device;

// Writes a packet on the active vendor interface, waits for the mouse to echo bytes 1 to 32
// and retries; returns an ExchangeStatus. Every step is traced.
uint8_t SendCommand(const uint8_t *packet, int length);

// One line to the debug output.
void DebugTrace(const QString &text);

// The blocking calls of an exchange, replaceable so that tests can run the retry schedule and
// the poller's rhythm on a virtual clock. The default is hidapi and a real sleep.
struct ExchangeIo {
    std::function<int(hid_device *, const unsigned char *, size_t)> write;
    std::function<int(hid_device *, unsigned char *, size_t, int)> readTimeout;
    std::function<void(int)> sleepMs;
};
const ExchangeIo &exchangeIo();
void setExchangeIo(const ExchangeIo &io);
void resetExchangeIo();

// "<prefix>" then the bytes as "%02x" separated by blanks.
QString hexTrace(const char *prefix, int length, const unsigned char *bytes, int count);
