#include "app/emulation_option.h"
#include "emulator/emulation_names.h"
#include "emulator/emulator_log.h"
#include "emulator/preload_environment.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

#ifdef ZEL_WITH_EMULATOR
#include "emulator/emulation_launch.h"
#include "emulator/emulator_control.h"
#include "emulator/mouse_emulator.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#endif

namespace {

#ifdef ZEL_WITH_EMULATOR
std::unique_ptr<EmulatorControl> g_control;
std::mutex g_plugMutex;
std::condition_variable g_plugDone;
bool g_plugged = false;

void waitForPlug()
{
    std::unique_lock<std::mutex> lock(g_plugMutex);
    g_plugDone.wait(lock, [] { return g_plugged; });
}
#endif

} // namespace

bool parseEmulationArgument(const char *argument, EmulationOption *option)
{
    const size_t length = std::strlen(kEmulateOption);
    if (std::strncmp(argument, kEmulateOption, length) != 0)
        return false;
    const char *rest = argument + length;
    if (*rest != '\0' && *rest != '=')
        return false;
    const int connection = emulatedConnectionFromName(
        *rest == '\0' ? QLatin1String(kDefaultEmulatedConnection) : QString::fromLocal8Bit(rest + 1));
    if (connection == 0)
        return false;
    option->enabled = true;
    option->connection = connection;
    return true;
}

EmulationOption takeEmulationOption(int &argc, char **argv)
{
    EmulationOption option;
    int found = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kEmulateOption, std::strlen(kEmulateOption)) != 0)
            continue;
        if (!parseEmulationArgument(argv[i], &option)) {
            std::fprintf(stderr, "zelmouse: unknown value in %s (use receiver, cable or both)\n", argv[i]);
            std::exit(2);
        }
        found = i;
    }
    if (found < 0)
        return option;
#ifndef ZEL_WITH_EMULATOR
    std::fprintf(stderr, "zelmouse: this build has no mouse emulator\n");
    std::exit(2);
#else
    QString error;
    if (!ensureEmulationPreload(argv, &error)) {
        std::fprintf(stderr, "zelmouse: %s\n", qPrintable(error));
        std::exit(2);
    }
    // Qt need not see it.
    for (int i = found; i < argc; ++i)
        argv[i] = argv[i + 1];
    --argc;
    return option;
#endif
}

void beginEmulation(const EmulationOption &option)
{
#ifdef ZEL_WITH_EMULATOR
    if (option.enabled)
        emulatedMouseFromEnvironment();
#else
    (void)option;
#endif
}

void plugEmulatedMouse(const EmulationOption &option)
{
#ifdef ZEL_WITH_EMULATOR
    if (!option.enabled)
        return;
    MouseEmulator::instance().plug(static_cast<MouseEmulator::Connection>(option.connection));
    {
        std::lock_guard<std::mutex> lock(g_plugMutex);
        g_plugged = true;
    }
    g_plugDone.notify_all();
#else
    (void)option;
#endif
}

void startEmulation(const EmulationOption &option)
{
#ifdef ZEL_WITH_EMULATOR
    if (!option.enabled)
        return;
    waitForPlug();
    misbehaveFromEnvironment(MouseEmulator::instance());
    g_control = std::make_unique<EmulatorControl>();
    // The monotonic time lets the start-up benchmark tell the emulator's part from the rest.
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double plugged = now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    if (g_control->isListening())
        qCInfo(lcEmulator).noquote() << QStringLiteral("Emulated mouse plugged (monotonic %1 ms); control pipe:").arg(plugged, 0, 'f', 1)
                                     << g_control->path();
#else
    (void)option;
#endif
}

void stopEmulation(const EmulationOption &option)
{
#ifdef ZEL_WITH_EMULATOR
    if (!option.enabled)
        return;
    waitForPlug();
    g_control.reset();
    MouseEmulator::shutdown();
#else
    (void)option;
#endif
}
