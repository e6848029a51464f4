#include "device/zel_process_thread.h"
#include "device/device_log.h"

#include "device/command_set.h"
#include "device/exchange_lock.h"
#include "device/exchange_status.h"
#include "store/config_file.h"
#include "store/profile_files.h"

ZelProcessThread::ZelProcessThread(const DeviceSettings &settings, QObject *parent)
    : QThread(parent)
    , m_settings(settings)
{
}

void ZelProcessThread::run()
{
    if (stop) {
        qCDebug(lcDevice, "isStop.\n");
        return;
    }
    // Marked as not applied before any file changes, so that a run killed anywhere from here
    // on leaves the flag set; cleared only once the mouse has it all. Nothing is sent when the
    // settings cannot be kept: the mouse would hold what the files do not.
    if (!writeApplyFailedFlag(1) || !saveSettingsForApply(m_settings)) {
        result = ExchangeNotSaved;
        emit DoProcessDlg();
        return;
    }
    markEditedMacroSent(m_settings, appliedSettings);
    {
        const ExchangeSequenceLock lock(kExchangeLockPatienceMs);
        result = lock.held() ? WriteAllSettings(m_settings) : uint8_t(ExchangeBusy);
    }
    appliedSettings = m_settings;
    if (result == ExchangeOk)
        writeApplyFailedFlag(0);
    emit DoProcessDlg();
}
