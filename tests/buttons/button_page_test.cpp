// The CUSTOMIZE page on its own: menus as the product allows them, labels for every code, the
// front-view layout, the one-click rule and the entries that open dialogs or refuse.

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/pages/zel_btn_window.h"
#include "ui/pages/zel_combo_key_window.h"
#include "ui/pages/zel_macro_select.h"
#include "ui/pages/zel_single_key_window.h"
#include "../window/window_fixture.h"
#include "native_keys.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QStringList entriesOf(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

QMenu *submenu(const QMenu *menu, const QString &title)
{
    for (const QAction *action : menu->actions()) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class ButtonPageTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<WindowAppDir>();
        setFrenchKeyNames(-1, 0);
        m_profile = ProfileData();
        m_profile.buttons[0].Fun = ButtonFunction::Left;
        m_profile.buttons[1].Fun = ButtonFunction::Right;
        m_profile.buttons[40].Fun = ButtonFunction::ScrollUp;
        m_profile.buttons[41].Fun = ButtonFunction::ScrollDown;
    }
    void cleanup() { m_dir.reset(); }

    void menusFollowTheProduct()
    {
        ZelBtnWindow page(&m_profile, nullptr);
        QCOMPARE(entriesOf(page.mainMenu()),
                 QStringList({"Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows", "Advance", "Media", "DPI",
                              "Polling Rate", "Macro Manager", "Led Switch", "Button Off"}));
        QCOMPARE(entriesOf(page.wheelMenu()),
                 QStringList({"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle", "Forward",
                              "Back", "SINGLE KEY", "COMBO KEY"}));
        QCOMPARE(entriesOf(submenu(page.mainMenu(), "Advance")), QStringList({"SINGLE KEY", "COMBO KEY", "FIRE KEY"}));
        QCOMPARE(entriesOf(submenu(page.mainMenu(), "Polling Rate")), QStringList({"Rate Switch", "Rate +", "Rate -"}));
        QCOMPARE(entriesOf(submenu(page.mainMenu(), "Windows")).last(), QStringLiteral("Boss Key"));
        // Made and connected, listed nowhere.
        for (int code : {55, 57, 58, 59, 510})
            QVERIFY(page.actionFor(code));

        m_dir->setProductValue(QStringLiteral("PROFILE/DisableMacro"), 1);
        m_dir->setProductValue(QStringLiteral("PROFILE/ledDisable"), 1);
        QAction *oldLeft = page.actionFor(ButtonFunction::Left);
        page.retranslate();
        QVERIFY(page.actionFor(ButtonFunction::Left) != oldLeft);
        QCOMPARE(entriesOf(page.mainMenu()),
                 QStringList({"Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows", "Advance", "Media", "DPI",
                              "Polling Rate", "Button Off"}));
        // The fresh actions still reach the handler.
        page.selectButton(1, ZelBtnWindow::FrontGroup);
        page.actionFor(ButtonFunction::ButtonOff)->trigger();
        QCOMPARE(m_profile.buttons[1].Fun, int(ButtonFunction::ButtonOff));
    }

    void labelsAndFrontLayout()
    {
        m_profile.buttons[2].Fun = 8;                       // not in the catalogue
        m_profile.buttons[3].Fun = ButtonFunction::ScrollUp; // wheel only
        m_profile.buttons[4].Fun = 57;
        m_profile.buttons[5].Fun = ButtonFunction::Macro;
        m_profile.buttons[5].macroname = QStringLiteral("burst");
        m_profile.buttons[6].Fun = ButtonFunction::Sniper;
        ZelBtnWindow page(&m_profile, nullptr);
        page.setFixedSize(332, 440);
        page.setScale(1.0);
        const QStringList expected = {"Left", "Right", "", "", "Profile +", "burst", "SNIPER"};
        for (int slot = 0; slot < 7; ++slot)
            QCOMPARE(page.buttonForSlot(slot)->text(), expected[slot]);
        QCOMPARE(page.buttonForSlot(40)->text(), QStringLiteral("Scroll Up"));

        // Functions with data show what was assigned, not the kind of function.
        m_profile.buttons[1].Fun = ButtonFunction::SingleKey;
        m_profile.buttons[1].Res1 = 0x3F; // F5
        m_profile.buttons[2].Fun = ButtonFunction::FireKey;
        m_profile.buttons[2].Res1 = 0x82; // the right button
        m_profile.buttons[2].LoopNumber = 3;
        m_profile.buttons[2].KeyNumber = 100;
        m_profile.buttons[3].Fun = ButtonFunction::FireKey;
        m_profile.buttons[3].Res1 = 0x0A; // the usage of G
        m_profile.buttons[3].LoopNumber = 255;
        m_profile.buttons[3].KeyNumber = 1;
        m_profile.buttons[6].Res1 = 6;
        page.refreshLabels();
        QCOMPARE(page.buttonForSlot(1)->text(), QStringLiteral("F5"));
        QCOMPARE(page.buttonForSlot(2)->text(), QStringLiteral("Fire Right \u00d73 / 100 ms"));
        QCOMPARE(page.buttonForSlot(3)->text(), QStringLiteral("Fire G \u00d7255 / 1 ms"));
        QCOMPARE(page.buttonForSlot(6)->text(), QStringLiteral("SNIPER %1 DPI").arg(dpiFromCode(6, readSensorModel())));

        // The sample product: seven numbered buttons, evenly spread, the wheel row under them.
        for (int slot = 0; slot < 7; ++slot) {
            ZelPushButton *button = page.buttonForSlot(slot);
            QCOMPARE(int(button->number()), slot + 1);
            QCOMPARE(button->geometry().size(), QSize(220, 30));
            QCOMPARE(button->x(), 56);
        }
        const double gap = (440 - 30 * 8) / 9.0;
        QCOMPARE(page.buttonForSlot(0)->y(), int(gap));
        QCOMPARE(page.buttonForSlot(6)->y(), int(gap + 6 * (gap + 30.0)));
        QVERIFY(page.buttonForSlot(40)->y() > page.buttonForSlot(6)->geometry().bottom());
        QVERIFY(page.buttonForSlot(40)->geometry().bottom() < 440);
        for (int slot = 7; slot < 20; ++slot)
            QVERIFY(page.buttonForSlot(slot)->geometry().isEmpty());

        page.show();
        QVERIFY(page.buttonForSlot(0)->isVisible() && page.buttonForSlot(40)->isVisible());
        QVERIFY(!page.buttonForSlot(20)->isVisible());
        page.showGroup(2, ZelBtnWindow::SideGroup);
        QVERIFY(page.buttonForSlot(20)->isVisible() && !page.buttonForSlot(0)->isVisible());
        QCOMPARE(page.buttonForSlot(22)->geometry(), QRect(29, 112, 150, 20));
    }

    void oneClickRuleRefusesAndSignals()
    {
        ZelBtnWindow page(&m_profile, nullptr);
        QSignalSpy refused(&page, &ZelBtnWindow::PopOneClickBox);
        QSignalSpy highlight(&page, &ZelBtnWindow::SelBtnControl);
        page.selectButton(0, ZelBtnWindow::FrontGroup);
        page.actionFor(ButtonFunction::Right)->trigger();
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttons[0].Fun, int(ButtonFunction::Left));
        QCOMPARE(page.buttonForSlot(0)->text(), QStringLiteral("Left"));
        QCOMPARE(highlight.count(), 2);
        QCOMPARE(highlight.at(0).at(1).toBool(), true);
        QCOMPARE(highlight.at(1).at(1).toBool(), false);
        QCOMPARE(page.currentIndex(), int(ZelBtnWindow::kNoIndex));

        page.selectButton(0, ZelBtnWindow::FrontGroup);
        page.takeEntry(ButtonFunction::Left);
        QCOMPARE(refused.count(), 1);
        // A second Left elsewhere (here the wheel) frees the first one.
        page.selectButton(1, ZelBtnWindow::WheelGroup);
        page.takeEntry(ButtonFunction::Left);
        QCOMPARE(m_profile.buttons[41].Fun, int(ButtonFunction::Left));
        page.selectButton(0, ZelBtnWindow::FrontGroup);
        page.takeEntry(43);
        QCOMPARE(m_profile.buttons[0].Fun, 43);
        QCOMPARE(page.buttonForSlot(0)->text(), QStringLiteral("Volume Up"));
        QCOMPARE(refused.count(), 1);
        // No current button: an entry changes nothing.
        const ProfileData before = m_profile;
        page.takeEntry(ButtonFunction::Back);
        for (int slot = 0; slot < kButtonSlotCount; ++slot)
            QCOMPARE(m_profile.buttons[slot].Fun, before.buttons[slot].Fun);
    }

    void macroEntriesWithoutMacrosOrOnTheLeftButton()
    {
        ZelBtnWindow page(&m_profile, nullptr);
        QSignalSpy macroTab(&page, &ZelBtnWindow::GotoMacroTab);
        page.selectButton(1, ZelBtnWindow::FrontGroup);
        page.takeEntry(ButtonFunction::Macro);
        QCOMPARE(macroTab.count(), 1);
        QCOMPARE(macroTab.at(0).at(0).toInt(), 3);
        QCOMPARE(m_profile.buttons[1].Fun, int(ButtonFunction::Right));

        // The left button never plays a gun file, whatever else holds Left.
        m_profile.buttons[2].Fun = ButtonFunction::Left;
        addMacroName(QStringLiteral("recoil"));
        QString shown;
        handleNextModal<ZelMessageBox>([&](ZelMessageBox *box) {
            shown = box->messageLabel()->text();
            box->yesButton()->click();
        });
        page.selectButton(0, ZelBtnWindow::FrontGroup);
        page.takeEntry(ButtonFunction::GunFile);
        QCOMPARE(shown, QStringLiteral("Left Button Can not be Gun Function."));
        QCOMPARE(m_profile.buttons[0].Fun, int(ButtonFunction::Left));
    }

    void macroAndKeyEntriesThroughTheirDialogs()
    {
        MacroFile longMacro;
        for (int i = 0; i < 80; ++i)
            longMacro.events.append({uint8_t(i % 2 ? kMacroKeyRelease : kMacroKeyPress), 0, 0x04});
        writeMacroFile(QStringLiteral("burst"), longMacro);
        addMacroName(QStringLiteral("burst"));
        ZelBtnWindow page(&m_profile, nullptr);

        QString title;
        handleNextModal<ZelMacroSelect>([&](ZelMacroSelect *dialog) {
            title = dialog->windowTitle();
            dialog->macroMenu()->actions().at(0)->trigger();
            dialog->modeToggle(1)->click();
            dialog->yesButton()->click();
        });
        page.selectButton(4, ZelBtnWindow::FrontGroup);
        page.takeEntry(ButtonFunction::Macro);
        QCOMPARE(title, QStringLiteral("MACRO SELECT"));
        const ButtonSlot &macro = m_profile.buttons[4];
        QCOMPARE(macro.Fun, int(ButtonFunction::Macro));
        QCOMPARE(macro.macroname, QStringLiteral("burst"));
        QCOMPARE(int(macro.Res1), 1);
        QCOMPARE(macro.KeyNumber, kKeyInfoCount);
        QCOMPARE(page.buttonForSlot(4)->text(), QStringLiteral("burst"));

        // Reopened, the dialog shows what the button holds; cancelling keeps it.
        int shownMode = -1;
        handleNextModal<ZelMacroSelect>([&](ZelMacroSelect *dialog) {
            shownMode = dialog->loopMode();
            dialog->noButton()->click();
        });
        page.selectButton(4, ZelBtnWindow::FrontGroup);
        page.takeEntry(ButtonFunction::Macro);
        QCOMPARE(shownMode, 1);
        QCOMPARE(page.buttonForSlot(4)->text(), QStringLiteral("burst"));

        handleNextModal<ZelSingleKeyWindow>([&](ZelSingleKeyWindow *dialog) {
            sendNativeKey(nullptr, QEvent::KeyPress, 96); // keypad Enter
            dialog->okButton()->click();
        });
        page.selectButton(2, ZelBtnWindow::FrontGroup);
        page.takeEntry(ButtonFunction::SingleKey);
        QCOMPARE(m_profile.buttons[2].Fun, int(ButtonFunction::SingleKey));
        QCOMPARE(int(m_profile.buttons[2].Res1), 229);

        handleNextModal<ZelComboKeyWindow>([&](ZelComboKeyWindow *dialog) {
            sendNativeKey(nullptr, QEvent::KeyPress, 97); // right Ctrl
            sendNativeKey(nullptr, QEvent::KeyPress, 46); // C
            dialog->okButton()->click();
        });
        page.selectButton(0, ZelBtnWindow::WheelGroup);
        page.takeEntry(ButtonFunction::ComboKey);
        const ButtonSlot &combo = m_profile.buttons[40];
        QCOMPARE(combo.Fun, int(ButtonFunction::ComboKey));
        QCOMPARE(int(combo.KeyInfo[0].map), 0xE0); // the left Ctrl's usage
        QCOMPARE(int(combo.KeyInfo[1].map), 0x06);
        QCOMPARE(int(combo.KeyInfo[4].map), 0);
        // Either Ctrl is stored as the left one: the label names the modifier, not its side.
        QCOMPARE(page.buttonForSlot(40)->text(), QStringLiteral("Ctrl + C"));
    }

private:
    std::unique_ptr<WindowAppDir> m_dir;
    ProfileData m_profile;
};

QTEST_MAIN(ButtonPageTest)
#include "button_page_test.moc"
