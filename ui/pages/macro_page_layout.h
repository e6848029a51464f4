#pragma once
#include <QRect>

// The macro page's controls and their places, in design pixels inside the page (665 x 467 at
// scale 1; the page itself sits at 285, 90 in the main window).
enum class MacroControl {
    NameLabel, NameEdit, MacroList, New, DeleteMacro, ChangeName, Import, Export, Batch, GunSet, ActionTree,
    Start, RecordAfter, Save, Cancel, EventTable,
    Edit, DeleteEvent, Top, Bottom, MoveUp, MoveDown, Clear,
    Copy, Cut, Paste, InsertDelay,
    RecordDelays, InsertDefaultDelay, DefaultDelayEdit, LoopTimes, LoopTimeEdit, LoopWhileHeld, LoopUntilPressed,
    PropertyTitle, PropertyValue, PropertyFieldLabel, PropertyField,
};
constexpr int kMacroControlCount = int(MacroControl::PropertyField) + 1;

// The three loop toggles, for loop types 1, 2 and 3.
constexpr MacroControl kMacroLoopToggles[3] = {MacroControl::LoopTimes, MacroControl::LoopWhileHeld, MacroControl::LoopUntilPressed};

QRect macroControlRect(MacroControl control);
