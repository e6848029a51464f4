#pragma once
#include <QColor>
#include <QRect>

// The look of the program in one place: change a colour or a size here, rebuild, and every
// skin image follows. Sizes are those at scale 1 (the program stretches them).

namespace skin {

// Colours
const QColor kWindowBack(22, 23, 26);        // main window body
const QColor kWindowBackLight(38, 40, 45);   // top of the body gradient
const QColor kPanel(31, 33, 37);             // page and sidebar panels
const QColor kPanelEdge(58, 61, 68);         // 1 px panel borders
const QColor kControl(44, 46, 52);           // resting buttons
const QColor kControlLight(62, 65, 73);      // hovered buttons
const QColor kControlEdge(80, 84, 94);
const QColor kText(225, 225, 225);
const QColor kTextDim(140, 144, 152);
const QColor kAccent(255, 125, 0);           // matches "Config/GColorID" 6
const QColor kAccentDark(170, 78, 0);
const QColor kAccentGlow(255, 125, 0, 90);
const QColor kDanger(220, 60, 50);
const QColor kOk(70, 190, 90);
const QColor kMouseBody(48, 50, 56);
const QColor kMouseBodyLight(78, 82, 92);
const QColor kMouseLine(16, 17, 19);

// Main window (999 x 640) regions
const QSize kMainSize(999, 640);
const QRect kBody(40, 8, 950, 626);          // opaque: the window's shape
const int kBodyRadius = 18;
const QRect kHeader(40, 8, 950, 70);
const QRect kSidebar(58, 82, 210, 478);
const QRect kContent(280, 82, 700, 478);
const QRect kFooter(58, 572, 922, 56);

// Controls
const QSize kWindowButton(19, 19);           // close, minimise
const QSize kTabButton(154, 30);             // every text button (stretched)
const QSize kLangButton(105, 20);
const QSize kRateButton(150, 30);
const QSize kProfileSelector(150, 30);
const QSize kHotspot(20, 20);
const QSize kWheelHotspot(20, 20);
const QSize kCheckBox(16, 16);
const QSize kToggle(18, 18);
const QSize kBattery(86, 47);
const QSize kLightning(26, 40);
const QSize kDongle(48, 48);
const QSize kMessageIcon(90, 90);            // shown at 45 x scale
const QSize kDialog(478, 309);
const QSize kGunDialog(619, 400);
const QSize kBullet(9, 39);
const QSize kGunSlider(240, 10);
const QSize kSpeedGroove(200, 8);
const QSize kListIcon(32, 32);
const QSize kProcess(128, 128);
const QSize kLogo(200, 50);
const QSize kMouseFront(300, 400);
const QSize kMouseSide(300, 300);
const QSize kResourceButtonIcon(60, 60);     // ":/yes_Btn", ":/no_Btn", shown at 30 x scale
const int kIcoSize = 64;
const int kLoadingFrames = 12;

} // namespace skin
