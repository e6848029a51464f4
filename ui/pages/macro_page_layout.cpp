#include "ui/pages/macro_page_layout.h"

namespace {

struct Place {
    MacroControl control;
    int x, y, width, height;
};

// Left: the macro list and the mouse actions; right: recording, the event table, its editing
// buttons, the delay and loop options and the selected row's properties.
constexpr Place kPlaces[] = {
    {MacroControl::NameLabel, 5, 4, 160, 18},
    {MacroControl::NameEdit, 5, 24, 160, 24},
    {MacroControl::MacroList, 5, 52, 160, 148},
    {MacroControl::New, 5, 204, 78, 24},
    {MacroControl::DeleteMacro, 87, 204, 78, 24},
    {MacroControl::ChangeName, 5, 232, 160, 24},
    {MacroControl::Import, 5, 260, 78, 24},
    {MacroControl::Export, 87, 260, 78, 24},
    {MacroControl::Batch, 5, 290, 78, 20},
    {MacroControl::GunSet, 87, 288, 78, 24},
    {MacroControl::ActionTree, 5, 318, 160, 145},

    {MacroControl::Start, 172, 4, 90, 26},
    {MacroControl::RecordAfter, 266, 4, 120, 26},
    {MacroControl::Save, 486, 4, 84, 26},
    {MacroControl::Cancel, 574, 4, 84, 26},
    {MacroControl::EventTable, 172, 34, 490, 250},

    {MacroControl::Edit, 172, 290, 77, 24},
    {MacroControl::DeleteEvent, 253, 290, 77, 24},
    {MacroControl::Top, 334, 290, 77, 24},
    {MacroControl::Bottom, 415, 290, 77, 24},
    {MacroControl::MoveUp, 496, 290, 77, 24},
    {MacroControl::MoveDown, 577, 290, 77, 24},
    {MacroControl::Clear, 172, 318, 72, 24},
    {MacroControl::Copy, 248, 318, 72, 24},
    {MacroControl::Cut, 324, 318, 92, 24},
    {MacroControl::Paste, 420, 318, 72, 24},
    {MacroControl::InsertDelay, 496, 318, 158, 24},

    {MacroControl::RecordDelays, 172, 350, 250, 20},
    {MacroControl::InsertDefaultDelay, 172, 372, 190, 20},
    {MacroControl::DefaultDelayEdit, 366, 372, 56, 20},
    {MacroControl::LoopTimes, 172, 398, 190, 20},
    {MacroControl::LoopTimeEdit, 366, 398, 56, 20},
    {MacroControl::LoopWhileHeld, 172, 420, 250, 20},
    {MacroControl::LoopUntilPressed, 172, 442, 250, 20},

    {MacroControl::PropertyTitle, 432, 350, 226, 20},
    {MacroControl::PropertyValue, 432, 372, 226, 20},
    {MacroControl::PropertyFieldLabel, 432, 398, 110, 20},
    {MacroControl::PropertyField, 546, 398, 70, 20},
};

static_assert(sizeof(kPlaces) / sizeof(kPlaces[0]) == kMacroControlCount, "every control has a place");

} // namespace

QRect macroControlRect(MacroControl control)
{
    for (const Place &p : kPlaces) {
        if (p.control == control)
            return QRect(p.x, p.y, p.width, p.height);
    }
    return QRect();
}
