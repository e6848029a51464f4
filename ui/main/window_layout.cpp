#include "ui/main/window_layout.h"

#include "ui/kit/ui_scale.h"

#include <iterator>

namespace {

enum class Images { None, Close, Minimise, Tab, Language, LibraryMenu, ProfileSelector };

struct ControlSpec {
    WindowControl control;
    Images images;
    QRect design; // empty: the control exists with zero size
};

// Geometry at scale 1 as x, y, width, height. The tabs are the rows at y = 90 + 34 i.
const ControlSpec kControls[] = {
    {WindowControl::Close, Images::Close, {924, 33, 19, 19}},
    {WindowControl::Minimise, Images::Minimise, {903, 33, 19, 19}},
    {WindowControl::MouseSelector, Images::Tab, {670, 33, 100, 20}},
    {WindowControl::Language, Images::Language, {774, 33, 105, 20}},
    {WindowControl::TabLighting, Images::Tab, {69, 90, 154, 29}},
    {WindowControl::TabCustomize, Images::Tab, {69, 124, 154, 29}},
    {WindowControl::TabDpi, Images::Tab, {69, 158, 154, 29}},
    {WindowControl::TabMacro, Images::Tab, {69, 192, 154, 29}},
    {WindowControl::ResetAll, Images::Tab, {308, 588, 128, 30}},
    {WindowControl::Apply, Images::Tab, {597, 588, 76, 30}},
    {WindowControl::LoadConfig, Images::Tab, {439, 588, 76, 30}},
    {WindowControl::SaveConfig, Images::Tab, {518, 588, 76, 30}},
    {WindowControl::Ok, Images::Tab, {}},
    {WindowControl::Cancel, Images::Tab, {}},
    // The library panel, in the left column under the tabs: the profile in the slot (it opens
    // the library), its name, the library's buttons, and one spare row for the programs dialog.
    {WindowControl::NameEdit, Images::None, {69, 284, 154, 24}},
    {WindowControl::NameLabel, Images::None, {69, 266, 154, 17}},
    {WindowControl::LibraryMenu, Images::LibraryMenu, {69, 232, 154, 29}},
    {WindowControl::Add, Images::Tab, {69, 315, 154, 27}},
    {WindowControl::Delete, Images::Tab, {69, 375, 154, 27}},
    {WindowControl::Copy, Images::Tab, {69, 345, 154, 27}},
    {WindowControl::Reset, Images::Tab, {69, 405, 154, 27}},
    {WindowControl::Import, Images::Tab, {69, 441, 154, 27}},
    {WindowControl::Export, Images::Tab, {69, 471, 154, 27}},
    {WindowControl::Programs, Images::Tab, {69, 507, 154, 27}},
    {WindowControl::ProfileSelector, Images::ProfileSelector, {}},
    {WindowControl::Slot1, Images::Tab, {}},
    {WindowControl::Slot2, Images::Tab, {}},
    {WindowControl::Slot3, Images::Tab, {}},
    {WindowControl::Slot4, Images::Tab, {}},
    {WindowControl::Slot5, Images::Tab, {}},
    {WindowControl::Firmware, Images::Tab, {}},
    {WindowControl::VersionLabel, Images::None, {757, 594, 190, 20}},
    {WindowControl::ModelLabel, Images::None, {637, 515, 300, 20}},
    {WindowControl::BatteryBar, Images::None, {75, 587, 71, 34}},
    {WindowControl::ChargingIcon, Images::None, {174, 584, 26, 40}},
    {WindowControl::ReceiverIcon, Images::None, {174, 581, 48, 48}},
    {WindowControl::Logo, Images::None, {69, 20, 200, 50}},
    {WindowControl::FrontPicture, Images::None, {637, 99, 300, 400}},
    {WindowControl::SidePicture, Images::None, {637, 99, 316, 443}},
    {WindowControl::FrontButton, Images::Tab, {}},
    {WindowControl::SideButton, Images::Tab, {}},
    {WindowControl::Hotspot, Images::None, {}},
    {WindowControl::CustomizeScroll, Images::None, {285, 90, 332, 442}},
    {WindowControl::DpiPage, Images::None, {285, 90, 456, 460}},
    {WindowControl::PointerPage, Images::None, {746, 185, 229, 366}},
    {WindowControl::RatePage, Images::None, {746, 90, 229, 90}},
    {WindowControl::MacroPage, Images::None, {285, 90, 665, 467}},
    {WindowControl::LightingPage, Images::None, {285, 90, 351, 440}},
};

static_assert(std::size(kControls) == kWindowControlCount, "one row per control");

const ControlSpec &specOf(WindowControl control)
{
    for (const ControlSpec &spec : kControls) {
        if (spec.control == control)
            return spec;
    }
    return kControls[0];
}

} // namespace

QRect controlGeometry(WindowControl control, double factor, const LayoutOptions &options)
{
    if ((control == WindowControl::TabMacro && options.macroDisabled)
        || (control == WindowControl::TabLighting && options.lightingDisabled))
        return QRect(0, 0, 0, 0);
    const QRect design = specOf(control).design;
    if (design.isEmpty())
        return QRect(0, 0, 0, 0);
    return QRect(scaled(design.x(), factor), scaled(design.y(), factor), scaled(design.width(), factor),
                 scaled(design.height(), factor));
}

WindowControl tabControl(int page)
{
    static constexpr WindowControl kTabs[] = {WindowControl::TabLighting, WindowControl::TabCustomize,
                                              WindowControl::TabDpi, WindowControl::TabMacro};
    return kTabs[page < 0 || page > 3 ? 0 : page];
}

WindowControl slotControl(int slot)
{
    static constexpr WindowControl kSlots[kSlotCount] = {WindowControl::Slot1, WindowControl::Slot2,
                                                         WindowControl::Slot3, WindowControl::Slot4,
                                                         WindowControl::Slot5};
    return kSlots[slot < 0 || slot >= kSlotCount ? 0 : slot];
}

QStringList controlImages(WindowControl control)
{
    switch (specOf(control).images) {
    case Images::Close:
        return {"/skin/close-1.png", "/skin/close-2.png", "/skin/close-3.png"};
    case Images::Minimise:
        return {"/skin/min-1.png", "/skin/min-2.png", "/skin/min-3.png"};
    case Images::Tab:
        return {"/skin/tabbutton-1.png", "/skin/tabbutton-3.png", "/skin/tabbutton-2.png"};
    case Images::Language:
        return {"/skin/lang.png", "/skin/lang.png", "/skin/lang.png"};
    case Images::LibraryMenu:
        return {"/skin/profilelib-1.png", "/skin/profilelib-3.png", "/skin/profilelib-2.png"};
    case Images::ProfileSelector:
        return {"/skin/profilesel.png"};
    case Images::None:
        break;
    }
    return {};
}

QStringList hotspotImages()
{
    return {"/skin/btn_2.png", "/skin/btn_1.png", "/skin/btn_1.png"};
}

QSize customizePageSize(int buttonCount, double factor)
{
    const int height = buttonCount <= 9 ? 440 : 50 * buttonCount + 20;
    return QSize(scaled(332, factor), scaled(height, factor));
}
