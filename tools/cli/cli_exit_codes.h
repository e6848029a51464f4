#pragma once

// Exit statuses of zelmouse-cli. 1, 2 and 4 are the device exchange's own statuses, so a
// failed exchange can be passed through unchanged; 64 and up follow sysexits.h.
namespace CliExit {
enum Code : int {
    Success = 0,
    NoDevice = 1,
    NoAnswer = 2,
    WriteFailed = 4,
    Usage = 64,
    BadFile = 65,
    CannotSave = 74,
    TryAgain = 75,
};

// Maps a device exchange status to the exit status that reports it.
inline int fromDeviceStatus(int status)
{
    switch (status) {
    case 0:
        return Success;
    case 1:
        return NoDevice;
    case 2:
        return NoAnswer;
    default:
        return WriteFailed;
    }
}
} // namespace CliExit
