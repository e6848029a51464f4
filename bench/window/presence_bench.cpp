// How soon the window answers the mouse coming and going: from the receiver's uevents (sent
// by the emulator from the window's own event loop) to the "Dongle Disconnect!" box on the
// screen, and from the plug's uevents to the box gone and the window reloaded. Both include the
// window's 200 ms settling delay.
//
//   umockdev-wrapper build/bench/presence_bench [rounds]
// (QT_QPA_PLATFORM=offscreen is set unless a platform is chosen.)

#include "emulator/mouse_emulator.h"
#include "store/app_paths.h"
#include "ui/kit/zel_message_box.h"
#include "ui/main/zizirazi_widget.h"
#include "window_bench_support.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void summarise(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * double(ms.size())))]; };
    std::printf("%-34s n=%zu  min %.1f  median %.1f  p90 %.1f  max %.1f ms\n", what, ms.size(), ms.front(), at(0.5),
                at(0.9), ms.back());
}

} // namespace

int main(int argc, char *argv[])
{
    chooseBenchPlatform();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir dir;
    if (!prepareWindowBench(dir))
        return 2;
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    MouseEmulator &mouse = MouseEmulator::instance();
    mouse.plug(MouseEmulator::Receiver);
    std::vector<double> toBox;
    std::vector<double> toReload;
    std::vector<double> toBoxGone;
    std::vector<double> plugging;
    {
        ZiziraziWidget window;
        window.show();
        QElapsedTimer clock;
        int round = 0;
        QObject::connect(&window, &ZiziraziWidget::DisconnectBoxShown, [&] {
            toBox.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                QObject::connect(box, &QDialog::finished, [&] { toBoxGone.push_back(double(clock.nsecsElapsed()) / 1e6); });
            // The box is up; the receiver comes back from the box's own loop. Timed from its
            // last uevent: the emulator's own work is not the window's.
            QElapsedTimer emulator;
            emulator.start();
            mouse.plug(MouseEmulator::Receiver);
            plugging.push_back(double(emulator.nsecsElapsed()) / 1e6);
            clock.restart();
        });
        QEventLoop loop;
        const auto unplugSoon = [&] {
            QTimer::singleShot(300, [&] {
                mouse.unplug(MouseEmulator::Receiver);
                clock.restart();
            });
        };
        QObject::connect(&window, &ZiziraziWidget::MouseReloaded, [&] {
            toReload.push_back(double(clock.nsecsElapsed()) / 1e6);
            if (++round == rounds)
                QTimer::singleShot(300, &loop, &QEventLoop::quit);
            else
                unplugSoon();
        });
        unplugSoon();
        loop.exec();
    }
    mouse.unplug(MouseEmulator::Everything);
    MouseEmulator::shutdown();
    summarise("unplug uevents -> box shown", toBox);
    summarise("plug uevents -> window reloaded", toReload);
    summarise("plug uevents -> box gone", toBoxGone);
    summarise("(the emulator plugging)", plugging);
    return 0;
}
