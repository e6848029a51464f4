// Apply: the pages' values into the active profile, then the write behind the animation.

#include "ui/main/zizirazi_widget.h"

#include "device/device_session.h"
#include "store/button_assignment.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "ui/kit/keyboard_access.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zel_process_dialog.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/zel_point_speed.h"
#include "ui/pages/zel_report_rate.h"


#include <algorithm>
#include <malloc.h>

void ZiziraziWidget::collectPages()
{
    // Lighting, buttons and macros write into the record as the user edits; these pages keep
    // their own copies until now.
    // A page never shown has no copies: the record already holds its values.
    if (!pageBuilt(WindowPage::Dpi))
        return;
    ProfileData &active = currentSettings.active();
    active.dpi = uint8_t(dpiWindow->currentStage());
    std::copy(dpiWindow->stages(), dpiWindow->stages() + kDpiStageCount, active.dpiStages);
    active.mousespeed = pointSpeedWindow->mouseSpeed();
    active.scrollspeed = pointSpeedWindow->scrollSpeed();
    currentSettings.Sync = pointSpeedWindow->sync();
    currentSettings.LiftHigh = pointSpeedWindow->liftHigh();
    currentSettings.AngleValue = pointSpeedWindow->angleValue();
    currentSettings.Jitter = pointSpeedWindow->jitter();
    currentSettings.Debounce = pointSpeedWindow->debounce();
    active.pollrate = reportRateWindow->pollRate();
}

void ZiziraziWidget::writeWithProgress()
{
    // The one-click rule holds for what is sent too, whatever the files held.
    if (!sendsClickFunction(currentSettings)) {
        showMessage(ZelMessageBox::Warning, QObject::tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
        lastWriteStatus = ExchangeNotSaved;
        return;
    }
    for (int attempt = 1;; ++attempt) {
        ZelProcessDialog dialog;
        dialog.centreOn(this);
        dialog.setAttempt(attempt);
        uint8_t result = ExchangeOk;
        const QMetaObject::Connection progress =
            connect(session.get(), &DeviceSession::writeProgress, &dialog, &ZelProcessDialog::setProgress);
        const QMetaObject::Connection finished =
            connect(session.get(), &DeviceSession::writeFinished, &dialog, [&result, &dialog](uchar status) {
                result = status;
                dialog.slotProcessDlg();
            });
        writeInProgress = true;
        session->write(currentSettings);
        // The modal loop keeps the window painting while the session writes; the user cannot
        // edit the settings meanwhile. Ended from outside (the program quitting), the session
        // still finishes the write before it goes.
        const int accepted = dialog.exec();
        disconnect(progress);
        disconnect(finished);
        writeInProgress = false;
        lastWriteStatus = accepted == 1 ? result : uint8_t(ExchangeNoDevice);
        // The write's working copies were freed on the session's heap, which keeps such memory;
        // it goes back now rather than for the hours the window stays open.
        malloc_trim(0);
        if (accepted != 1)
            return;
        setMouseOutOfDate(result != ExchangeOk);
        if (result == ExchangeOk) {
            announce(button(WindowControl::Apply), QObject::tr("The settings are on the mouse."));
            return;
        }
        if (result == ExchangeNotSaved) {
            showMessage(ZelMessageBox::Warning, QObject::tr("The settings could not be saved: %1").arg(lastFailedSavePath()));
            return;
        }
        const QString failed = QObject::tr("Send data failed, please try again.");
        // Hidden in the tray (a mouse that came back while it was): a notice, not a box.
        if (!isVisible() && notifyOutsideWindow(failed))
            return;
        if (showMessage(ZelMessageBox::Question, failed) != 1)
            return;
    }
}

void ZiziraziWidget::setMouseOutOfDate(bool outOfDate)
{
    mouseOutOfDate = outOfDate;
    button(WindowControl::Apply)->setMark(outOfDate ? QObject::tr("Not yet on the mouse") : QString());
    refreshTrayToolTip();
}
