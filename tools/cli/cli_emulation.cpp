#include "tools/cli/cli_emulation.h"

#include "emulator/emulation_launch.h"

EmulatedMouse::EmulatedMouse(const QString &connection)
{
    plugEmulatedMouseFromEnvironment(emulationConnectionNamed(connection, MouseEmulator::Receiver));
}

EmulatedMouse::~EmulatedMouse()
{
    MouseEmulator::shutdown();
}
