// Tabs, pages, the picture of the mouse and the common click handler.

#include "ui/main/zizirazi_widget.h"
#include "ui/main/window_log.h"
#include "device/exchange_status.h"
#include "store/profile_library.h"

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/lighting_effects.h"
#include "store/profile_files.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/page_visibility.h"
#include "ui/pages/macro_dialog.h"
#include "ui/pages/zel_btn_window.h"
#include "ui/pages/zel_color_window.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/zel_point_speed.h"
#include "ui/pages/zel_pointer_speed_row.h"
#include "ui/pages/zel_report_rate.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace {

constexpr int kFrontGroup = 0;
constexpr int kSideGroup = 1;
constexpr int kWheelGroup = 2;

} // namespace

void ZiziraziWidget::showPage(int shownPage)
{
    if (shownPage < 0 || shownPage >= kTabCount)
        return;
    page = shownPage;
    for (ZelPushButton *tab : tabs)
        tab->setChecked(false);
    tabs[shownPage]->setChecked(true);
    setPageVisibility(shownPage);
}

void ZiziraziWidget::setPageVisibility(int shownPage)
{
    if (shownPage >= 0 && shownPage < kWindowPageCount)
        ensurePage(WindowPage(shownPage));
    auto show = [&](PagePart part, QWidget *widget) {
        if (widget)
            widget->setVisible(pagePartVisible(shownPage, part, frontView));
    };
    auto showAll = [&](PagePart part, const QVector<ZelPushButton *> &group) {
        for (ZelPushButton *hotspot : group)
            show(part, hotspot);
    };
    show(PagePart::LightingPage, colorWindow);
    show(PagePart::ModelLabel, controls[int(WindowControl::ModelLabel)]);
    show(PagePart::FrontPicture, frontPicture);
    show(PagePart::SidePicture, sidePicture);
    show(PagePart::FrontSideButtons, controls[int(WindowControl::FrontButton)]);
    show(PagePart::FrontSideButtons, controls[int(WindowControl::SideButton)]);
    showAll(PagePart::FrontHotspots, frontHotspots);
    showAll(PagePart::SideHotspots, sideHotspots);
    showAll(PagePart::WheelHotspots, wheelHotspots);
    show(PagePart::CustomizePage, btnScroll);
    show(PagePart::CustomizePage, btnWindow);
    show(PagePart::DpiPage, dpiWindow);
    show(PagePart::DpiPage, desktopPointerRow);
    show(PagePart::PointerPage, pointSpeedWindow);
    show(PagePart::RatePage, reportRateWindow);
    show(PagePart::MacroPage, macroDialog);
    showSidePicture();
}

void ZiziraziWidget::refreshPages()
{
    for (ZelPushButton *slotButton : slotButtons)
        slotButton->setChecked(false);
    slotButtons[activeSlot()]->setChecked(true);

    for (int tab = 0; tab < kWindowPageCount; ++tab)
        refreshPage(WindowPage(tab));
}

void ZiziraziWidget::refreshPage(WindowPage tab)
{
    if (!pageBuilt(tab))
        return;
    ProfileData &active = currentSettings.active();
    switch (tab) {
    case WindowPage::Lighting:
        colorWindow->setProfile(&currentSettings.profiles[lightingSlot(activeSlot(), readCurrentProductName())]);
        break;
    case WindowPage::Customize:
        btnWindow->setProfile(&active);
        btnWindow->showGroup(btnWindow->currentIndex(), btnWindow->currentGroup());
        break;
    case WindowPage::Dpi:
        pointSpeedWindow->refresh(&active, currentSettings.Sync, currentSettings.LiftHigh, currentSettings.AngleValue,
                                  currentSettings.Jitter, currentSettings.Debounce);
        reportRateWindow->refresh(active, currentSettings.LiftHigh);
        dpiWindow->refresh(active, readSensorModel());
        desktopPointerRow->refresh(&active);
        break;
    case WindowPage::Macro:
        break;
    }
}

void ZiziraziWidget::selectProfileSlot(int slot, bool reloadFromFile)
{
    if (slot < 0 || slot >= kSlotCount)
        return; // a slot the mouse cannot hold
    button(WindowControl::ProfileSelector)->setText(slotActions[slot]->text());
    currentSettings.ProfileID = uint8_t(slot);
    if (reloadFromFile) {
        // Without any file of its name there is nothing to go back to: the profile stays.
        if (!loadNamedProfile(currentSettings.profiles[slot], currentSettings.ProfileNames[slot]))
            qCDebug(lcWindow, "Profile \"%s\" has no file to reload.", qPrintable(currentSettings.ProfileNames[slot]));
    }
    nameEdit->setText(currentSettings.ProfileNames[slot]);
    // Stage changes reported by the mouse belong to the newly active slot's file.
    openActiveProfileFile();
    refreshPages();
    saveActiveProfileIndex(slot);
}

void ZiziraziWidget::onButtonPressed(ZelPushButton *pressed)
{
    for (int i = 0; i < kTabCount; ++i) {
        if (pressed == tabs[i]) {
            showPage(i);
            return;
        }
    }
    if (pressed == button(WindowControl::Firmware))
        handleFirmwareButton(false);
}

