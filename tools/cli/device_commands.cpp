// The commands that talk to the mouse, through the same device link the window uses.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/conf_file_check.h"
#include "tools/cli/current_product.h"
#include "tools/cli/device_session.h"

#include "tools/cli/settings_report.h"

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "device/zel_get_battery_thread.h"
#include "device/zel_process_thread.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
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

QString connectionText(const char *title, uint32_t vid, uint32_t pid, uint32_t foundMouse, const char *pathMouse,
                       uint32_t foundVendor, const char *pathVendor)
{
    QString text = QStringLiteral("%1 (%2)\n").arg(QLatin1String(title), usbId(vid, pid));
    text += interfaceLine("Mouse interface:", foundMouse, pathMouse) + QLatin1Char('\n');
    text += interfaceLine("Vendor interface:", foundVendor, pathVendor) + QLatin1Char('\n');
    if (foundVendor) {
        const unsigned release = GetReleaseNumber(pathVendor);
        text += QStringLiteral("  Release number:   %1.%2 (0x%3)\n")
                    .arg(QString::number(release >> 8, 16), QString::number(release & 0xFF, 16).rightJustified(2, QLatin1Char('0')),
                         QString::number(release, 16).rightJustified(4, QLatin1Char('0')));
    }
    return text;
}

// What the poller's request phase got back.
struct StatusReading {
    bool answered = false;
    uint8_t level = 0;
    uint8_t dpiStage = 0;
    uint8_t rateCode = 0;
};

// Runs the window's status poller until its request phase has been answered, or for two of
// its request rounds. Empty when the poller found no vendor interface.
std::optional<StatusReading> readStatusOnce()
{
    // About two request rounds of the poller (one every 2.8 s when the mouse is quiet).
    constexpr int kPatienceMs = 3500;
    StatusReading reading;
    bool batteryReported = false;
    bool stopping = false;
    bool endedByItself = false;
    ZelGetBatteryThread poller;
    QEventLoop loop;
    // Queued to this thread. An answered request gives a battery report followed by the stage
    // and rate; a poller without an interface gives only a (0, 0, 0) battery report and ends.
    QObject::connect(&poller, &ZelGetBatteryThread::RefreshBatteryStatus, &loop, [&](uchar, uchar level, uchar) {
        batteryReported = true;
        reading.level = level;
    });
    QObject::connect(&poller, &ZelGetBatteryThread::RefreshStatus, &loop, [&](uchar, uchar stage, uchar rate, uchar) {
        if (!batteryReported || reading.answered)
            return; // a report the mouse sent on its own: wait for the answer to the request
        reading.answered = true;
        reading.dpiStage = stage;
        reading.rateCode = rate;
        loop.quit();
    });
    QObject::connect(&poller, &QThread::finished, &loop, [&] {
        endedByItself = !stopping;
        loop.quit();
    });
    QTimer::singleShot(kPatienceMs, &loop, &QEventLoop::quit);
    poller.start();
    loop.exec();
    stopping = true;
    poller.Stop();
    poller.wait();
    // Deliver what is still queued, so that a poller that ended on its own is seen as such.
    QCoreApplication::sendPostedEvents(&loop);
    QCoreApplication::sendPostedEvents(&poller);
    if (!reading.answered && endedByItself)
        return std::nullopt;
    return reading;
}

// Start-up: the files are loaded into the applied copy, which the pages then edit a copy of.
void loadStartupSettings()
{
    loadAllSettings(appliedSettings);
    currentSettings = appliedSettings;
}

// The window's writer, run on this thread: this thread holds the settings lock from loading the
// settings to saving them, and the lock is re-entered only by the thread that holds it.
class InlineWriter : public ZelProcessThread {
public:
    using ZelProcessThread::run;
};

struct WriteOutcome {
    uint8_t status = kSendOk;
    QString saveFailedPath;
};

WriteOutcome runWriter()
{
    InlineWriter writer;
    writer.run();
    return {writer.result, writer.saveFailedPath};
}

