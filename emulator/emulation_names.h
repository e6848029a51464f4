#pragma once
#include <QString>

// The one reading of the value of --emulate, for the window and the command-line tool alike:
// 1 receiver, 2 cable, 3 both (MouseEmulator::Connection), 0 for anything else; "receiver2"
// and "cable2" (4, 8) are the second model's, for the control pipe. A bare "--emulate" means
// the receiver. Header-only: builds without the emulator parse it too.
constexpr char kDefaultEmulatedConnection[] = "receiver";

inline int emulatedConnectionFromName(const QString &name)
{
    if (name == QLatin1String("receiver"))
        return 1;
    if (name == QLatin1String("cable"))
        return 2;
    if (name == QLatin1String("both"))
        return 3;
    if (name == QLatin1String("receiver2"))
        return 4;
    if (name == QLatin1String("cable2"))
        return 8;
    return 0;
}
