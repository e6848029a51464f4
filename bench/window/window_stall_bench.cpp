// The longest stall of the window's event loop while the mouse is silent: a slot picked from
// the slot menu (whose select and follow-ups run the whole retry schedule) and a language
// change (which restarts the poller after a pause). A 2 ms timer ticks throughout; the stall
// is the longest gap between two ticks.
//
//   umockdev-wrapper build/bench/window_stall_bench [seconds-per-case]
// (QT_QPA_PLATFORM=offscreen is set unless a platform is chosen.)

#include "emulator/mouse_emulator.h"
#include "store/app_paths.h"
#include "ui/main/zizirazi_widget.h"
#include "window_bench_support.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

// Runs `action` once, then keeps the loop going for `seconds`; returns the longest gap between
// two ticks of a 2 ms timer, in milliseconds.
double longestStall(const std::function<void()> &action, int seconds)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    ticker.start(2);
    QTimer::singleShot(50, action);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return double(longest) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    chooseBenchPlatform();
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 8;
    QTemporaryDir dir;
    if (!prepareWindowBench(dir))
        return 2;

    MouseEmulator &mouse = MouseEmulator::instance();
    mouse.plug(MouseEmulator::Receiver);
    {
        ZiziraziWidget window;
        window.show();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

        MouseEmulator::Misbehaviour silent;
        silent.silent = true;
        mouse.setMisbehaviour(silent);

        QAction *slotTwo = nullptr;
        for (QMenu *menu : window.findChildren<QMenu *>()) {
            if (menu->actions().size() == 5 && menu != window.languageMenu())
                slotTwo = menu->actions().at(1);
        }
        if (!slotTwo) {
            std::fprintf(stderr, "no slot menu found\n");
            return 1;
        }
        const double slotStall = longestStall([&] { slotTwo->trigger(); }, seconds);
        const double languageStall = longestStall(
            [&] {
                QMenu *languages = window.languageMenu();
                if (!languages->actions().isEmpty())
                    languages->actions().constFirst()->trigger();
                else
                    window.retranslateTexts();
            },
            seconds);
        std::printf("longest event-loop stall with a silent mouse:\n");
        std::printf("  slot change      %8.1f ms\n", slotStall);
        std::printf("  language change  %8.1f ms\n", languageStall);
    }
    mouse.unplug(MouseEmulator::Both);
    MouseEmulator::shutdown();
    return 0;
}