void ZiziraziWidget::onButtonClicked()
{
    QObject *from = sender();
    auto is = [&](WindowControl which) { return from == controls[int(which)]; };

    if (is(WindowControl::Close)) {
        closeWindow();
    } else if (is(WindowControl::Minimise)) {
        showMinimized();
    } else if (is(WindowControl::Firmware)) {
        handleFirmwareButton(true);
    } else if (is(WindowControl::LibraryMenu) || is(WindowControl::Add) || is(WindowControl::Delete)
               || is(WindowControl::Copy) || is(WindowControl::LoadConfig) || is(WindowControl::SaveConfig)
               || is(WindowControl::Export) || is(WindowControl::Import) || is(WindowControl::Reset)
               || is(WindowControl::ResetAll)) {
        for (int i = 0; i < kWindowControlCount; ++i) {
            if (from == controls[i])
                handleProfileButton(WindowControl(i));
        }
    } else if (is(WindowControl::Ok)) {
        writeWithProgress(false);
        hide();
    } else if (is(WindowControl::Cancel)) {
        handleProfileButton(WindowControl::Cancel);
    } else if (is(WindowControl::Apply)) {
        collectPages();
        stopStatusThread();
        writeWithProgress(false);
        // Not sent to the mouse: set on the desktop once the mouse took the profile.
        if (lastWriteStatus == ExchangeOk)
            applyDesktopPointerSpeed();
    } else if (is(WindowControl::FrontButton)) {
        frontView = true;
        ZelBtnWindow *buttons = customizePage();
        buttons->showGroup(buttons->currentIndex(), kFrontGroup);
        setPageVisibility(page);
    } else if (is(WindowControl::SideButton)) {
        frontView = false;
        ZelBtnWindow *buttons = customizePage();
        buttons->showGroup(buttons->currentIndex(), kSideGroup);
        setPageVisibility(page);
    } else {
        for (ZelPushButton *slotButton : slotButtons) {
            if (from == slotButton) {
                for (ZelPushButton *other : slotButtons)
                    other->setChecked(false);
                slotButton->setChecked(true);
                return;
            }
        }
        for (int i = 0; i < kTabCount; ++i) {
            if (from == tabs[i]) {
                showPage(i);
                return;
            }
        }
        const int front = frontHotspots.indexOf(static_cast<ZelPushButton *>(from));
        if (front >= 0) {
            selectedGroup = kFrontGroup;
            groupSelection[kFrontGroup] = front;
            customizePage()->selectButton(front, kFrontGroup);
            return;
        }
        const int wheel = wheelHotspots.indexOf(static_cast<ZelPushButton *>(from));
        if (wheel >= 0) {
            selectedGroup = kWheelGroup;
            groupSelection[kWheelGroup] = wheel;
            customizePage()->selectButton(wheel, kWheelGroup);
        }
    }
}

void ZiziraziWidget::SelBtnChanged(uchar index, uchar group)
{
    if (group > kWheelGroup)
        return;
    selectedGroup = group;
    groupSelection[group] = index;
    const QVector<ZelPushButton *> *groups[] = {&frontHotspots, &sideHotspots, &wheelHotspots};
    for (const auto *hotspots : groups) {
        for (ZelPushButton *hotspot : *hotspots)
            hotspot->setChecked(true);
    }
    // The selected hotspot is the one drawn unchecked.
    if (index < groups[group]->size())
        groups[group]->at(index)->setChecked(false);
}

void ZiziraziWidget::slotGotoMacro(uchar target)
{
    showPage(target);
}

void ZiziraziWidget::slotPopOneClickBox()
{
    showMessage(ZelMessageBox::Warning, QObject::tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void ZiziraziWidget::slotEnableButtons(bool enable)
{
    // The macro editor locks the rest of the window while it records.
    static constexpr WindowControl kLocked[] = {
        WindowControl::TabLighting, WindowControl::TabCustomize, WindowControl::TabDpi, WindowControl::TabMacro,
        WindowControl::Language,    WindowControl::Close,        WindowControl::Minimise, WindowControl::Firmware,
        WindowControl::ProfileSelector, WindowControl::Add,      WindowControl::Delete, WindowControl::Copy,
        WindowControl::Reset,       WindowControl::Import,       WindowControl::Export, WindowControl::ResetAll,
        WindowControl::Ok,          WindowControl::Cancel,       WindowControl::Apply,  WindowControl::NameEdit,
        WindowControl::LibraryMenu, WindowControl::MouseSelector, WindowControl::LoadConfig,
        WindowControl::SaveConfig,
    };
    for (WindowControl which : kLocked)
        controls[int(which)]->setEnabled(enable);
}

void ZiziraziWidget::slotLiftChange(uchar lift)
{
    currentSettings.LiftHigh = lift;
}

void ZiziraziWidget::slotRefreshLightMode(uchar mode)
{
    lightingPage()->setEffect(mode);
}

void ZiziraziWidget::slotMouseOver(ZelPushButton *pageButton, bool hovered)
{
    const int index = btnWindow ? btnWindow->indexOfButton(pageButton) : -1;
    if (index < 0)
        return;
    // Page slots 0..19 front, 20..39 side, 40 and 41 the wheel.
    const int firstSide = frontHotspots.size();
    const int firstWheel = firstSide + sideHotspots.size();
    if (index < firstSide)
        frontHotspots[index]->setChecked(!hovered);
    else if (index < firstWheel)
        sideHotspots[index - firstSide]->setChecked(!hovered);
    else if (index - firstWheel < wheelHotspots.size())
        wheelHotspots[index - firstWheel]->setChecked(!hovered);
    const QString folder = appPath(QStringLiteral("/skin/mouse/") + readCurrentProductName());
    // Only front buttons have a highlighted picture; the others keep the plain one.
    const QString highlighted = folder + QString::asprintf("/mouse_%d.png", index + 1);
    const bool showButton = hovered && index < firstSide && QFileInfo::exists(highlighted);
    const QPixmap picture(showButton ? highlighted : folder + QStringLiteral("/Mouse.png"));
    frontPicture->setPixmap(scaledPixmap(picture, scaledSize(kFrontPictureWidth, kFrontPictureHeight), Qt::KeepAspectRatio));
}
