#include "app/emulation_option.h"

#include <QByteArray>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#ifdef ZEL_WITH_EMULATOR
#include "emulator/emulator_control.h"
#include "emulator/mouse_emulator.h"

#include <QDebug>
#include <memory>
#endif

namespace {

constexpr char kOption[] = "--emulate";
constexpr char kPreload[] = "libumockdev-preload.so.0";
constexpr char kReexecMarker[] = "ZEL_EMULATE_REEXEC";

// A sanitizer runtime must come first in the initial library list, before the preload.
QByteArray sanitizerRuntime()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains("/libasan.so"))
            return line.mid(slash).trimmed();
    }
    return {};
}

bool preloadActive()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libumockdev-preload");
}

[[noreturn]] void reexecUnderPreload(char **argv)
{
    if (std::getenv(kReexecMarker)) {
        std::fprintf(stderr, "zelmouse: --emulate needs %s (Debian package umockdev)\n", kPreload);
        std::exit(2);
    }
    QByteArray preload = sanitizerRuntime();
    if (!preload.isEmpty())
        preload += ' ';
    preload += kPreload;
    if (const char *existing = std::getenv("LD_PRELOAD"); existing && *existing)
        preload += ' ' + QByteArray(existing);
    setenv("LD_PRELOAD", preload.constData(), 1);
    setenv(kReexecMarker, "1", 1);
    execv("/proc/self/exe", argv);
    std::perror("zelmouse: cannot restart for emulation");
    std::exit(2);
}

#ifdef ZEL_WITH_EMULATOR
std::unique_ptr<EmulatorControl> g_control;
#endif

} // namespace

bool parseEmulationArgument(const char *argument, EmulationOption *option)
{
    const size_t length = std::strlen(kOption);
    if (std::strncmp(argument, kOption, length) != 0)
        return false;
    const char *rest = argument + length;
    if (*rest == '\0') {
        option->enabled = true;
        option->connection = 3;
        return true;
    }
    if (*rest != '=')
        return false;
    ++rest;
    const int connection = !std::strcmp(rest, "receiver") ? 1 : !std::strcmp(rest, "cable") ? 2 : !std::strcmp(rest, "both") ? 3 : 0;
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
        if (std::strncmp(argv[i], kOption, std::strlen(kOption)) != 0)
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
    if (!preloadActive())
        reexecUnderPreload(argv);
    unsetenv(kReexecMarker);
    // Qt need not see it.
    for (int i = found; i < argc; ++i)
        argv[i] = argv[i + 1];
    --argc;
    return option;
#endif
}

void startEmulation(const EmulationOption &option)
{
#ifdef ZEL_WITH_EMULATOR
    if (!option.enabled)
        return;
    MouseEmulator::instance().plug(static_cast<MouseEmulator::Connection>(option.connection));
    g_control = std::make_unique<EmulatorControl>();
    if (g_control->isListening())
        qInfo().noquote() << "Emulated mouse plugged; control pipe:" << g_control->path();
#else
    (void)option;
#endif
}

void stopEmulation(const EmulationOption &option)
{
#ifdef ZEL_WITH_EMULATOR
    if (!option.enabled)
        return;
    g_control.reset();
    MouseEmulator::shutdown();
#else
    (void)option;
#endif
}
