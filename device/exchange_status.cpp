#include "device/exchange_status.h"

QString exchangeStatusText(uint8_t status)
{
    switch (status) {
    case ExchangeOk:
        return QStringLiteral("The mouse took the settings.");
    case ExchangeNoDevice:
        return QStringLiteral("No mouse is connected.");
    case ExchangeRetriesExhausted:
        return QStringLiteral("The mouse did not answer.");
    case ExchangeWriteFailed:
        return QStringLiteral("Writing to the mouse failed.");
    case ExchangeBusy:
        return QStringLiteral("Another program kept the mouse busy; try again when it is done.");
    case ExchangeNotSaved:
        return QStringLiteral("The settings could not be saved; nothing was sent to the mouse.");
    default:
        return QStringLiteral("The exchange with the mouse failed (status %1).").arg(status);
    }
}
