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
    saveSettingsForApply(m_settings);
    markEditedMacroSent(m_settings, appliedSettings);
    {
        const ExchangeSequenceLock lock(kExchangeLockPatienceMs);
        result = lock.held() ? WriteAllSettings(m_settings) : uint8_t(ExchangeBusy);
    }
    appliedSettings = m_settings;
    writeApplyFailedFlag(result != ExchangeOk ? 1 : 0);
    emit DoProcessDlg();
}
