#include "tools/cli/cli_emulation.h"

#include "emulator/emulation_launch.h"
#include "emulator/emulator_control.h"

EmulatedMouse::EmulatedMouse(const QString &connection)
{
    plugEmulatedMouseFromEnvironment(emulationConnectionNamed(connection, MouseEmulator::Receiver));
}

EmulatedMouse::~EmulatedMouse()
{
    m_control.reset();
    MouseEmulator::shutdown();
}

void EmulatedMouse::listenForControl()
{
    m_control = std::make_unique<EmulatorControl>();
}
