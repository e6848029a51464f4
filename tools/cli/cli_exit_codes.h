#pragma once
#include "device/exchange_status.h"

// Exit statuses of zelmouse-cli. 1, 2 and 4 are the device exchange's own statuses, so a
// failed exchange is passed through unchanged; 64, 65, 74 and 75 follow sysexits.h.
namespace CliExit {
enum Code : int {
    Success = 0,
    NoDevice = ExchangeNoDevice,
    NoAnswer = ExchangeRetriesExhausted,
    WriteFailed = ExchangeWriteFailed,
    Usage = 64,
    BadFile = 65,
    CannotSave = 74,
    Busy = 75,
};

// The exit status that reports an exchange status.
inline int fromDeviceStatus(int status)
{
    switch (status) {
    case ExchangeOk:
        return Success;
    case ExchangeNoDevice:
        return NoDevice;
    case ExchangeRetriesExhausted:
        return NoAnswer;
    case ExchangeBusy:
        return Busy;
    case ExchangeNotSaved:
        return CannotSave;
    default:
        return WriteFailed;
    }
}
} // namespace CliExit
