// The key capture dialogs and macro selection as a user drives them: keys arrive with the
// native scan codes the X server gives, at whichever widget holds the keyboard.

#include "store/button_assignment.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "ui/pages/zel_combo_key_window.h"
#include "ui/pages/zel_fire_key_window.h"
#include "ui/pages/zel_macro_select.h"
#include "ui/pages/zel_single_key_window.h"
#include "ui/pages/zel_sniper_window.h"
#include "../window/window_fixture.h"
#include "native_keys.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Evdev codes.
constexpr int kEsc = 1, kTab = 15, kReturn = 28, kLeftCtrl = 29, kA = 30, kF = 33, kG = 34, kC = 46;
constexpr int kLeftAlt = 56, kRightCtrl = 97, kRightAlt = 100, kDigit7 = 8;

// A key pressed and released at the widget that holds the keyboard.
void tap(int evdev)
{
    sendNativeKey(QWidget::keyboardGrabber(), QEvent::KeyPress, evdev);
    sendNativeKey(QWidget::keyboardGrabber(), QEvent::KeyRelease, evdev);
}

void showActive(QWidget &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class KeyDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<WindowAppDir>();
        setFrenchKeyNames(-1, 0);
    }
    void cleanup() { m_dir.reset(); }

    void singleKeyIgnoresRepeatAndTakesTheRelease()
    {
        ZelSingleKeyWindow dialog;
        QSignalSpy changes(&dialog, &ZelSingleKeyWindow::SetSingleKeyValue);
        showActive(dialog);
        QCOMPARE(QWidget::keyboardGrabber(), &dialog);
        QWidget *grabber = QWidget::keyboardGrabber();

        sendNativeKey(grabber, QEvent::KeyPress, kA);
        QCOMPARE(int(dialog.keyCode()), 0x1E);
        QCOMPARE(dialog.valueLabel()->text(), QStringLiteral("A"));
        // Held down: X repeats as release-press pairs marked auto-repeat.
        for (int i = 0; i < 5; ++i) {
            sendNativeKey(grabber, QEvent::KeyRelease, kA, Qt::NoModifier, true);
            sendNativeKey(grabber, QEvent::KeyPress, kA, Qt::NoModifier, true);
        }
        QCOMPARE(changes.count(), 1);
        sendNativeKey(grabber, QEvent::KeyRelease, kA);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(int(dialog.keyCode()), 0x1E);

        // Escape and the right Ctrl are keys like others; the dialog stays open.
        tap(kEsc);
        QCOMPARE(int(dialog.keyCode()), 0x01);
        QVERIFY(dialog.isVisible());
        tap(kRightCtrl);
        QCOMPARE(int(dialog.keyCode()), 238);
        QCOMPARE(dialog.valueLabel()->text(), QStringLiteral("RCtr"));

        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
    }

    void comboKeyKeepsTheKeysOfTheLastPress()
    {
        ZelComboKeyWindow dialog;
        showActive(dialog);
        QWidget *grabber = QWidget::keyboardGrabber();
        QCOMPARE(grabber, &dialog);
        sendNativeKey(grabber, QEvent::KeyPress, kLeftCtrl);
        sendNativeKey(grabber, QEvent::KeyPress, kC, Qt::ControlModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kC, Qt::ControlModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kLeftCtrl, Qt::ControlModifier);
        QCOMPARE(dialog.comboText(), QStringLiteral("LCtr + C"));
        QCOMPARE(dialog.valueLabel()->text(), QStringLiteral("LCtr + C"));
        const quint8 *flags = dialog.resultFlags();
        QVERIFY(flags[ZelComboKeyWindow::Ctrl] && flags[ZelComboKeyWindow::Key]);
        QVERIFY(!flags[ZelComboKeyWindow::Shift] && !flags[ZelComboKeyWindow::Win] && !flags[ZelComboKeyWindow::Alt]);
        QCOMPARE(dialog.resultKeyCodes(), QVector<quint8>({29, 0x2E}));

        // Alt+Tab and Escape are captured, not acted on.
        sendNativeKey(grabber, QEvent::KeyPress, kLeftAlt);
        sendNativeKey(grabber, QEvent::KeyPress, kTab, Qt::AltModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kTab, Qt::AltModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kLeftAlt, Qt::AltModifier);
        tap(kEsc);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.comboText(), QStringLiteral("Esc"));
    }

    void comboKeyRightHandModifiers()
    {
        ZelComboKeyWindow dialog;
        showActive(dialog);
        QWidget *grabber = QWidget::keyboardGrabber();
        sendNativeKey(grabber, QEvent::KeyPress, kRightCtrl);
        sendNativeKey(grabber, QEvent::KeyPress, kC, Qt::ControlModifier);
        QCOMPARE(int(dialog.resultFlags()[ZelComboKeyWindow::Ctrl]), 2);
        QCOMPARE(int(dialog.resultCode(ZelComboKeyWindow::Ctrl, 0)), 29);
        QCOMPARE(int(dialog.resultCode(ZelComboKeyWindow::Ctrl, 1)), 238);
        // The left Ctrl is what a button stores.
        QCOMPARE(dialog.resultKeyCodes(), QVector<quint8>({29, 0x2E}));
        sendNativeKey(grabber, QEvent::KeyRelease, kC, Qt::ControlModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kRightCtrl, Qt::ControlModifier);

        // The right Alt's press carries the Alt bit besides the extended one: still a press.
        sendNativeKey(grabber, QEvent::KeyPress, kRightAlt);
        sendNativeKey(grabber, QEvent::KeyPress, kA, Qt::AltModifier);
        QCOMPARE(int(dialog.resultFlags()[ZelComboKeyWindow::Alt]), 2);
        QCOMPARE(dialog.resultKeyCodes(), QVector<quint8>({56, 0x1E}));
        // A release of a modifier the dialog never saw pressed does not wrap around.
        sendNativeKey(grabber, QEvent::KeyRelease, kA, Qt::AltModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kRightAlt, Qt::AltModifier);
        sendNativeKey(grabber, QEvent::KeyRelease, kLeftAlt);
        sendNativeKey(grabber, QEvent::KeyPress, kG);
        QCOMPARE(dialog.comboText(), QStringLiteral("G"));
    }

    void comboKeyPresetRoundTrips()
    {
        ButtonSlot slot;
        const uint8_t keys[] = {0x2A, 0x1D, 0x2E};
        setComboKeys(slot, keys, 3);
        ZelComboKeyWindow dialog;
        dialog.presetKeyInfo(slot.KeyInfo);
        QCOMPARE(dialog.comboText(), QStringLiteral("LShift + LCtr + C"));
        QCOMPARE(dialog.resultKeyCodes(), QVector<quint8>({0x2A, 0x1D, 0x2E}));
    }

    void fireKeyCapturesOnlyTheKeyboardKey()
    {
        ZelFireKeyWindow dialog;
        showActive(dialog);
        QCOMPARE(dialog.kind(), int(ZelFireKeyWindow::Left));
        QCOMPARE(dialog.timesEdit()->text(), QStringLiteral("3"));
        QCOMPARE(dialog.delayEdit()->text(), QStringLiteral("100"));
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        sendNativeKey(&dialog, QEvent::KeyPress, kF);
        QCOMPARE(int(dialog.keyCode()), 0);

        QSignalSpy values(&dialog, &ZelFireKeyWindow::SetFireKeyValue);
        dialog.kindBox(ZelFireKeyWindow::KeyboardKey)->click();
        QCOMPARE(values.count(), 1);
        QCOMPARE(dialog.kind(), int(ZelFireKeyWindow::KeyboardKey));
        QVERIFY(dialog.kindBox(ZelFireKeyWindow::KeyboardKey)->isChecked());
        QVERIFY(!dialog.kindBox(ZelFireKeyWindow::Left)->isChecked());
        QCOMPARE(QWidget::keyboardGrabber(), &dialog);
        tap(kF);
        QCOMPARE(int(dialog.keyCode()), 0x21);

        // Typing into Times gives up the grab and is never taken as the fire key.
        dialog.timesEdit()->setFocus();
        QVERIFY(dialog.timesEdit()->hasFocus());
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        dialog.timesEdit()->clear();
        sendNativeKey(dialog.timesEdit(), QEvent::KeyPress, kDigit7, Qt::NoModifier, false, Qt::Key_7, QStringLiteral("7"));
        sendNativeKey(dialog.timesEdit(), QEvent::KeyRelease, kDigit7, Qt::NoModifier, false, Qt::Key_7, QStringLiteral("7"));
        QCOMPARE(dialog.timesEdit()->text(), QStringLiteral("7"));
        QCOMPARE(int(dialog.keyCode()), 0x21);
        // Return leaves the field; neither its press nor its release is the fire key.
        sendNativeKey(dialog.timesEdit(), QEvent::KeyPress, kReturn, Qt::NoModifier, false, Qt::Key_Return, QStringLiteral("\r"));
        QVERIFY(!dialog.timesEdit()->hasFocus());
        QCOMPARE(QWidget::keyboardGrabber(), &dialog);
        sendNativeKey(QWidget::keyboardGrabber(), QEvent::KeyRelease, kReturn, Qt::NoModifier, false, Qt::Key_Return);
        QCOMPARE(int(dialog.keyCode()), 0x21);
        tap(kG);
        QCOMPARE(int(dialog.keyCode()), 0x22);
        QCOMPARE(dialog.times(), 7);

        // A mouse button again: no key, no capture.
        dialog.kindBox(ZelFireKeyWindow::Right)->click();
        QCOMPARE(int(dialog.keyCode()), 0);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
        // An empty delay or a count out of range: said at once, and OK keeps the dialog open.
        dialog.delayEdit()->clear();
        QCOMPARE(dialog.problemLabel()->text(), QStringLiteral("Delay: 1 to 255"));
        dialog.timesEdit()->selectAll();
        QTest::keyClicks(dialog.timesEdit(), QStringLiteral("999"));
        QCOMPARE(dialog.timesEdit()->text(), QStringLiteral("999"));
        dialog.okButton()->click();
        QCOMPARE(dialog.problemLabel()->text(), QStringLiteral("Times: 1 to 255"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.timesEdit()->setText(QStringLiteral("7"));
        dialog.delayEdit()->setText(QStringLiteral("20"));
        QVERIFY(dialog.problemLabel()->text().isEmpty());
        // A keyboard key still to be pressed is named when OK is pressed.
        dialog.kindBox(ZelFireKeyWindow::KeyboardKey)->click();
        dialog.okButton()->click();
        QCOMPARE(dialog.problemLabel()->text(), QStringLiteral("Press the key to fire."));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        tap(kG);
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void fireKeyPresetFromTheSlot()
    {
        ButtonSlot slot;
        slot.Res1 = 0x84;
        slot.LoopNumber = 12;
        slot.KeyNumber = 40;
        ZelFireKeyWindow middle;
        middle.presetSlot(slot);
        QCOMPARE(middle.kind(), int(ZelFireKeyWindow::Middle));
        QCOMPARE(middle.times(), 12);
        QCOMPARE(middle.delay(), 40);

        slot.Res1 = 0x04; // A
        slot.LoopNumber = 0;
        slot.KeyNumber = 0;
        ZelFireKeyWindow key;
        key.presetSlot(slot);
        QCOMPARE(key.kind(), int(ZelFireKeyWindow::KeyboardKey));
        QCOMPARE(int(key.keyCode()), 0x1E);
        QCOMPARE(key.valueLabel()->text(), QStringLiteral("A"));
        QCOMPARE(key.times(), 3);
        QCOMPARE(key.delay(), 10);
        QCOMPARE(int(fireKeyRes1(key.kind(), key.keyCode())), 0x04);
    }

    void sniperRangeAndDefaultPerSensor()
    {
        m_dir->setConfigValue(QStringLiteral("MouseSenSor/1"), 3389);
        ZelSniperWindow dialog;
        QCOMPARE(dialog.slider()->minimum(), 2);
        QCOMPARE(dialog.slider()->maximum(), 20);
        QCOMPARE(int(dialog.step()), 6);
        QSignalSpy told(&dialog, &ZelSniperWindow::SetSniperValue);
        dialog.presetStep(25);
        QCOMPARE(int(dialog.step()), 6);
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.at(0).at(0).toInt(), 6);
        QCOMPARE(dialog.valueLabel()->text(), QString::number(dpiFromCode(6, 3389)));
        dialog.slider()->setValue(12);
        QCOMPARE(int(dialog.step()), 12);
        QCOMPARE(dialog.valueLabel()->text(), QString::number(dpiFromCode(12, 3389)));

        m_dir->setConfigValue(QStringLiteral("MouseSenSor/1"), 3311);
        ZelSniperWindow unlisted;
        QCOMPARE(unlisted.slider()->minimum(), 1);
        QCOMPARE(unlisted.slider()->maximum(), 120);
        QCOMPARE(int(unlisted.step()), 60);
        QCOMPARE(unlisted.slider()->value(), 60);
    }

    void macroSelectionNeedsAMacro()
    {
        addMacroName(QStringLiteral("alpha"));
        addMacroName(QStringLiteral("beta"));
        ZelMacroSelect fresh(QStringLiteral("MACRO SELECT"), QStringLiteral("MACRO SELECT"), QString(), 1, 0);
        QCOMPARE(fresh.macroMenu()->actions().size(), 2);
        QCOMPARE(fresh.macroMenu()->actions().at(1)->text(), QStringLiteral("beta"));
        QCOMPARE(fresh.loopEdit()->text(), QStringLiteral("1"));
        QVERIFY(fresh.modeToggle(0)->isChecked());
        fresh.show();
        fresh.yesButton()->click();
        QVERIFY(fresh.isVisible());
        QVERIFY(!fresh.problemLabel()->text().isEmpty());
        fresh.macroMenu()->actions().at(1)->trigger();
        QCOMPARE(fresh.macroName(), QStringLiteral("beta"));
        QCOMPARE(fresh.macroButton()->text(), QStringLiteral("beta"));
        // Loop counts: three digits at most, 1..255.
        QCOMPARE(fresh.loopEdit()->maxLength(), 3);
        for (const char *bad : {"256", "0", "", "999"}) {
            fresh.loopEdit()->clear();
            QTest::keyClicks(fresh.loopEdit(), QLatin1String(bad));
            QCOMPARE(fresh.loopEdit()->text(), QLatin1String(bad)); // shown as typed, not cut
            fresh.yesButton()->click();
            QVERIFY2(fresh.isVisible(), bad);
            QCOMPARE(fresh.problemLabel()->text(), QStringLiteral("The loop count must be a number from 1 to 255."));
        }
        // Not needed while the macro repeats with the key.
        fresh.modeToggle(1)->click();
        QVERIFY(!fresh.modeToggle(0)->isChecked());
        QCOMPARE(fresh.loopMode(), 1);
        fresh.yesButton()->click();
        QCOMPARE(fresh.result(), int(QDialog::Accepted));

        ZelMacroSelect held(QStringLiteral("GUNFILE SELECT"), QStringLiteral("GUNFILE SELECT"), QStringLiteral("beta"), 12, 2);
        QCOMPARE(held.macroButton()->text(), QStringLiteral("beta"));
        QCOMPARE(held.loopCount(), 12);
        QCOMPARE(held.loopMode(), 2);
        QVERIFY(held.modeToggle(2)->isChecked() && !held.modeToggle(0)->isChecked());
    }

private:
    std::unique_ptr<WindowAppDir> m_dir;
};

QTEST_MAIN(KeyDialogsTest)
#include "key_dialogs_test.moc"
