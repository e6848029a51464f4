#include "device/hid_exchange.h"
#include "device/device_log.h"

#include "device/device_link.h"
#include "device/packet.h"

#include <QThread>
#include <algorithm>
#include <cstring>
#include <hidapi/hidapi.h>

namespace {

ExchangeIo defaultIo()
{
    ExchangeIo io;
    io.write = [](hid_device *h, const unsigned char *data, size_t length) { return hid_write(h, data, length); };
    io.readTimeout = [](hid_device *h, unsigned char *data, size_t length, int ms) {
        return hid_read_timeout(h, data, length, ms);
    };
    io.sleepMs = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    return io;
}

ExchangeIo g_io = defaultIo();

constexpr int kWriteSettleMs = 10;
constexpr int kReadTimeoutMs = 150;
constexpr int kRereadPauseMs = 50;
constexpr int kReadFailuresBeforeRewrite = 30;
constexpr int kCheckFailuresBeforeRewrite = 20;
constexpr int kAllZeroRewrites = 5;
constexpr int kMaxRewrites = 2;

void traceEnd(const char *line)
{
    DebugTrace(QString::fromLatin1(line));
    DebugTrace(QStringLiteral(" "));
    DebugTrace(QStringLiteral(" "));
}

} // namespace

const ExchangeIo &exchangeIo() { return g_io; }
void setExchangeIo(const ExchangeIo &io) { g_io = io; }
void resetExchangeIo() { g_io = defaultIo(); }

void DebugTrace(const QString &text)
{
    qCDebug(lcDevice).noquote() << text;
}

QString hexTrace(const char *prefix, int length, const unsigned char *bytes, int count)
{
    QString line = QString::asprintf(prefix, length);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            line += QLatin1Char(' ');
        line += QString::asprintf("%02x", bytes[i]);
    }
    return line;
}

uint8_t SendCommand(const uint8_t *packet, int length)
{
    DebugTrace(QStringLiteral("start--------------------------------------"));
    std::lock_guard<std::mutex> lock(exchangeMutex());
    hid_device *handle = activeVendorHandle();
    if (!handle) {
        traceEnd("no device--------------------------------------");
        return ExchangeNoDevice;
    }
    // The buffers are 64 bytes and replies land from byte 1 on: more than a packet never fits.
    const int n = std::clamp(length, 0, kPacketLength);
    unsigned char writeBuffer[64] = {};
    unsigned char readBuffer[64] = {};
    if (packet && n > 0)
        std::memcpy(writeBuffer, packet, n);

    int readFailures = 0;
    int checkFailures = 0;
    int allZeroReplies = 0;
    int rewrites = 0;
    bool checkFailed = false;
    const ExchangeIo &io = g_io;
    const uint8_t command = writeBuffer[4];
    const bool awaitsEcho = command <= 10 || command == 0x40 || command == 0x46;

    enum class Step { Write, Read, CheckFailure, Success };
    Step step = Step::Write;
    for (;;) {
        switch (step) {
        case Step::Write: {
            const int written = io.write(handle, writeBuffer, static_cast<size_t>(n));
            DebugTrace(hexTrace("hid_write length=%d data=", n, writeBuffer + 1, 33));
            if (written < 0) {
                qCDebug(lcDevice, "Unable to send a feature report.\n");
                traceEnd("hid_write fail--------------------------------------");
                return ExchangeWriteFailed;
            }
            io.sleepMs(kWriteSettleMs);
            step = awaitsEcho ? Step::Read : Step::Success;
            break;
        }
        case Step::Read: {
            DebugTrace(QStringLiteral("hid_read start"));
            std::memset(readBuffer, 0, sizeof readBuffer);
            const int read = io.readTimeout(handle, readBuffer + 1, static_cast<size_t>(n), kReadTimeoutMs);
            // A time-out returns no bytes; it is a failed read, not an all-zero reply, or a
            // mouse that never answers would be reported as having taken the command.
            if (read <= 0) {
                DebugTrace(QString::asprintf("hid_read start read fail %d", readFailures));
                ++readFailures;
                if (readFailures >= kReadFailuresBeforeRewrite) {
                    DebugTrace(QString::asprintf("write fail %d", rewrites));
                    ++rewrites;
                    if (rewrites > kMaxRewrites) {
                        traceEnd("multi rewrite fail--------------------------------------");
                        return ExchangeRetriesExhausted;
                    }
                    DebugTrace(QStringLiteral("re write"));
                    step = Step::Write;
                } else {
                    io.sleepMs(kRereadPauseMs);
                    DebugTrace(QStringLiteral("re read"));
                }
                break;
            }
            DebugTrace(hexTrace("hid_read length=%d data=", read, readBuffer + 1, 33));
            const bool allZero = std::all_of(readBuffer + 1, readBuffer + 9, [](unsigned char b) { return b == 0; });
            if (allZero) {
                ++allZeroReplies;
                if (allZeroReplies <= kAllZeroRewrites) {
                    DebugTrace(QStringLiteral("all 0, jump re write "));
                    step = Step::Write;
                    break;
                }
                DebugTrace(QStringLiteral("multi all 0, go back--------------------------------------"));
                step = checkFailed ? Step::CheckFailure : Step::Success;
                break;
            }
            step = std::memcmp(readBuffer + 1, writeBuffer + 1, 32) == 0 ? Step::Success : Step::CheckFailure;
            break;
        }
        case Step::CheckFailure:
            ++checkFailures;
            checkFailed = true;
            allZeroReplies = 0;
            if (checkFailures >= kCheckFailuresBeforeRewrite) {
                ++rewrites;
                if (rewrites > kMaxRewrites) {
                    traceEnd("multi command check fail, go back--------------------------------------");
                    return ExchangeRetriesExhausted;
                }
                DebugTrace(QString::asprintf("command check fail, re write %d", rewrites));
                step = Step::Write;
            } else {
                io.sleepMs(kRereadPauseMs);
                DebugTrace(QString::asprintf("command check fail, re read %d", rewrites));
                step = Step::Read;
            }
            break;
        case Step::Success:
            traceEnd("send success--------------------------------------");
            return ExchangeOk;
        }
    }
}
