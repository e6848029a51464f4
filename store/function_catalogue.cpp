#include "store/function_catalogue.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>

namespace {

constexpr const char kContext[] = "ButtonFunction";

using M = FunctionMenu;
using D = FunctionData;

// code, label, menu, also on the wheel, data.
const QVector<FunctionCatalogueEntry> kCatalogue = {
    {1, QT_TRANSLATE_NOOP("ButtonFunction", "Left"), M::Main, true, D::None},
    {2, QT_TRANSLATE_NOOP("ButtonFunction", "Right"), M::Main, true, D::None},
    {3, QT_TRANSLATE_NOOP("ButtonFunction", "Middle"), M::Main, true, D::None},
    {4, QT_TRANSLATE_NOOP("ButtonFunction", "Forward"), M::Main, true, D::None},
    {5, QT_TRANSLATE_NOOP("ButtonFunction", "Back"), M::Main, true, D::None},
    {6, QT_TRANSLATE_NOOP("ButtonFunction", "SINGLE KEY"), M::Advance, true, D::KeyCode},
    {7, QT_TRANSLATE_NOOP("ButtonFunction", "COMBO KEY"), M::Advance, true, D::KeySequence},
    {12, QT_TRANSLATE_NOOP("ButtonFunction", "FIRE KEY"), M::Advance, false, D::FireKey},
    {16, QT_TRANSLATE_NOOP("ButtonFunction", "Button Off"), M::Main, false, D::None},
    {17, QT_TRANSLATE_NOOP("ButtonFunction", "Cut"), M::Basic, false, D::None},
    {18, QT_TRANSLATE_NOOP("ButtonFunction", "Copy"), M::Basic, false, D::None},
    {19, QT_TRANSLATE_NOOP("ButtonFunction", "Paste"), M::Basic, false, D::None},
    {20, QT_TRANSLATE_NOOP("ButtonFunction", "All"), M::Basic, false, D::None},
    {21, QT_TRANSLATE_NOOP("ButtonFunction", "Find"), M::Basic, false, D::None},
    {22, QT_TRANSLATE_NOOP("ButtonFunction", "New"), M::Basic, false, D::None},
    {23, QT_TRANSLATE_NOOP("ButtonFunction", "Print"), M::Basic, false, D::None},
    {24, QT_TRANSLATE_NOOP("ButtonFunction", "Save"), M::Basic, false, D::None},
    {25, QT_TRANSLATE_NOOP("ButtonFunction", "Switch Window"), M::Windows, false, D::None},
    {26, QT_TRANSLATE_NOOP("ButtonFunction", "Close Window"), M::Windows, false, D::None},
    {27, QT_TRANSLATE_NOOP("ButtonFunction", "My Computer"), M::Windows, false, D::None},
    {28, QT_TRANSLATE_NOOP("ButtonFunction", "Run"), M::Windows, false, D::None},
    {29, QT_TRANSLATE_NOOP("ButtonFunction", "Show Desktop"), M::Windows, false, D::None},
    {30, QT_TRANSLATE_NOOP("ButtonFunction", "Lock PC"), M::Windows, false, D::None},
    {31, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Home"), M::Windows, false, D::None},
    {32, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Backward"), M::Windows, false, D::None},
    {33, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Forward"), M::Windows, false, D::None},
    {34, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Stop"), M::Windows, false, D::None},
    {35, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Refresh"), M::Windows, false, D::None},
    {36, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Search"), M::Windows, false, D::None},
    {37, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Favorite"), M::Windows, false, D::None},
    {38, QT_TRANSLATE_NOOP("ButtonFunction", "Mail"), M::Windows, false, D::None},
    {39, QT_TRANSLATE_NOOP("ButtonFunction", "Play/Pause"), M::Media, false, D::None},
    {40, QT_TRANSLATE_NOOP("ButtonFunction", "Stop"), M::Media, false, D::None},
    {41, QT_TRANSLATE_NOOP("ButtonFunction", "Previous Track"), M::Media, false, D::None},
    {42, QT_TRANSLATE_NOOP("ButtonFunction", "Next Track"), M::Media, false, D::None},
    {43, QT_TRANSLATE_NOOP("ButtonFunction", "Volume Up"), M::Media, true, D::None},
    {44, QT_TRANSLATE_NOOP("ButtonFunction", "Volume Down"), M::Media, true, D::None},
    {45, QT_TRANSLATE_NOOP("ButtonFunction", "Mute"), M::Media, false, D::None},
    {46, QT_TRANSLATE_NOOP("ButtonFunction", "Media Player"), M::Media, false, D::None},
    {47, QT_TRANSLATE_NOOP("ButtonFunction", "DPI Switch"), M::Dpi, false, D::None},
    {48, QT_TRANSLATE_NOOP("ButtonFunction", "DPI +"), M::Dpi, false, D::None},
    {49, QT_TRANSLATE_NOOP("ButtonFunction", "DPI -"), M::Dpi, false, D::None},
    {50, QT_TRANSLATE_NOOP("ButtonFunction", "Rate +"), M::PollingRate, false, D::None},
    {51, QT_TRANSLATE_NOOP("ButtonFunction", "Rate -"), M::PollingRate, false, D::None},
    {52, QT_TRANSLATE_NOOP("ButtonFunction", "Scroll Up"), M::Wheel, true, D::None},
    {53, QT_TRANSLATE_NOOP("ButtonFunction", "Scroll Down"), M::Wheel, true, D::None},
    {54, QT_TRANSLATE_NOOP("ButtonFunction", "Led Switch"), M::Main, false, D::None},
    {55, QT_TRANSLATE_NOOP("ButtonFunction", "SNIPER"), M::None, false, D::SniperValue},
    {57, QT_TRANSLATE_NOOP("ButtonFunction", "Profile +"), M::ProfileMenu, false, D::None},
    {58, QT_TRANSLATE_NOOP("ButtonFunction", "Profile -"), M::ProfileMenu, false, D::None},
    {59, QT_TRANSLATE_NOOP("ButtonFunction", "Profile Switch"), M::ProfileMenu, false, D::None},
    {62, QT_TRANSLATE_NOOP("ButtonFunction", "Boss Key"), M::Windows, false, D::None},
    {63, QT_TRANSLATE_NOOP("ButtonFunction", "Rate Switch"), M::PollingRate, false, D::None},
    // The label of these two is the macro's or gun file's name.
    {200, "", M::MacroManager, false, D::MacroFile},
    {510, "", M::GunFileManager, false, D::MacroFile},
};

struct MenuTitle {
    FunctionMenu menu;
    const char *title;
};

const MenuTitle kMenuTitles[] = {
    {M::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Basic")},
    {M::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Windows")},
    {M::Advance, QT_TRANSLATE_NOOP("ButtonFunction", "Advance")},
    {M::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Media")},
    {M::Dpi, QT_TRANSLATE_NOOP("ButtonFunction", "DPI")},
    {M::PollingRate, QT_TRANSLATE_NOOP("ButtonFunction", "Polling Rate")},
    {M::ProfileMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Profile Menu")},
    {M::MacroManager, QT_TRANSLATE_NOOP("ButtonFunction", "Macro Manager")},
    {M::GunFileManager, QT_TRANSLATE_NOOP("ButtonFunction", "GunFile Manager")},
};

// Menus whose order is not code order.
const QVector<int> kWheelMenu = {52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7};
const QVector<int> kWindowsMenu = {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 62};
const QVector<int> kPollingRateMenu = {63, 50, 51};
const QVector<int> kProfileMenu = {59, 57, 58};

QVector<FunctionMenuItem> codesOf(const QVector<int> &codes)
{
    QVector<FunctionMenuItem> items;
    for (int code : codes)
        items.append({code, M::None});
    return items;
}

// Submenus whose entries are listed in code order.
QVector<FunctionMenuItem> inCodeOrder(FunctionMenu menu)
{
    QVector<FunctionMenuItem> items;
    for (const FunctionCatalogueEntry &entry : kCatalogue) {
        if (entry.menu == menu)
            items.append({entry.code, M::None});
    }
    return items;
}

} // namespace

const char *functionCatalogueContext()
{
    return kContext;
}

const QVector<FunctionCatalogueEntry> &functionCatalogue()
{
    return kCatalogue;
}

const FunctionCatalogueEntry *findFunction(int code)
{
    const auto it = std::find_if(kCatalogue.cbegin(), kCatalogue.cend(),
                                 [code](const FunctionCatalogueEntry &entry) { return entry.code == code; });
    return it == kCatalogue.cend() ? nullptr : &*it;
}

QString functionLabel(int code)
{
    const FunctionCatalogueEntry *entry = findFunction(code);
    return entry ? QString::fromLatin1(entry->label) : QString();
}

QString buttonFunctionText(int code, const QString &macroName)
{
    const FunctionCatalogueEntry *entry = findFunction(code);
    if (entry && entry->data == FunctionData::MacroFile)
        return macroName;
    return functionLabel(code);
}

QString functionMenuTitle(FunctionMenu menu)
{
    for (const MenuTitle &title : kMenuTitles) {
        if (title.menu == menu)
            return QString::fromLatin1(title.title);
    }
    return QString();
}

QVector<FunctionMenuItem> functionMenuLayout(FunctionMenu menu, bool macroDisabled, bool ledDisabled)
{
    switch (menu) {
    case M::Main: {
        QVector<FunctionMenuItem> items = codesOf({1, 2, 3, 4, 5});
        for (FunctionMenu sub : {M::Basic, M::Windows, M::Advance, M::Media, M::Dpi, M::PollingRate})
            items.append({0, sub});
        if (!macroDisabled)
            items.append({ButtonFunction::Macro, M::None});
        if (!ledDisabled)
            items.append({ButtonFunction::LedSwitch, M::None});
        items.append({ButtonFunction::ButtonOff, M::None});
        return items;
    }
    case M::Wheel:
        return codesOf(kWheelMenu);
    case M::Windows:
        return codesOf(kWindowsMenu);
    case M::PollingRate:
        return codesOf(kPollingRateMenu);
    case M::ProfileMenu:
        return codesOf(kProfileMenu);
    case M::Basic:
    case M::Advance:
    case M::Media:
    case M::Dpi:
        return inCodeOrder(menu);
    case M::MacroManager:
        return codesOf({ButtonFunction::Macro});
    case M::GunFileManager:
        return codesOf({ButtonFunction::GunFile});
    case M::None:
        break;
    }
    return {};
}

const FunctionCatalogueEntry *findFunctionLabelled(const QString &label)
{
    if (label.isEmpty())
        return nullptr;
    for (const FunctionCatalogueEntry &entry : kCatalogue) {
        if (label.compare(QLatin1String(entry.label), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}
