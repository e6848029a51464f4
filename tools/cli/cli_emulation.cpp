#include "tools/cli/cli_emulation.h"

#include "emulator/emulation_launch.h"
#include "emulator/emulator_control.h"

#include <QSaveFile>

EmulatedMouse::EmulatedMouse(const QString &connection)
{
    plugEmulatedMouseFromEnvironment(emulationConnectionNamed(connection, MouseEmulator::Receiver));
}

EmulatedMouse::~EmulatedMouse()
{
    // What the emulated mouse was told, for checks run after the tool has ended.
    const QString stateFile = qEnvironmentVariable("ZEL_EMULATE_STATE_FILE");
    QString state;
    if (!stateFile.isEmpty() && EmulatorControl::execute(QStringLiteral("state"), &state)) {
        QSaveFile file(stateFile);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(state.toUtf8() + '\n');
            file.commit();
        }
    }
    m_control.reset();
    MouseEmulator::shutdown();
}

void EmulatedMouse::listenForControl()
{
    m_control = std::make_unique<EmulatorControl>();
}
