#pragma once
#include <QString>
#include <cstdint>

// What an exchange with the mouse came to. Device functions return it as their status byte;
// any status but ExchangeOk ends a command sequence. The command-line tool's exit codes and
// messages come from here too.
enum ExchangeStatus : uint8_t {
    ExchangeOk = 0,
    ExchangeNoDevice = 1,         // no vendor interface is open
    ExchangeRetriesExhausted = 2, // the mouse never echoed the packet
    ExchangeWriteFailed = 4,      // the HID write itself failed
    ExchangeBusy = 8,             // another program kept the mouse busy past our patience
    ExchangeNotSaved = 16,        // the settings could not be saved, so nothing was sent
};

// One sentence for a person, for a status that is not ExchangeOk.
QString exchangeStatusText(uint8_t status);
