#pragma once
#include "store/macro_files.h"

#include <QString>
#include <QVector>

// Building, checking and describing macro events. One convention for files, the editor's
// table and gun files: bit 7 of the kind marks a press, for keys (0x84 / 0x04) and mouse
// buttons (0x81 / 0x01) alike. Events are loaded and saved byte for byte.

// The five mouse-button bits and the units the editor works in.
constexpr uint8_t kMacroButtonBits[] = {1, 2, 4, 8, 16};
constexpr int kMacroMaxDistance = 120;
constexpr int kMacroMaxDelayUnits = 0xFFFF;

enum class MacroDirection { Left, Right, Up, Down };

MacroEvent macroKeyEvent(int hidUsage, bool press);
MacroEvent macroButtonEvent(uint8_t buttonBit, bool press);
// A one-axis movement; `distance` is clamped to 1..120.
MacroEvent macroMoveEvent(MacroDirection direction, int distance);
// A delay of `units` units (clamped to 1..65535).
MacroEvent macroDelayUnitsEvent(int units);

bool isMacroPress(const MacroEvent &event);
bool isMacroButtonBit(uint8_t value);
int macroDelayUnits(const MacroEvent &event);
// The direction and distance of a movement row as the editor reads it: the horizontal step
// when the vertical byte is 0, otherwise the vertical one.
void macroMoveOf(const MacroEvent &event, MacroDirection *direction, int *distance);

// Every key and button pressed in `events` is released again, press for release (the
// editor's warning when recording stops with keys still held).
bool macroPressesReleased(const QVector<MacroEvent> &events);

// The row of the event that pairs with the key event at `row`: for a press the release of the
// same key that ends it, for a release the press it ends (nested presses of that key counted).
// -1 when the row is no key event or has no partner.
int macroKeyPartnerRow(const QVector<MacroEvent> &events, int row);

// The events as the editor keeps them: keys and delays unchanged, button events only with a
// known button bit, movements reduced to one axis; anything else is dropped.
QVector<MacroEvent> macroEventsForEditor(const QVector<MacroEvent> &events);

// Plain English words for one event: "press A", "release LEFT CLICK", "move left 5",
// "delay 50 ms" (delays in units of `minDelay` ms).
QString macroEventWords(const MacroEvent &event, int minDelay);
// The editor's untranslated labels: "LEFT CLICK" ... "BACKWARD" (nullptr for an unknown
// bit), "MOVE LEFT" ... "MOVE DOWN".
const char *macroButtonLabel(uint8_t buttonBit);
const char *macroDirectionLabel(MacroDirection direction);

// Gun files: a burst of 1..5 bullets, each a left click, an optional recoil movement and a
// delay counted in fixed 10 ms units.
constexpr int kGunMaxBullets = 5;
constexpr int kGunDelayUnitMs = 10;
constexpr int kGunMinDelay = 1;
constexpr int kGunMaxDelay = 999;
constexpr int kGunMaxOffset = 100;

struct GunBullet {
    int delayMs = 100;
    int y = 0; // positive moves down
    int x = 0; // positive moves right
};

// Per bullet: left press, left release, vertical move (if any), horizontal move (if any),
// delay.
QVector<MacroEvent> gunEvents(const QVector<GunBullet> &bullets);
// The whole file a gun set becomes.
MacroFile gunMacroFile(const QVector<MacroEvent> &events);
