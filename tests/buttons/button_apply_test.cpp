// Button assignments end to end: edited on the CUSTOMIZE page of the main window, applied to
// the emulated mouse, read back from its decoded button table and from a restarted window.

#include "emulator/mouse_emulator.h"
#include "store/device_settings.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/pages/zel_btn_window.h"
#include "ui/pages/zel_combo_key_window.h"
#include "ui/pages/zel_fire_key_window.h"
#include "ui/pages/zel_macro_select.h"
#include "../window/window_fixture.h"
#include "native_keys.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

void hover(QWidget *widget, bool enter)
{
    QEvent event(enter ? QEvent::Enter : QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

QImage pictureOf(ZiziraziWidget &window)
{
    return qobject_cast<QLabel *>(window.control(WindowControl::FrontPicture))->pixmap(Qt::ReturnByValue).toImage();
}

} // namespace

class ButtonApplyTest : public QObject {
    Q_OBJECT
private:
    MouseEmulator &mouse() { return MouseEmulator::instance(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(MouseEmulator::environmentReady(), "run under umockdev-wrapper");
        m_dir = std::make_unique<WindowAppDir>();
        setFrenchKeyNames(-1, 0);
        // A fresh install: five factory profiles.
        auto factory = std::make_unique<DeviceSettings>();
        resetAllProfiles(*factory);
        for (int i = 1; i < kProfileCount; ++i)
            resetProfile(factory->profiles[i]);
        saveSettingsForApply(*factory);
        mouse().resetState();
        mouse().plug(MouseEmulator::Receiver);
    }

    void cleanupTestCase()
    {
        mouse().unplug(MouseEmulator::Both);
        MouseEmulator::shutdown();
        m_dir.reset();
    }

    void assignApplyAndRestart()
    {
        MacroFile macro;
        macro.events = {{kMacroKeyPress, 0, 0x04}, {kMacroDelay, 0, 5}, {kMacroKeyRelease, 0, 0x04}};
        writeMacroFile(QStringLiteral("burst"), macro);
        addMacroName(QStringLiteral("burst"));

        auto window = std::make_unique<ZiziraziWidget>();
        window->show();
        qobject_cast<ZelPushButton *>(window->control(WindowControl::TabCustomize))->click();
        ZelBtnWindow *page = window->customizePage();
        QVERIFY(page->isVisible());
        QCOMPARE(page->buttonForSlot(0)->text(), QStringLiteral("Left"));

        // The mouse picture shows the button under the pointer; side buttons leave it plain.
        const QImage plain = pictureOf(*window);
        hover(page->buttonForSlot(2), true);
        QVERIFY(pictureOf(*window) != plain);
        hover(page->buttonForSlot(2), false);
        QCOMPARE(pictureOf(*window), plain);
        hover(page->buttonForSlot(20), true);
        QCOMPARE(pictureOf(*window), plain);
        hover(page->buttonForSlot(20), false);

        // Button 3: Ctrl + C.
        handleNextModal<ZelComboKeyWindow>([](ZelComboKeyWindow *dialog) {
            sendNativeKey(nullptr, QEvent::KeyPress, 29);
            sendNativeKey(nullptr, QEvent::KeyPress, 46, Qt::ControlModifier);
            sendNativeKey(nullptr, QEvent::KeyRelease, 46, Qt::ControlModifier);
            sendNativeKey(nullptr, QEvent::KeyRelease, 29, Qt::ControlModifier);
            dialog->okButton()->click();
        });
        page->selectButton(2, ZelBtnWindow::FrontGroup);
        page->takeEntry(7);
        // Button 4: the right button five times, delay 20.
        handleNextModal<ZelFireKeyWindow>([](ZelFireKeyWindow *dialog) {
            dialog->kindBox(ZelFireKeyWindow::Right)->click();
            dialog->timesEdit()->setText(QStringLiteral("5"));
            dialog->delayEdit()->setText(QStringLiteral("20"));
            dialog->okButton()->click();
        });
        page->selectButton(3, ZelBtnWindow::FrontGroup);
        page->takeEntry(12);
        // Button 5: the macro, repeated while the key is down.
        handleNextModal<ZelMacroSelect>([](ZelMacroSelect *dialog) {
            dialog->macroMenu()->actions().at(0)->trigger();
            dialog->modeToggle(1)->click();
            dialog->yesButton()->click();
        });
        page->selectButton(4, ZelBtnWindow::FrontGroup);
        page->takeEntry(200);
        // The wheel turned up: Volume Up.
        page->selectButton(0, ZelBtnWindow::WheelGroup);
        page->takeEntry(43);

        // The only Left cannot go.
        QString refusal;
        handleNextModal<ZelMessageBox>([&](ZelMessageBox *box) {
            refusal = box->messageLabel()->text();
            box->yesButton()->click();
        });
        page->selectButton(0, ZelBtnWindow::FrontGroup);
        page->takeEntry(2);
        QCOMPARE(refusal, QStringLiteral("At least one button must keep the left click."));

        mouse().clearPackets();
        qobject_cast<ZelPushButton *>(window->control(WindowControl::Apply))->click();
        const FirmwareState state = mouse().state();
        QVERIFY(state.endMarkers >= 1);
        auto entry = [&](int p) { return QVector<int>{state.buttons[p][0], state.buttons[p][1], state.buttons[p][2], state.buttons[p][3]}; };
        uint8_t matrix[16] = {};
        productDeviceButtonMatrix(matrix);
        QCOMPARE(entry(matrix[2]), QVector<int>({0x8F, 1, 0x06, 0}));  // Ctrl, C
        QCOMPARE(entry(matrix[3]), QVector<int>({0x99, 0x82, 5, 2}));  // right button, 5 times, 20 / 10
        QCOMPARE(state.buttons[matrix[4]][0], uint8_t(0x91));
        QCOMPARE(state.buttons[matrix[4]][1] & 0xC0, 0x80);            // repeat while held
        QCOMPARE(state.buttons[matrix[4]][2], uint8_t(0xFF));
        QCOMPARE(entry(14), QVector<int>({0x8E, 1, 233, 0}));         // Volume Up on the wheel

        // A restart reads the same assignments back.
        window.reset();
        auto again = std::make_unique<ZiziraziWidget>();
        ZelBtnWindow *reread = again->customizePage();
        const QStringList labels = {"Left", "Right", "Ctrl + C", QStringLiteral("Fire Right \u00d75 / 20 ms"), "burst"};
        for (int slot = 0; slot < labels.size(); ++slot)
            QCOMPARE(reread->buttonForSlot(slot)->text(), labels[slot]);
        QCOMPARE(reread->buttonForSlot(40)->text(), QStringLiteral("Volume Up"));
        const ButtonSlot &fire = currentSettings.active().buttons[3];
        QVERIFY(fire.Res1 == 0x82 && fire.LoopNumber == 5 && fire.KeyNumber == 20);
        QCOMPARE(currentSettings.active().buttons[4].KeyNumber, 3);
    }

private:
    std::unique_ptr<WindowAppDir> m_dir;
};

QTEST_MAIN(ButtonApplyTest)
#include "button_apply_test.moc"
