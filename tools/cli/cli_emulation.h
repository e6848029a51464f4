#pragma once
#include <QString>
#include <memory>

// --emulate for the command-line tool: the emulated mouse in this process, reached through the
// real hidapi and libudev path, set up from the ZEL_EMULATE_* environment (emulator/emulation_launch.h).

// Plugs the emulated receiver, cable or both for the life of the object; the device link
// must be closed before it goes. When ZEL_EMULATE_STATE_FILE names a file, the mouse's decoded
// state is written there as it goes (the emulator's "state" answer).
class EmulatorControl;

class EmulatedMouse {
public:
    explicit EmulatedMouse(const QString &connection);
    ~EmulatedMouse();
    // Takes commands from the control pipe (emulator/emulator_control.h), for commands that
    // run until interrupted.
    void listenForControl();
    EmulatedMouse(const EmulatedMouse &) = delete;
    EmulatedMouse &operator=(const EmulatedMouse &) = delete;

private:
    std::unique_ptr<EmulatorControl> m_control;
};
