// Apply: the pages' values into the active profile, then the write behind the animation.

#include "ui/main/zizirazi_widget.h"

#include "device/zel_process_thread.h"
#include "store/device_settings.h"
#include "ui/kit/zel_message_box.h"
#include "ui/main/zel_process_dialog.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/zel_point_speed.h"
#include "ui/pages/zel_report_rate.h"

#include <QCoreApplication>

#include <algorithm>

void ZiziraziWidget::collectPages()
{
    // Lighting, buttons and macros write into the record as the user edits; these pages keep
    // their own copies until now.
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

void ZiziraziWidget::writeWithProgress(bool forceFull)
{
    ZelProcessDialog dialog;
    dialog.centreOn(this);
    ZelProcessThread writer;
    writer.forceFull = forceFull;
    // Connected before the start: a writer that fails at once must still close the dialog.
    connect(&writer, SIGNAL(DoProcessDlg()), &dialog, SLOT(slotProcessDlg()));
    writeInProgress = true;
    writer.start(QThread::InheritPriority);
    // The modal loop keeps the window painting while the writer runs; the user cannot edit
    // the settings the writer reads.
    const int accepted = dialog.exec();
    // Normally the writer is done here. If the loop was ended from outside (the program
    // quitting), the writer may still need this thread to stop or start the poller.
    while (!writer.wait(20))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    writeInProgress = false;
    if (accepted == 1 && !writer.saveFailedPath.isEmpty())
        showMessage(ZelMessageBox::Warning, QObject::tr("The settings could not be saved: %1").arg(writer.saveFailedPath));
    else if (accepted == 1 && writer.result != 0)
        showMessage(ZelMessageBox::Question, QObject::tr("Send data failed, please try again."));
}
