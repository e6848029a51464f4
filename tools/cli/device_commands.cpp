// The commands that talk to the mouse, through the same device link the window uses.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_pointer_speed.h"
#include "tools/cli/conf_file_check.h"
#include "tools/cli/current_product.h"

#include "tools/cli/settings_report.h"

#include "device/device_link.h"
#include "device/device_session.h"
#include "device/exchange_lock.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/ini_file.h"
#include "store/profile_files.h"
#include "store/settings_lock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

const QString kNoMouse = QStringLiteral("No mouse is connected.");

QString usbId(uint32_t vid, uint32_t pid)
{
    return QStringLiteral("%1:%2").arg(vid, 4, 16, QLatin1Char('0')).arg(pid, 4, 16, QLatin1Char('0'));
}

QString interfaceLine(const char *label, uint32_t found, const char *path)
{
    const QString head = QStringLiteral("  %1").arg(QLatin1String(label)).leftJustified(20);
    return found ? head + QStringLiteral("present  ") + QString::fromLocal8Bit(path) : head + QStringLiteral("absent");
}

QString connectionText(const char *title, const DeviceModelRecord &record, int connection)
{
    const DeviceConnection c = deviceConnection(record, connection);
    QString text = QStringLiteral("%1 (%2)\n").arg(QLatin1String(title), usbId(c.vid, c.pid));
    text += interfaceLine("Mouse interface:", c.foundMouse, c.pathMouse) + QLatin1Char('\n');
    text += interfaceLine("Vendor interface:", c.foundVendor, c.pathVendor) + QLatin1Char('\n');
    if (c.foundVendor) {
        const unsigned release = GetReleaseNumber(c.pathVendor);
        text += QStringLiteral("  Release number:   %1.%2 (0x%3)\n")
                    .arg(QString::number(release >> 8, 16), QString::number(release & 0xFF, 16).rightJustified(2, QLatin1Char('0')),
                         QString::number(release, 16).rightJustified(4, QLatin1Char('0')));
    }
    return text;
}

// The device link as the window opens it at start-up: the device table, the system's HID
// devices, the interfaces of the model named in the configuration file.
struct OpenedSession {
    DeviceSession session;
    bool enumerated = false;

    OpenedSession()
    {
        enumerated = session.discover() == 0;
        session.open(deviceModelName());
        session.waitForIdle();
    }
};

// What the poller's request phase got back.
struct StatusReading {
    bool answered = false;
    uint8_t level = 0;
    uint8_t dpiStage = 0;
    uint8_t rateCode = 0;
};

// Runs the window's status poller until its request phase has been answered, or for two of
// its request rounds. Empty when the poller found no vendor interface.
std::optional<StatusReading> readStatusOnce(DeviceSession &session)
{
    // About two request rounds of the poller (one every 2.8 s when the mouse is quiet).
    constexpr int kPatienceMs = 3500;
    StatusReading reading;
    bool batteryReported = false;
    QEventLoop loop;
    // An answered request gives a battery report followed by the stage and rate; a poller
    // without an interface gives only a (0, 0, 0) battery report and ends.
    QObject::connect(&session, &DeviceSession::RefreshBatteryStatus, &loop, [&](uchar, uchar level, uchar) {
        batteryReported = true;
        reading.level = level;
    });
    QObject::connect(&session, &DeviceSession::RefreshStatus, &loop, [&](uchar, uchar stage, uchar rate, uchar) {
        if (!batteryReported || reading.answered)
            return; // a report the mouse sent on its own: wait for the answer to the request
        reading.answered = true;
        reading.dpiStage = stage;
        reading.rateCode = rate;
        loop.quit();
    });
    QTimer::singleShot(kPatienceMs, &loop, &QEventLoop::quit);
    session.startPoller();
    loop.exec();
    session.stopPoller();
    session.waitForIdle();
    if (!reading.answered && !session.vendorInterfaceOpen())
        return std::nullopt;
    return reading;
}

// Start-up: the files are loaded into the applied copy, which the pages then edit a copy of.
void loadStartupSettings()
{
    loadAllSettings(appliedSettings);
    currentSettings = appliedSettings;
}

// One sentence for the outcome of an exchange: `success` on standard output, else what went
// wrong followed by `afterFailure` on standard error.
int reportExchange(uint8_t status, const QString &success, const QString &afterFailure = QString())
{
    if (status == ExchangeOk) {
        printResult(success);
        return CliExit::Success;
    }
    QString sentence = exchangeStatusText(status);
    if (!afterFailure.isEmpty()) {
        sentence.chop(1); // its full stop
        sentence += QStringLiteral("; ") + afterFailure;
    }
    printError(sentence);
    return CliExit::fromDeviceStatus(status);
}

int reportWrite(uint8_t status, const QString &success)
{
    followWithDesktopPointerSpeed(status);
    if (status == ExchangeNotSaved) {
        printError(QStringLiteral("The settings could not be saved: %1; nothing was sent to the mouse.").arg(lastFailedSavePath()));
        return CliExit::CannotSave;
    }
    return reportExchange(status, success,
                          status == ExchangeNoDevice
                              ? QStringLiteral("the settings were saved and will be sent by the next apply.")
                              : QStringLiteral("the settings were saved and will be sent again by the next apply."));
}

} // namespace

