// What the mouse reports: link, battery, active stage and report rate.

#include "ui/main/zizirazi_widget.h"
#include "ui/main/window_log.h"

#include "device/device_link.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/profile_files.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_processbar.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/battery_report.h"
#include "ui/main/link_display.h"
#include "ui/main/status_texts.h"
#include "ui/pages/zel_dpi_window.h"
#include "store/report_rates.h"
#include "ui/pages/zel_report_rate.h"

#include <QTimer>
#include <QMenu>
#include <QSettings>

namespace {

// The cable's vendor interface is present.
bool cableLinkPresent()
{
    return deviceModelTable().count > 0 && deviceModelTable().records[0].connection(kCableConnection).foundVendor != 0;
}

bool receiverLinkPresent()
{
    return deviceModelTable().count > 0 && deviceModelTable().records[0].connection(kReceiverConnection).foundVendor != 0;
}

} // namespace

void ZiziraziWidget::updateLinkDisplay()
{
    const LinkDisplay display = linkDisplayFor(cableLinkPresent(), receiverLinkPresent(), charging);
    const bool frameChanged = display.linkState != linkState;
    linkState = display.linkState;
    controls[int(WindowControl::ReceiverIcon)]->setVisible(display.receiverIcon);
    batteryBarWidget->setVisible(display.batteryBar);
    controls[int(WindowControl::ChargingIcon)]->hide();
    // Every battery report comes here; only the battery's frame is painted from the link.
    if (frameChanged)
        update(batteryFrameRect());
}

int ZiziraziWidget::batteryFontPixels(const QString &text) const
{
    return batteryTextPixels(text, configuredFont().family(), controlGeometry(WindowControl::BatteryBar, scaleFactor).width(),
                             scaleFactor);
}

void ZiziraziWidget::showMouseOff()
{
    showGreyBattery(QObject::tr("MOUSE OFF"));
}

void ZiziraziWidget::showBatteryUnknown()
{
    // The last level is history once the receiver is gone; the next report brings a new one.
    showGreyBattery(QStringLiteral("--"));
    controls[int(WindowControl::ChargingIcon)]->hide();
    lastBatteryLevel = -1;
    mouseOff = false;
}

void ZiziraziWidget::showGreyBattery(const QString &text)
{
    batteryBarWidget->setFormat(text);
    batteryBarWidget->setTextVisible(false);
    batteryBarWidget->setCaption(text);
    setStyleSheetIfChanged(batteryBarWidget, batteryBarStyle(true, currentAccentColor(), batteryFontPixels(text)));
}

void ZiziraziWidget::slotRefreshBatteryStatus(uchar chargingNow, uchar level, uchar)
{
    const BatteryBarView view = batteryBarView(level, cableLinkPresent());
    if (view.mouseOff) {
        // The link display stays as it was: the mouse is off, not gone.
        showMouseOff();
        controls[int(WindowControl::ChargingIcon)]->hide();
        mouseOff = true;
        return;
    }
    batteryBarWidget->setCaption(QString());
    batteryBarWidget->setTextVisible(true);
    batteryBarWidget->setFormat(view.percentText ? QStringLiteral("%p%") : QString());
    mouseOff = false;
    // Each battery report comes here: restyling an unchanged bar would repaint it for nothing.
    setStyleSheetIfChanged(batteryBarWidget,
        batteryBarStyle(false, currentAccentColor(), batteryFontPixels(QStringLiteral("100%")), view.low));
    charging = chargingNow != 0;
    if (level != lastBatteryLevel) {
        lastBatteryLevel = level;
        // A synced save, which the constructor's first report would make before the window
        // is shown: on the next turn of the event loop instead, in the order they came.
        QTimer::singleShot(0, this, [level] { writeBatteryLevel(level); });
    }
    batteryBarWidget->setValue(view.value);
    updateLinkDisplay();
}

void ZiziraziWidget::slotRefreshStatus(uchar profile, uchar dpiStage, uchar rate, uchar mode)
{
    qCDebug(lcWindow, "Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", profile, dpiStage, rate, mode);
    // Reports still queued from before a write, or from the poller the write starts at its
    // end, arrive while the writer copies the settings. The next poll reports them again.
    if (writeInProgress)
        return;
    if (profile != currentSettings.ProfileID && profile < kSlotCount) {
        // The slot was chosen on the mouse.
        selectProfileSlot(profile, false);
        rebuildLibraryMenu();
        applyDesktopPointerSpeed();
        notifyOsd(QObject::tr("Profile") + QString::asprintf(" %d", profile + 1));
    }
    const ProfileData &active = currentSettings.active();
    // A report of what the mouse was last given is no change made on the mouse: a stage or
    // rate set in the window since (a library profile put into the slot) waits for Apply.
    const ProfileData &onMouse = appliedSettings.profiles[currentSettings.activeIndex()];
    if (dpiStage != active.dpi && dpiStage != onMouse.dpi)
        slotRefreshDPIStage(dpiStage);
    // A code that is no report rate (a mouse not yet configured says 0) would blank the rate
    // box and go back to the mouse with the next Apply: the profile keeps its own.
    if (rate != active.pollrate && rate != onMouse.pollrate && reportRateHz(rate) != 0)
        slotRefreshRate(rate);
}

void ZiziraziWidget::slotRefreshDPIStage(uchar stage)
{
    // The status report carries four bits; the profile holds eight stages.
    if (stage >= kDpiStageCount)
        return;
    ProfileData &active = currentSettings.active();
    active.dpi = stage;
    // What the mouse reports it holds is no edit of the user's, nothing left to send.
    appliedSettings.profiles[currentSettings.activeIndex()].dpi = stage;
    if (dpiWindow)
        dpiWindow->selectStage(stage);
    if (!profileFilePath.isEmpty())
        writeActiveStage(profileFilePath, active);
    const int sensor = readSensorModel();
    notifyOsd(dpiNoticeText(stage, dpiFromCode(int(active.dpiStages[stage].x), sensor),
                            dpiFromCode(int(active.dpiStages[stage].y), sensor)));
}

void ZiziraziWidget::slotRefreshRate(uchar rate)
{
    ProfileData &active = currentSettings.active();
    active.pollrate = rate;
    appliedSettings.profiles[currentSettings.activeIndex()].pollrate = rate;
    if (reportRateWindow)
        reportRateWindow->refresh(active, currentSettings.LiftHigh);
    notifyOsd(rateNoticeText(rate));
}

int ZiziraziWidget::showMessage(int style, const QString &text)
{
    ZelMessageBox box(ZelMessageBox::Style(style), QString(), QObject::tr("Warning"), text, this, false,
                      Qt::FramelessWindowHint);
    return box.exec();
}