int reportWrite(const WriteOutcome &outcome, const QString &success)
{
    if (!outcome.saveFailedPath.isEmpty()) {
        printError(QStringLiteral("The settings could not be saved: %1; nothing was sent to the mouse.").arg(outcome.saveFailedPath));
        return CliExit::CannotSave;
    }
    const uint8_t status = outcome.status;
    switch (status) {
    case kSendOk:
        printResult(success);
        break;
    case kSendNoDevice:
        printError(QStringLiteral("No mouse is connected; the settings were saved and will be sent by the next apply."));
        break;
    case kSendRetriesExhausted:
        printError(QStringLiteral("The mouse did not answer; the settings were saved and will be sent again by the next apply."));
        break;
    default:
        printError(QStringLiteral("Writing to the mouse failed; the settings were saved and will be sent again by the next apply."));
        break;
    }
    return CliExit::fromDeviceStatus(status);
}

} // namespace

int runDevicesCommand()
{
    const DeviceSession session;
    const DeviceModelRecord &r = deviceModelTable().records[0];
    QString text = QStringLiteral("Model: %1\n").arg(deviceModelName().isEmpty() ? QStringLiteral("(none)") : deviceModelName());
    text += connectionText("Receiver", r.vid1, r.pid1, r.foundMouse1, r.pathMouse1, r.foundVendor1, r.pathVendor1);
    text += connectionText("Cable", r.vid2, r.pid2, r.foundMouse2, r.pathMouse2, r.foundVendor2, r.pathVendor2);
    printResult(text);
    if (!session.enumerated()) {
        printError(QStringLiteral("The HID library could not be started, so no mouse can be found."));
        return CliExit::NoDevice;
    }
    const bool receiver = r.foundMouse1 && r.foundVendor1;
    const bool cable = r.foundMouse2 && r.foundVendor2;
    if (!receiver && !cable) {
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    return CliExit::Success;
}

int runSelectProfileCommand(int slotNumber)
{
    const DeviceSession session;
    if (!session.connected()) {
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    // The select command itself is not echoed, so only a failed write tells anything.
    const uint8_t selected = SendProfileSelect(slotNumber - 1);
    const uint8_t status = selected ? selected : SendProfileFollowUp();
    switch (status) {
    case kSendOk:
        // As the window does when a slot is picked from its menu.
        saveActiveProfileIndex(slotNumber - 1);
        printResult(QStringLiteral("Selected profile %1.").arg(slotNumber));
        return CliExit::Success;
    case kSendNoDevice:
        printError(kNoMouse);
        break;
    case kSendRetriesExhausted:
        printError(QStringLiteral("The mouse did not answer the profile selection."));
        break;
    default:
        printError(QStringLiteral("Sending the profile selection to the mouse failed."));
        break;
    }
    return CliExit::fromDeviceStatus(status);
}

int runStatusCommand()
{
    const DeviceSession session;
    if (!session.connected()) {
        printError(kNoMouse);
        return CliExit::NoDevice;
    }
    const std::optional<StatusReading> reading = readStatusOnce();
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

    const DeviceModelRecord &r = deviceModelTable().records[0];
    const bool cable = r.foundMouse2 && r.foundVendor2;
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

} // namespace

int runApplyCommand()
{
    // From loading to saving, so that no other program's save falls in between and is undone.
    const SettingsLock lock;
    if (!lock.isLocked()) {
        printError(kSettingsBusy);
        return CliExit::TryAgain;
    }
    const DeviceSession session;
    settleCurrentProduct();
    loadStartupSettings();
    return reportWrite(runWriter(), QStringLiteral("The settings were sent to the mouse."));
}

int runImportCommand(const QString &file)
{
    const SettingsLock lock;
    if (!lock.isLocked()) {
        printError(kSettingsBusy);
        return CliExit::TryAgain;
    }
    const DeviceSession session;
    const ConfFileVerdict verdict = checkImportFile(file, settleCurrentProduct());
    if (!verdict.usable) {
        printError(verdict.reason);
        return CliExit::BadFile;
    }
    loadStartupSettings();
    importAllSettings(currentSettings, file);
    return reportWrite(runWriter(), QStringLiteral("Imported %1 and sent the settings to the mouse.").arg(file));
}
