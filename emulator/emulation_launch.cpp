#include "emulator/emulation_launch.h"
#include "emulator/emulation_names.h"
#include "emulator/preload_environment.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

int environmentNumber(const char *name, int absent)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : absent;
}

QList<int> environmentNumbers(const char *name)
{
    QList<int> numbers;
    for (const QString &part : qEnvironmentVariable(name).split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers.append(part.trimmed().toInt());
    return numbers;
}

} // namespace

MouseEmulator::Connection emulationConnectionNamed(const QString &name, MouseEmulator::Connection fallback)
{
    if (name.isEmpty())
        return fallback;
    return MouseEmulator::Connection(emulatedConnectionFromName(name));
}

bool ensureEmulationPreload(char **argv, QString *error)
{
    if (MouseEmulator::environmentReady()) {
        qunsetenv(kEmulationRestartMark);
        return true;
    }
    if (qEnvironmentVariableIsSet(kEmulationRestartMark)) {
        *error = QStringLiteral("The umockdev preload library (%1, Debian package umockdev) could not be loaded, so the mouse cannot be emulated.")
                     .arg(QLatin1String(kEmulationPreload));
        return false;
    }
    addEmulationPreloadToEnvironment();
    ::execv("/proc/self/exe", argv);
    *error = QStringLiteral("The program could not restart itself for emulation: %1.").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

MouseEmulator &emulatedMouseFromEnvironment()
{
    MouseEmulator &mouse = MouseEmulator::instance();
    if (qEnvironmentVariableIsSet("ZEL_EMULATE_RELEASE")) {
        const auto release = static_cast<uint16_t>(qEnvironmentVariable("ZEL_EMULATE_RELEASE").toUInt(nullptr, 0));
        mouse.setReleaseNumber(MouseEmulator::Both, release);
    }
    const QList<int> battery = environmentNumbers("ZEL_EMULATE_BATTERY");
    if (!battery.isEmpty())
        mouse.setBattery(static_cast<uint8_t>(battery.value(0)), static_cast<uint8_t>(battery.value(1)));
    const QList<int> status = environmentNumbers("ZEL_EMULATE_STATUS");
    if (status.size() == 2)
        mouse.setStatus(static_cast<uint8_t>(status.at(0)), static_cast<uint8_t>(status.at(1)));
    return mouse;
}

void misbehaveFromEnvironment(MouseEmulator &mouse)
{
    MouseEmulator::Misbehaviour misbehaviour;
    misbehaviour.silent = environmentNumber("ZEL_EMULATE_SILENT", 0) != 0;
    misbehaviour.zeroReplies = environmentNumber("ZEL_EMULATE_ZERO_REPLIES", 0);
    misbehaviour.corruptEchoes = environmentNumber("ZEL_EMULATE_CORRUPT_ECHOES", 0);
    misbehaviour.failWritesAfter = environmentNumber("ZEL_EMULATE_FAIL_WRITES_AFTER", -1);
    misbehaviour.replyDelayMs = environmentNumber("ZEL_EMULATE_REPLY_DELAY_MS", 0);
    misbehaviour.unplugAtPacket = environmentNumber("ZEL_EMULATE_UNPLUG_AT_PACKET", 0);
    mouse.setMisbehaviour(misbehaviour);
}

void plugEmulatedMouseFromEnvironment(MouseEmulator::Connection connection)
{
    MouseEmulator &mouse = emulatedMouseFromEnvironment();
    mouse.plug(connection);
    misbehaveFromEnvironment(mouse);
}
