#pragma once
#include <QString>
#include <QVector>
#include <cstdint>

struct ButtonSlot;
struct DeviceSettings;
struct ProfileData;

// Edits of one button's assignment, as the button page makes them. Widget-free, so that the
// rules hold for every caller.

// A change of `slotIndex` to function `newFun` keeps at least one "Left" button: false when the
// slot holds the only Left and the new function is not Left.
bool keepsOneClick(const ProfileData &profile, int slotIndex, int newFun);

// A combo key: the keys pressed in order and released in reverse, each as a (HID usage, 0x05,
// press 0x80 / release 0x00) event. Clears KeyInfo first; at most five keys; a key code without
// a HID usage is stored as usage 0. Fun and KeyNumber are left alone.
void setComboKeys(ButtonSlot &slot, const uint8_t *keyCodes, int count);

// The fire key's Res1 for the dialog's kind (0 left, 1 right, 2 middle button, 3 keyboard key)
// and, for a keyboard key, its key code (0 when the key has no HID usage).
uint8_t fireKeyRes1(int kind, int keyCode);

// Assigns a macro or gun file (Fun 200 or 510) with its loop count and mode and copies the
// macro file's events into KeyInfo. A slot holds 63 events: a longer macro is cut there and
// KeyNumber is the number copied, so the mouse is never told of events it was not given.
// An unreadable file gives no events.
void assignMacroFile(ButtonSlot &slot, int fun, const QString &name, int loopCount, int loopMode);

// A button of one of the five slots that runs a macro or gun file.
struct MacroUse {
    int profile; // slot 0..4
    int slot;    // button slot 0..41
};
// Every button of the five slots that runs `name`, in slot and button order.
QVector<MacroUse> macroUses(const DeviceSettings &settings, const QString &name);
// Those buttons get their factory function back (a deleted macro would be sent empty).
void releaseMacro(DeviceSettings &settings, const QString &name);

// The sniper step range of a sensor and the step an out-of-range value falls back to.
struct SniperSteps {
    int minimum;
    int maximum;
    int fallback;
};
SniperSteps sniperSteps(int sensorModel);
// `step` if the sensor accepts it, else the sensor's fallback.
int validSniperStep(int step, int sensorModel);

// The slots of the buttons the button page numbers 1, 2, ...: the product's first
// productButtonCount() slots, without the positions its page matrix hides.
QVector<int> numberedButtonSlots();

// The key codes of a combo in the order the combo dialog stores them: Shift, Ctrl, Win, Alt
// (each as its left key, whichever side was given), then the one other key. False, with
// `problem` set to one sentence, for a repeated modifier, a second plain key, no plain key and
// no modifier, or a key without a keyboard usage.
bool comboKeyOrder(const QVector<int> &keyCodes, QVector<uint8_t> *ordered, QString *problem);
