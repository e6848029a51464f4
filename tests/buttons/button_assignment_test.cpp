// The rules of one button's assignment: one click kept, combo keys nested in the order they
// are given, the fire key's Res1, macros copied into a slot of 63 events, sniper steps.

#include "store/button_assignment.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "../window/window_fixture.h"

#include <QtTest>

#include <memory>

namespace {

int usageOf(int keyCode)
{
    int usage = -1;
    keyCodeToHidUsage(keyCode, usage);
    return usage;
}

MacroFile macroOf(int events)
{
    MacroFile macro;
    for (int i = 0; i < events; ++i)
        macro.events.append({uint8_t(i % 2 ? kMacroKeyRelease : kMacroKeyPress), uint8_t(i), uint8_t(0x10 + i)});
    return macro;
}

} // namespace

class ButtonAssignmentTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<WindowAppDir>(); }
    void cleanup() { m_dir.reset(); }

    void oneClickIsKept()
    {
        ProfileData profile;
        profile.buttons[0].Fun = ButtonFunction::Left;
        profile.buttons[1].Fun = ButtonFunction::Right;
        QVERIFY(!keepsOneClick(profile, 0, ButtonFunction::Right));
        QVERIFY(!keepsOneClick(profile, 0, ButtonFunction::Macro));
        QVERIFY(keepsOneClick(profile, 0, ButtonFunction::Left));
        QVERIFY(keepsOneClick(profile, 1, ButtonFunction::ButtonOff));
        // Another Left anywhere, the wheel included, frees the first.
        profile.buttons[41].Fun = ButtonFunction::Left;
        QVERIFY(keepsOneClick(profile, 0, ButtonFunction::Right));
        QVERIFY(keepsOneClick(profile, 41, ButtonFunction::Right));
        profile.buttons[0].Fun = ButtonFunction::Back;
        QVERIFY(!keepsOneClick(profile, 41, ButtonFunction::Right));
    }

    void comboKeysNestInOrder()
    {
        // LShift, LCtrl, LWindows, LAlt, A: the order the button page inserts them in.
        const uint8_t keys[] = {0x2A, 0x1D, 0x5B, 0x38, 0x1E};
        for (int count = 1; count <= 5; ++count) {
            ButtonSlot slot;
            // Left-overs of an earlier assignment are cleared.
            for (KeyInfoEntry &e : slot.KeyInfo)
                e = {0x99, 0x99, 0x99};
            slot.KeyNumber = 7;
            setComboKeys(slot, keys, count);
            for (int k = 0; k < count; ++k) {
                const KeyInfoEntry &press = slot.KeyInfo[k];
                const KeyInfoEntry &release = slot.KeyInfo[2 * count - 1 - k];
                QCOMPARE(int(press.map), usageOf(keys[k]));
                QCOMPARE(int(press.code), 0x05);
                QCOMPARE(int(press.H), 0x80);
                QCOMPARE(int(release.map), usageOf(keys[k]));
                QCOMPARE(int(release.code), 0x05);
                QCOMPARE(int(release.H), 0x00);
            }
            for (int i = 2 * count; i < kKeyInfoCount; ++i)
                QVERIFY(slot.KeyInfo[i].map == 0 && slot.KeyInfo[i].code == 0 && slot.KeyInfo[i].H == 0);
            QCOMPARE(slot.KeyNumber, 7);
        }
        // Ctrl + C: the four events of the left Ctrl (usage 0xE0) around C (0x06).
        ButtonSlot slot;
        const uint8_t ctrlC[] = {0x1D, 0x2E};
        setComboKeys(slot, ctrlC, 2);
        const int expected[4][3] = {{0xE0, 5, 0x80}, {0x06, 5, 0x80}, {0x06, 5, 0}, {0xE0, 5, 0}};
        for (int i = 0; i < 4; ++i)
            QVERIFY(slot.KeyInfo[i].map == expected[i][0] && slot.KeyInfo[i].code == expected[i][1] && slot.KeyInfo[i].H == expected[i][2]);
    }

    void fireKeyRes1PerKind()
    {
        QCOMPARE(int(fireKeyRes1(0, 0x1E)), 0x81);
        QCOMPARE(int(fireKeyRes1(1, 0)), 0x82);
        QCOMPARE(int(fireKeyRes1(2, 0)), 0x84);
        QCOMPARE(int(fireKeyRes1(3, 0x1E)), 0x04);   // A
        QCOMPARE(int(fireKeyRes1(3, 0xE5)), 0x58);   // keypad Enter
        QCOMPARE(int(fireKeyRes1(3, 0xF1)), 0);      // a mouse button has no usage
    }

    void macroFilesFillAtMost63Events()
    {
        writeMacroFile(QStringLiteral("long"), macroOf(70));
        ButtonSlot slot;
        assignMacroFile(slot, ButtonFunction::Macro, QStringLiteral("long"), 9, 2);
        QCOMPARE(slot.Fun, int(ButtonFunction::Macro));
        QCOMPARE(slot.macroname, QStringLiteral("long"));
        QCOMPARE(slot.LoopNumber, 9);
        QCOMPARE(int(slot.Res1), 2);
        QCOMPARE(slot.KeyNumber, kKeyInfoCount);
        // Stored as map, DataL, DataH.
        for (int j : {0, 1, 62})
            QVERIFY(slot.KeyInfo[j].map == (j % 2 ? kMacroKeyRelease : kMacroKeyPress) && slot.KeyInfo[j].code == 0x10 + j
                    && slot.KeyInfo[j].H == j);

        writeMacroFile(QStringLiteral("short"), macroOf(3));
        assignMacroFile(slot, ButtonFunction::GunFile, QStringLiteral("short"), 1, 0);
        QCOMPARE(slot.KeyNumber, 3);
        QCOMPARE(int(slot.KeyInfo[2].code), 0x12);

        // A file that is not there: the name is kept, no events are claimed.
        assignMacroFile(slot, ButtonFunction::Macro, QStringLiteral("gone"), 1, 0);
        QCOMPARE(slot.macroname, QStringLiteral("gone"));
        QCOMPARE(slot.KeyNumber, 0);
    }

    void sniperStepsPerSensor()
    {
        QCOMPARE(validSniperStep(25, 3389), 6);
        QCOMPARE(validSniperStep(1, 3389), 6);
        QCOMPARE(validSniperStep(20, 3389), 20);
        QCOMPARE(validSniperStep(0, 3325), 3);
        QCOMPARE(validSniperStep(11, 3360), 3);
        QCOMPARE(validSniperStep(16, 3212), 16);
        QCOMPARE(validSniperStep(27, 3104), 14);
        QCOMPARE(validSniperStep(14, 3104), 14);
        // A sensor with DPI stages but no sniper table: its stage codes, from the middle.
        const SniperSteps wide = sniperSteps(3311);
        QVERIFY(wide.minimum == 1 && wide.maximum == 120 && wide.fallback == 60);
        QCOMPARE(validSniperStep(0, 3311), 60);
        QCOMPARE(validSniperStep(100, 3311), 100);
        // A sensor nobody knows.
        const SniperSteps unknown = sniperSteps(4242);
        QVERIFY(unknown.minimum == 1 && unknown.maximum == 10 && unknown.fallback == 5);
        // The stage codes follow the product's wide-range flag.
        QCOMPARE(sniperSteps(33252).maximum, 75);
        m_dir->setProductValue(QStringLiteral("PROFILE/33254"), 1);
        QCOMPARE(sniperSteps(33252).maximum, 90);
    }

private:
    std::unique_ptr<WindowAppDir> m_dir;
};

QTEST_MAIN(ButtonAssignmentTest)
#include "button_assignment_test.moc"
