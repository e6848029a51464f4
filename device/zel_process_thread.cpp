#include "device/zel_process_thread.h"

#include "device/command_set.h"
#include "device/hid_exchange.h"
#include "store/app_paths.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"

#include <QDebug>

ZelProcessThread::ZelProcessThread(QObject *parent)
    : QThread(parent)
{
}

void ZelProcessThread::run()
{
    if (stop) {
        qDebug("isStop.\n");
        return;
    }
    result = 0;
    const bool full = readApplyFailedFlag() == 1 || forceFull;
    Q_UNUSED(full)
    // Marked as not applied before any file changes, so that a run killed anywhere from here
    // on leaves the flag set; cleared only once the mouse has it all. Nothing is sent when the
    // settings cannot be kept: the mouse would hold what the files do not.
    QString failedPath;
    if (!writeApplyFailedFlag(1))
        failedPath = configFilePath();
    else
        saveSettingsForApply(currentSettings, &failedPath);
    if (!failedPath.isEmpty()) {
        saveFailedPath = failedPath;
        result = kSendWriteFailed;
        emit DoProcessDlg();
        return;
    }
    // Called for its side effect on macro files; every write sends the full configuration,
    // so neither the mask nor the failed-apply flag changes what is sent.
    computeChangeMask(currentSettings, appliedSettings);
    result = WriteAllSettings(currentSettings);
    appliedSettings = currentSettings;
    if (result == 0)
        writeApplyFailedFlag(0);
    emit DoProcessDlg();
}
