#pragma once
#include <QString>

// The one reading of the value of --emulate, for the window and the command-line tool alike:
// 1 receiver, 2 cable, 3 both (MouseEmulator::Connection), 0 for anything else. A bare
// "--emulate" means the receiver. Header-only: builds without the emulator parse it too.
constexpr char kDefaultEmulatedConnection[] = "receiver";

inline int emulatedConnectionFromName(const QString &name)
{
    if (name == QLatin1String("receiver"))
        return 1;
    if (name == QLatin1String("cable"))
        return 2;
    if (name == QLatin1String("both"))
        return 3;
    return 0;
}