int runDevicesCommand()
{
    const OpenedSession opened;
    const DeviceModelRecord &r = deviceModelTable().records[0];
    QString text = QStringLiteral("Model: %1\n").arg(deviceModelName().isEmpty() ? QStringLiteral("(none)") : deviceModelName());
    text += connectionText("Receiver", r, kReceiverConnection);
    text += connectionText("Cable", r, kCableConnection);
    printResult(text);
    if (!opened.enumerated) {
        printError(QStringLiteral("The HID library could not be started, so no mouse can be found."));
        return CliExit::NoDevice;
    }
    if (!deviceConnection(r, kReceiverConnection).present() && !deviceConnection(r, kCableConnection).present()) {
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    return CliExit::Success;
}

int runSelectProfileCommand(int slotNumber)
{
    OpenedSession opened;
    if (!opened.session.vendorInterfaceOpen()) {
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    const uint8_t status = opened.session.selectProfileAndWait(slotNumber - 1);
    // As the window does when a slot is picked from its menu.
    if (status == ExchangeOk)
        saveActiveProfileIndex(slotNumber - 1);
    return reportExchange(status, QStringLiteral("Selected profile %1.").arg(slotNumber));
}

int runStatusCommand()
{
    OpenedSession opened;
    if (!opened.session.vendorInterfaceOpen()) {
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    // Held around the whole request, so that the poller's own request is not skipped.
    const ExchangeSequenceLock sequence(kExchangeLockPatienceMs);
    if (!sequence.held())
        return reportExchange(ExchangeBusy, QString());
    const std::optional<StatusReading> reading = readStatusOnce(opened.session);
    if (!reading) {
        // The poller found no vendor interface after all (unplugged meanwhile).
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    if (!reading->answered) {
        printError(QStringLiteral("The mouse did not answer the status request."));
        return CliExit::NoAnswer;
    }

    // The status report always names profile slot 0, whose stages the mouse was last sent.
    auto settings = std::make_unique<DeviceSettings>();
    loadAllSettings(*settings);
    const ProfileData &profile = settings->profiles[0];
    const int sensor = readSensorModel();

    const bool cable = deviceConnection(deviceModelTable().records[0], kCableConnection).present();
    QString text = QStringLiteral("Connection: %1\n").arg(cable ? QStringLiteral("cable") : QStringLiteral("receiver"));
    text += reading->level == 0 ? QStringLiteral("Battery: MOUSE OFF\n")
                                : QStringLiteral("Battery: %1%\n").arg(reading->level);
    QString stageText = QString::number(reading->dpiStage + 1);
    if (reading->dpiStage < kDpiStageCount) {
        const DpiStage &stage = profile.dpiStages[reading->dpiStage];
        const int x = dpiFromCode(int(stage.x), sensor);
        const int y = dpiFromCode(int(stage.y), sensor);
        stageText += x == y ? QStringLiteral(" (%1 DPI)").arg(x) : QStringLiteral(" (%1 x %2 DPI)").arg(QString::number(x), QString::number(y));
    }
    text += QStringLiteral("DPI stage: %1\n").arg(stageText);
    const int hz = reportRateHz(reading->rateCode);
    text += hz ? QStringLiteral("Report rate: %1 Hz\n").arg(hz)
               : QStringLiteral("Report rate: unknown (code %1)\n").arg(reading->rateCode);
    printResult(text);
    return CliExit::Success;
}

namespace {

const QString kSettingsBusy = QStringLiteral("Another program kept the settings locked; nothing was changed. Try again.");

// The write of what was loaded: the session's writer saves the settings on its own thread,
// under the lock this thread holds from the load on.
uint8_t writeLoaded(DeviceSession &session, const SettingsLock &lock, bool forceFull = false)
{
    const SettingsLockLoan loan(lock);
    return session.writeAndWait(currentSettings, forceFull);
}

} // namespace

int reportSettingsBusy()
{
    printError(kSettingsBusy);
    return CliExit::Busy;
}

int sendLoadedSettings(const SettingsLock &lock, const QString &success, bool forceFull)
{
    OpenedSession opened;
    return reportWrite(writeLoaded(opened.session, lock, forceFull), success);
}

int storeLoadedSettings(const DeviceSettings &settings, const QString &success)
{
    QString failed;
    if (!saveSettingsForApply(settings, &failed)) {
        printError(QStringLiteral("The settings could not be saved: %1").arg(failed));
        return CliExit::CannotSave;
    }
    printResult(success);
    return CliExit::Success;
}

int runApplyCommand()
{
    // From loading to saving, so that no other program's save falls in between and is undone.
    const SettingsLock lock;
    if (!lock.isLocked())
        return reportSettingsBusy();
    OpenedSession opened;
    settleCurrentProduct();
    loadStartupSettings();
    return reportWrite(writeLoaded(opened.session, lock), QStringLiteral("The settings were sent to the mouse."));
}

int runResetCommand(bool all)
{
    const SettingsLock lock;
    if (!lock.isLocked())
        return reportSettingsBusy();
    loadStartupSettings();
    if (all) {
        resetAllProfiles(currentSettings);
    } else {
        resetProfile(currentSettings.active());
    }
    currentSettings.active().ProfileName = currentSettings.ProfileNames[currentSettings.activeIndex()];
    return sendLoadedSettings(lock, all ? QStringLiteral("All profiles were reset and sent to the mouse.")
                                   : QStringLiteral("Profile slot %1 was reset and sent to the mouse.").arg(currentSettings.activeIndex() + 1),
                               all);
}

int runImportCommand(const QString &file)
{
    const SettingsLock lock;
    if (!lock.isLocked())
        return reportSettingsBusy();
    OpenedSession opened;
    const ConfFileVerdict verdict = checkImportFile(file, settleCurrentProduct());
    if (!verdict.usable) {
        printError(verdict.reason);
        return CliExit::BadFile;
    }
    loadStartupSettings();
    importAllSettings(currentSettings, file);
    return reportWrite(writeLoaded(opened.session, lock), QStringLiteral("Imported %1 and sent the settings to the mouse.").arg(file));
}
