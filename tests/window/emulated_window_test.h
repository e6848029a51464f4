#pragma once
// The set-up window tests share: each test function gets its own application directory and
// the emulated mouse on its receiver, in its factory state and answering normally. A test
// class that needs more defines its own init() or cleanup() and calls these.

#include "emulator/mouse_emulator.h"
#include "ui/main/zizirazi_widget.h"
#include "window_fixture.h"

#include <QtTest>

#include <memory>

class EmulatedWindowTest : public QObject {
    Q_OBJECT

protected:
    MouseEmulator &mouse() { return MouseEmulator::instance(); }

    std::unique_ptr<ZiziraziWidget> openWindow()
    {
        auto window = std::make_unique<ZiziraziWidget>();
        window->show();
        return window;
    }

    void startFresh()
    {
        m_dir = std::make_unique<WindowAppDir>();
        mouse().setMisbehaviour({});
        mouse().resetState();
        mouse().plug(MouseEmulator::Receiver);
    }

    void finish()
    {
        mouse().unplug(MouseEmulator::Everything);
        m_dir.reset();
    }

    std::unique_ptr<WindowAppDir> m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY2(MouseEmulator::environmentReady(), "run under umockdev-wrapper");
        mouse();
    }
    void init() { startFresh(); }
    void cleanup() { finish(); }
    void cleanupTestCase() { MouseEmulator::shutdown(); }
};
