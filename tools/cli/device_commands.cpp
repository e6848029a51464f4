// The commands that talk to the mouse, through the same device link the window uses.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/conf_file_check.h"
#include "tools/cli/device_session.h"

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/hid_exchange.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"

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
    printError(QStringLiteral("Not available yet."));
    return CliExit::NoDevice;
}

int runApplyCommand()
{
    printError(QStringLiteral("Not available yet."));
    return CliExit::NoDevice;
}

int runImportCommand(const QString &file)
{
    const ConfFileVerdict verdict = checkImportFile(file, readCurrentProductName());
    if (!verdict.usable) {
        printError(verdict.reason);
        return CliExit::BadFile;
    }
    printError(QStringLiteral("Not available yet."));
    return CliExit::NoDevice;
}
