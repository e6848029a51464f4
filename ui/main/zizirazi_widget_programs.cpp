// Profiles that follow the program in front: what the window does for the switcher (the
// unsent-edits check, the switch and its write without a dialog) and the "Programs" dialog.

#include "ui/main/zizirazi_widget.h"
#include "ui/main/window_log.h"

#include "device/device_session.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/profile_library.h"
#include "ui/main/app_profile_switcher.h"
#include "ui/main/programs_dialog.h"

#include <memory>

bool ZiziraziWidget::hasUnsentEdits()
{
    // The pages that keep copies until Apply are read the way Apply reads them, into a
    // record that is then put back: Cancel must still be able to drop what they hold.
    const DeviceSettings kept = currentSettings;
    collectPages();
    const bool unsent = settingsDiffer(currentSettings, appliedSettings);
    currentSettings = kept;
    return unsent;
}

bool ZiziraziWidget::isWriting() const
{
    return writeInProgress || session->writing();
}

bool ZiziraziWidget::switchActiveProfile(const QString &name)
{
    const LibraryOutcome outcome = useLibraryProfile(currentSettings, name);
    if (outcome != LibraryOutcome::Ok) {
        qCWarning(lcWindow, "Profile \"%s\" could not be put into the active slot (%d)", qPrintable(name), int(outcome));
        return false;
    }
    rebuildLibraryMenu();
    showActiveProfile();
    writeQuietly();
    return true;
}

void ZiziraziWidget::writeQuietly()
{
    writeInProgress = true;
    auto finished = std::make_shared<QMetaObject::Connection>();
    *finished = connect(session.get(), &DeviceSession::writeFinished, this, [this, finished](uchar status) {
        disconnect(*finished);
        writeInProgress = false;
        const QString name = currentSettings.ProfileNames[activeSlot()];
        if (status == ExchangeOk)
            notifyOsd(tr("Profile: %1").arg(name));
        else if (status == ExchangeNotSaved)
            notifyOsd(QObject::tr("The settings could not be saved: %1").arg(lastFailedSavePath()));
        else
            notifyOsd(QObject::tr("Send data failed, please try again."));
        emit QuietWriteFinished(status);
    });
    // The one request into the apply path: the write Apply makes, without its dialog.
    session->write(currentSettings, false);
}

void ZiziraziWidget::sayAppSwitchSkipped(const QString &profile)
{
    notifyOsd(tr("Not switched to %1: changes not applied").arg(profile));
}

void ZiziraziWidget::showProgramsDialog()
{
    if (!appSwitcher)
        return;
    // Centred on the window when it shows; opened from the tray it stands on its own.
    ProgramsDialog dialog(appSwitcher, profileLibrary, isVisible() ? this : nullptr);
    dialog.exec();
}
