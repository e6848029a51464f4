#include "device/zel_process_thread.h"

#include "device/command_set.h"
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
    saveSettingsForApply(currentSettings);
    result = 0;
    // Called for its side effect on macro files; every write sends the full configuration,
    // so neither the mask nor the failed-apply flag changes what is sent.
    computeChangeMask(currentSettings, appliedSettings);
    const bool full = readApplyFailedFlag() == 1 || forceFull;
    Q_UNUSED(full)
    saveSettingsForApply(currentSettings);
    result = WriteAllSettings(currentSettings);
    appliedSettings = currentSettings;
    writeApplyFailedFlag(result != 0 ? 1 : 0);
    emit DoProcessDlg();
}
