#pragma once

// What each of the four tabs shows. The window applies the answer to its widgets.

enum class WindowPage { Lighting = 0, Customize = 1, Dpi = 2, Macro = 3 };
constexpr int kWindowPageCount = 4;

// Groups of widgets whose visibility depends on the tab.
enum class PagePart {
    LightingPage,
    ModelLabel,
    FrontPicture,
    SidePicture,
    FrontSideButtons,
    FrontHotspots,
    SideHotspots,
    WheelHotspots,
    CustomizePage, // the button page together with its scroll area
    DpiPage,
    PointerPage,
    RatePage,
    MacroPage,
};
constexpr int kPagePartCount = int(PagePart::MacroPage) + 1;

// Whether `part` is visible on tab `page` (0..3); on the customisation tab the mouse picture
// and its hotspots follow the front/side choice. False for a page outside 0..3.
bool pagePartVisible(int page, PagePart part, bool frontView);
