// Lighting edits made on the page reach the emulated mouse through Apply and are there again
// after a restart; with the product "6390" the page always edits slot 0.

#include "../window/window_fixture.h"
#include "emulator/mouse_emulator.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/pages/default_color_area.h"
#include "ui/pages/zel_color_area.h"
#include "ui/pages/zel_color_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

void chooseEffect(ZelColorWindow *page, const QString &text)
{
    for (QAction *action : page->effectMenu()->actions()) {
        if (action->text() == text) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no effect ") + text));
}

void pickColour(ZelColorWindow *page, const QString &hex)
{
    handleNextModal<ZelColorArea>([hex](ZelColorArea *dialog) {
        dialog->hexField()->setText(hex);
        emit dialog->hexField()->editingFinished();
        dialog->okButton()->click();
    });
    QTest::mouseClick(page->colorSwatch(), Qt::LeftButton);
}

// Apply; a failure message is closed and reported rather than left waiting for a click.
void apply(ZiziraziWidget &window)
{
    QString failure;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        if (auto *box = qobject_cast<ZelMessageBox *>(QApplication::activeModalWidget())) {
            failure = box->findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel2"))->text();
            box->reject();
        }
    });
    watch.start(20);
    qobject_cast<ZelPushButton *>(window.control(WindowControl::Apply))->click();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

} // namespace

class LightingApplyTest : public QObject {
    Q_OBJECT
private:
    MouseEmulator &mouse() { return MouseEmulator::instance(); }
    std::unique_ptr<WindowAppDir> m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY2(MouseEmulator::environmentReady(), "run under umockdev-wrapper");
        mouse();
    }

    void init()
    {
        m_dir = std::make_unique<WindowAppDir>();
        // Named slots, each with its own file, as after a first start.
        for (int slot = 1; slot <= kProfileCount; ++slot)
            m_dir->setConfigValue(QStringLiteral("Config/Profile%1").arg(slot), QStringLiteral("Profile %1").arg(slot));
        mouse().resetState();
        mouse().plug(MouseEmulator::Receiver);
    }

    void cleanup()
    {
        mouse().unplug(MouseEmulator::Both);
        m_dir.reset();
    }

    void cleanupTestCase() { MouseEmulator::shutdown(); }

    void lightingReachesTheMouseAndSurvivesARestart()
    {
        {
            ZiziraziWidget window;
            window.show();
            ZelColorWindow *page = window.lightingPage();
            QVERIFY(page->isVisible());
            chooseEffect(page, QStringLiteral("Breathing"));
            pickColour(page, QStringLiteral("3a7bd5"));
            page->speedSlider()->setValue(5);
            page->sleepSlider()->setValue(6);
            // Unchecked: the light stays on while the mouse moves.
            if (page->moveOffBox()->isChecked())
                page->moveOffBox()->click();
            QCOMPARE(int(currentSettings.profiles[0].LedMoveOFF), 255);
            apply(window);

            const FirmwareState state = mouse().state();
            QCOMPARE(int(state.ledMode), 3);
            QCOMPARE(int(state.ledSpeed), 5);
            QCOMPARE(int(state.ledBrightness), 0); // breathing sends no brightness
            QCOMPARE(QColor(state.rgb[0], state.rgb[1], state.rgb[2]), QColor(0x3a, 0x7b, 0xd5));
            QCOMPARE(int(state.ledSleepTime), 6);
            QCOMPARE(int(state.ledMoveOff), 0);

            // Brightness travels with an effect that shows it.
            chooseEffect(page, QStringLiteral("Reactive"));
            page->brightnessSlider()->setValue(1);
            page->speedSlider()->setValue(2);
            apply(window);
            QCOMPARE(int(mouse().state().ledMode), 10);
            QCOMPARE(int(mouse().state().ledBrightness), 1);
            QCOMPARE(int(mouse().state().ledSpeed), 2);
        }

        // A new window reads the files the apply wrote.
        currentSettings = DeviceSettings();
        ZiziraziWidget window;
        window.show();
        ZelColorWindow *page = window.lightingPage();
        QCOMPARE(page->effectButton()->text(), QStringLiteral("Reactive"));
        QCOMPARE(page->brightnessSlider()->value(), 1);
        QCOMPARE(page->speedSlider()->value(), 2);
        QCOMPARE(page->sleepSlider()->value(), 6);
        QVERIFY(!page->moveOffBox()->isChecked());
        chooseEffect(page, QStringLiteral("Breathing"));
        QCOMPARE(page->colorSwatch()->color(), QColor(0x3a, 0x7b, 0xd5));
        QCOMPARE(page->speedSlider()->value(), 5);
    }

    void productWithSharedLightingAlwaysEditsSlotZero()
    {
        ZiziraziWidget window;
        window.show();
        window.selectProfileSlot(2, false);
        QCOMPARE(window.lightingPage()->profile(), &currentSettings.profiles[2]);

        writeCurrentProductName(QStringLiteral("6390"));
        currentSettings.profiles[3].LedMode = 1;
        window.selectProfileSlot(3, false);
        QCOMPARE(window.lightingPage()->profile(), &currentSettings.profiles[0]);
        chooseEffect(window.lightingPage(), QStringLiteral("Wave"));
        QCOMPARE(int(currentSettings.profiles[0].LedMode), 6);
        QCOMPARE(int(currentSettings.profiles[3].LedMode), 1);
    }
};

QTEST_MAIN(LightingApplyTest)
#include "lighting_apply_test.moc"
