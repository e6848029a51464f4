// Wall time of a full write against the emulated mouse, next to the protocol's floor: every
// packet waits 10 ms after its write and then reads its echo, and every macro image is
// followed by a 50 ms pause. The rest is the exchange's own cost (the write, sleep overshoot).
//
//   umockdev-wrapper build/bench/device_write_bench [repetitions]

#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/write_plan.h"
#include "emulator/mouse_emulator.h"
#include "store/app_paths.h"
#include "store/function_catalogue.h"
#include "store/product_definition.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtMath>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

void silence(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

struct Result {
    double medianMs = 0;
    double floorMs = 0;
    int packets = 0;
};

Result measure(const DeviceSettings &settings, int macros, int repetitions)
{
    QVector<double> times;
    MouseEmulator &mouse = MouseEmulator::instance();
    int packets = 0;
    for (int i = 0; i < repetitions; ++i) {
        mouse.clearPackets();
        QElapsedTimer clock;
        clock.start();
        // As the session writes: planned (macro files read) and sent.
        const WritePlan plan = planWrite(settings, settings, readProductSnapshot(), loadMacroImages(settings.profiles[0]));
        if (sendWritePlan(plan) != 0) {
            std::fprintf(stderr, "write failed\n");
            std::exit(1);
        }
        times.append(clock.nsecsElapsed() / 1e6);
        packets = mouse.packets().size();
    }
    std::sort(times.begin(), times.end());
    Result r;
    r.medianMs = times[times.size() / 2];
    r.packets = packets;
    r.floorMs = packets * 10.0 + macros * 50.0;
    return r;
}

// Where the time over the floor goes: the blocking calls of the exchange, timed.
struct Breakdown {
    double write = 0, sleepOver = 0, read = 0;
    int writes = 0, sleeps = 0, reads = 0;
};
Breakdown g_breakdown;

void timeTheExchange()
{
    const ExchangeIo real = exchangeIo();
    ExchangeIo timed;
    timed.write = [real](hid_device *h, const unsigned char *d, size_t n) {
        QElapsedTimer t;
        t.start();
        const int r = real.write(h, d, n);
        g_breakdown.write += t.nsecsElapsed() / 1e6;
        ++g_breakdown.writes;
        return r;
    };
    timed.readTimeout = [real](hid_device *h, unsigned char *d, size_t n, int ms) {
        QElapsedTimer t;
        t.start();
        const int r = real.readTimeout(h, d, n, ms);
        g_breakdown.read += t.nsecsElapsed() / 1e6;
        ++g_breakdown.reads;
        return r;
    };
    timed.sleepMs = [real](int ms) {
        QElapsedTimer t;
        t.start();
        real.sleepMs(ms);
        g_breakdown.sleepOver += t.nsecsElapsed() / 1e6 - ms;
        ++g_breakdown.sleeps;
    };
    setExchangeIo(timed);
}

void report(const char *name, const Result &r, double echoMs)
{
    const double floorMs = r.floorMs + r.packets * echoMs;
    const double over = r.medianMs - floorMs;
    std::printf("%-14s %4d packets  floor %8.1f ms  median %8.1f ms  over %5.1f ms (%4.1f %%, %.2f ms/packet)\n", name,
                r.packets, floorMs, r.medianMs, over, 100.0 * over / floorMs, over / r.packets);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(silence);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    if (!MouseEmulator::environmentReady()) {
        std::fprintf(stderr, "run under umockdev-wrapper\n");
        return 2;
    }
    QTemporaryDir dir;
    setApplicationDirectoryOverride(dir.path());
    QSettings(configFilePath(), QSettings::IniFormat).setValue(QStringLiteral("Mouse_List/0"), QStringLiteral("Zel M1"));
    QSettings(configFilePath(), QSettings::IniFormat).setValue(QStringLiteral("MouseSenSor/1"), 3325);
    {
        QSettings product(productDefinitionPath(), QSettings::IniFormat);
        product.setValue(QStringLiteral("PROFILE/ButtonCount"), 14);
        for (int i = 0; i < 16; ++i)
            product.setValue(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), i);
    }
    for (int m = 0; m < 12; ++m) {
        QSettings file(macroFilePath(QStringLiteral("macro%1").arg(m)), QSettings::IniFormat);
        file.setValue(QStringLiteral("Setting/Count"), 40);
        for (int e = 0; e < 40; ++e) {
            file.setValue(QStringLiteral("Setting/Map_%1").arg(e), e % 2 ? 4 : 0x84);
            file.setValue(QStringLiteral("Setting/DataL_%1").arg(e), 4 + e / 2);
            file.setValue(QStringLiteral("Setting/DataH_%1").arg(e), 0);
        }
    }

    MouseEmulator::instance().plug(MouseEmulator::Receiver);
    InitDeviceTable();
    EnumerateDevices();
    OpenDevice("Zel M1");

    auto plain = std::make_unique<DeviceSettings>();
    for (int i = 0; i < 8; ++i)
        plain->profiles[0].dpiStages[i].x = plain->profiles[0].dpiStages[i].y = 10 * (i + 1);
    auto withMacros = std::make_unique<DeviceSettings>(*plain);
    for (int m = 0; m < 12; ++m) {
        ButtonSlot &b = withMacros->profiles[0].buttons[m];
        b.Fun = ButtonFunction::Macro;
        b.macroname = QStringLiteral("macro%1").arg(m);
    }

    // The echo's own cost, measured once: the time of a read that finds it waiting.
    timeTheExchange();
    measure(*withMacros, 12, 1);
    const Breakdown &b = g_breakdown;
    const double echoMs = b.read / b.reads;
    std::printf("per call: hid_write %.3f ms, hid_read (the echo) %.3f ms, sleep overshoot %.3f ms\n",
                b.write / b.writes, echoMs, b.sleepOver / b.sleeps);
    resetExchangeIo();

    std::printf("full write against the emulated receiver, median of %d; floor = packets x (10 ms + echo)"
                " + macros x 50 ms\n", repetitions);
    report("no macros", measure(*plain, 0, repetitions), echoMs);
    report("twelve macros", measure(*withMacros, 12, std::max(1, repetitions / 3)), echoMs);

    CloseDevice();
    ExitDeviceLibrary();
    MouseEmulator::shutdown();
    return 0;
}
