#pragma once
#include <QRect>
#include <QSize>
#include <QStringList>

// Every control and page of the main window with its images and its place at scale 1.

// The library panel fills the left column under the tabs (LibraryMenu .. Programs).
enum class WindowControl {
    Close,
    Minimise,
    MouseSelector,
    Language,
    TabLighting,
    TabCustomize,
    TabDpi,
    TabMacro,
    ResetAll,
    Apply,
    LoadConfig,
    SaveConfig,
    Ok,
    Cancel,
    NameEdit,
    NameLabel,
    LibraryMenu,
    Add,
    Delete,
    Copy,
    Reset,
    Import,
    Export,
    Programs,     // the library panel's last row, created hidden: which profile for which program
    ProfileSelector,
    Slot1,
    Slot2,
    Slot3,
    Slot4,
    Slot5,
    Firmware,
    VersionLabel,
    ModelLabel,
    BatteryBar,
    ChargingIcon,
    ReceiverIcon,
    Logo,
    FrontPicture,
    SidePicture,
    FrontButton,
    SideButton,
    Hotspot,      // every front, side and wheel hotspot of the mouse picture
    CustomizeScroll,
    DpiPage,
    PointerPage,
    RatePage,
    MacroPage,
    LightingPage,
};
constexpr int kWindowControlCount = int(WindowControl::LightingPage) + 1;

constexpr int kFrontHotspotCount = 20;
constexpr int kSideHotspotCount = 20;
constexpr int kWheelHotspotCount = 2;
constexpr int kSlotCount = 5;
constexpr int kTabCount = 4;

// Tabs whose product has no such function are laid out with zero size.
struct LayoutOptions {
    bool macroDisabled = false;
    bool lightingDisabled = false;
};

// The control's geometry at the given scale factor (each of x, y, width, height multiplied
// and truncated). Controls that exist but are not part of this layout get an empty rect.
QRect controlGeometry(WindowControl control, double factor, const LayoutOptions &options = {});

// Tab i (0 LIGHTING .. 3 MACRO).
WindowControl tabControl(int page);
// Slot button 0..4.
WindowControl slotControl(int slot);

// Normal, hover and pressed images of a button, relative to the application directory;
// empty for controls that are not buttons.
QStringList controlImages(WindowControl control);
// The hotspots on the picture of the mouse.
QStringList hotspotImages();

// The button page inside its scroll area: nine buttons fit, each further one adds a row.
QSize customizePageSize(int buttonCount, double factor);

// Picture sizes at scale 1.
constexpr int kFrontPictureWidth = 300;
constexpr int kFrontPictureHeight = 400;
constexpr int kSidePictureSize = 300;
