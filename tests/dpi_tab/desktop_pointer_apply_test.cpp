// The DPI tab's "Pointer speed" row against the emulated mouse and GNOME's setting (GSettings'
// keyfile backend): the desktop's speed changes at Apply only with the row's option on.
#include "emulator/mouse_emulator.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/pages/zel_pointer_speed_row.h"
#include "../desktop_services/desktop_test_env.h"
#include "../window/window_fixture.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class DesktopPointerApplyTest : public QObject {
    Q_OBJECT
private:
    MouseEmulator &mouse() { return MouseEmulator::instance(); }

    void apply(ZiziraziWidget &window)
    {
        qobject_cast<ZelPushButton *>(window.control(WindowControl::Apply))->click();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(MouseEmulator::environmentReady(), "run under umockdev-wrapper");
        QVERIFY(m_config.isValid());
        // Before GIO is first used: it reads these once.
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        qputenv("XDG_SESSION_TYPE", "wayland");
        m_dir = std::make_unique<WindowAppDir>();
        m_dir->setConfigValue(QStringLiteral("Config/Profile1"), QStringLiteral("Office"));
        mouse().resetState();
        mouse().plug(MouseEmulator::Receiver);
    }

    void cleanupTestCase()
    {
        mouse().unplug(MouseEmulator::Both);
        MouseEmulator::shutdown();
        m_dir.reset();
    }

    void theDesktopFollowsTheProfileOnlyWhenAsked()
    {
        auto window = std::make_unique<ZiziraziWidget>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->showPage(2);
        ZelPointerSpeedRow *row = window->pointerSpeedRow();
        QVERIFY(row->isVisible());
        QCOMPARE(row->slider()->accessibleName(), QStringLiteral("Pointer speed"));
        QCOMPARE(row->optionBox()->accessibleName(), QStringLiteral("Set the desktop's pointer speed with this profile"));
        QCOMPARE(row->slider()->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!row->desktopOption());
        QVERIFY(row->desktopText().isEmpty());
        QCOMPARE(row->speed(), 10);

        // From the keyboard: five steps up.
        row->slider()->setFocus();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(row->slider(), Qt::Key_Right);
        QCOMPARE(row->speed(), 15);
        apply(*window);
        QVERIFY(!gnomeMouseSpeed(m_config.path()).isValid()); // off: the desktop is the user's

        row->optionBox()->click();
        QVERIFY(row->desktopOption());
        QCOMPARE(m_dir->configValue(QStringLiteral("Config/DesktopPointerSpeed")).toInt(), 1);
        QCOMPARE(row->desktopText(), QStringLiteral("Desktop: 10 (GNOME's mouse settings)"));
        QVERIFY(!gnomeMouseSpeed(m_config.path()).isValid()); // the option alone sets nothing
        apply(*window);
        QCOMPARE(gnomeMouseSpeed(m_config.path()).toDouble(), 0.5);
        QCOMPARE(row->desktopText(), QStringLiteral("Desktop: 15 (GNOME's mouse settings)"));

        // A restart shows the profile's speed and the option as they were left.
        window.reset();
        window = std::make_unique<ZiziraziWidget>();
        window->showPage(2);
        QCOMPARE(window->pointerSpeedRow()->speed(), 15);
        QVERIFY(window->pointerSpeedRow()->desktopOption());

        // Off again: an apply leaves the desktop as it is.
        window->pointerSpeedRow()->optionBox()->click();
        QCOMPARE(m_dir->configValue(QStringLiteral("Config/DesktopPointerSpeed")).toInt(), 0);
        window->pointerSpeedRow()->slider()->setValue(4);
        apply(*window);
        QCOMPARE(gnomeMouseSpeed(m_config.path()).toDouble(), 0.5);
    }

private:
    QTemporaryDir m_config;
    std::unique_ptr<WindowAppDir> m_dir;
};

QTEST_MAIN(DesktopPointerApplyTest)
#include "desktop_pointer_apply_test.moc"
