#pragma once
#include <QString>
#include <QVector>

// What a button can do: every function code a ButtonSlot's Fun may hold, its English label,
// the menu that offers it and which slot fields it uses. Widget-free, so that the button page
// and the command-line tool show the same names.

// The menus of the button page. Main and Wheel are the two top-level menus; the others are
// submenus of the main menu, except ProfileMenu, which exists but is offered nowhere.
enum class FunctionMenu {
    None,
    Main,
    Wheel,
    Basic,
    Windows,
    Advance,
    Media,
    Dpi,
    PollingRate,
    ProfileMenu,
    MacroManager,
    GunFileManager,
};

// Which ButtonSlot fields a function carries besides Fun.
enum class FunctionData {
    None,
    KeyCode,      // Res1 = key code
    KeySequence,  // KeyInfo = pressed and released keys
    FireKey,      // Res1 = mouse button or HID usage, LoopNumber = times, KeyNumber = delay
    SniperValue,  // Res1 = sniper value
    MacroFile,    // macroname, LoopNumber, Res1 = loop mode, KeyNumber and KeyInfo = events
};

namespace ButtonFunction {
enum Code : int {
    Left = 1,
    Right = 2,
    Middle = 3,
    Forward = 4,
    Back = 5,
    SingleKey = 6,
    ComboKey = 7,
    FireKey = 12,
    ButtonOff = 16,
    ScrollUp = 52,
    ScrollDown = 53,
    LedSwitch = 54,
    Sniper = 55,
    Macro = 200,
    GunFile = 510,
};
}

struct FunctionCatalogueEntry {
    int code;
    const char *label;     // English; translate with functionCatalogueContext()
    FunctionMenu menu;     // where the entry sits (Main for the top-level entries)
    bool inWheelMenu;      // also offered on the wheel buttons
    FunctionData data;
};

// The translation context of the labels and menu titles.
const char *functionCatalogueContext();

// All entries, in code order.
const QVector<FunctionCatalogueEntry> &functionCatalogue();

// nullptr for a code the catalogue does not know (0, 8..11, 13..15, 56, 60, 61, ...).
const FunctionCatalogueEntry *findFunction(int code);

// The English label of a code; empty for an unknown code and for Macro and GunFile, whose
// label is the macro's name (see buttonFunctionText).
QString functionLabel(int code);

// What a button shows for its assignment: the macro name for Macro and GunFile, else the
// label; empty for an unknown code.
QString buttonFunctionText(int code, const QString &macroName);

// English title of a menu ("Basic", "Polling Rate", ...); empty for None, Main and Wheel.
QString functionMenuTitle(FunctionMenu menu);

// One entry of a menu: a function (code) or a submenu (code 0).
struct FunctionMenuItem {
    int code;
    FunctionMenu submenu;
};

// A menu's entries in order. The main menu holds the five mouse buttons, the submenus Basic,
// Windows, Advance, Media, DPI and Polling Rate, then Macro Manager (unless macros are
// disabled), Led Switch (unless lighting is disabled) and Button Off. Macro and GunFile stand
// for their manager entries. ProfileMenu lists its entries although no menu offers it.
QVector<FunctionMenuItem> functionMenuLayout(FunctionMenu menu, bool macroDisabled = false, bool ledDisabled = false);

// The entry whose English label is `label`, ignoring letter case; nullptr when none. Macro and
// GunFile have no label and are never found.
const FunctionCatalogueEntry *findFunctionLabelled(const QString &label);
