// The commands that only read or write the settings files: show and export.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/current_product.h"

#include "device/device_session.h"
#include "tools/cli/settings_report.h"

#include "store/config_file.h"
#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/export_target.h"
#include "store/profile_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <memory>

int runShowCommand(bool json)
{
    auto settings = std::make_unique<DeviceSettings>();
    const SettingsReportInput input = gatherSettingsReport(*settings);
    const QJsonObject report = settingsReportJson(input);
    if (json)
        printResult(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented)));
    else
        printResult(settingsReportText(report));
    return CliExit::Success;
}

int runExportCommand(const QString &file, bool force)
{
    const ExportTarget verdict = checkExportTarget(file, force);
    if (verdict != ExportTarget::Usable) {
        printError(exportTargetRefusal(verdict, file));
        return CliExit::BadFile;
    }

    QString product;
    {
        DeviceSession session;
        session.discover();
        product = settleCurrentProduct();
    }
    auto settings = std::make_unique<DeviceSettings>();
    loadAllSettings(*settings);

    // Written beside the target and renamed over it, so a failed export leaves an existing
    // file as it was and no keys of an older file linger in the new one.
    const bool written = replaceFileAtomically(file, [&](const QString &staging) {
        return writeProductNameToFile(product, staging) && exportAllSettings(*settings, staging)
            && readProductNameOfFile(staging) == product;
    });
    if (!written) {
        printError(QStringLiteral("Writing '%1' failed; nothing was exported.").arg(file));
        return CliExit::BadFile;
    }
    printResult(QStringLiteral("Exported the settings of \"%1\" to %2").arg(product, file));
    return CliExit::Success;
}
