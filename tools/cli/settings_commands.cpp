// The commands that only read or write the settings files: show and export.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/current_product.h"

#include "device/device_session.h"
#include "tools/cli/settings_report.h"

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryFile>

#include <cstdio>
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

int runExportCommand(const QString &file)
{
    const QFileInfo target(file);
    if (target.exists() && !target.isFile()) {
        printError(QStringLiteral("'%1' is not a regular file; nothing was exported.").arg(file));
        return CliExit::BadFile;
    }
    const QDir folder = target.absoluteDir();
    if (!folder.exists()) {
        printError(QStringLiteral("The folder '%1' does not exist; nothing was exported.").arg(folder.path()));
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
    QTemporaryFile staging(folder.filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!staging.open()) {
        printError(QStringLiteral("Cannot write in the folder '%1'; nothing was exported.").arg(folder.path()));
        return CliExit::BadFile;
    }
    staging.close();
    staging.setPermissions(target.exists() ? QFile::permissions(file)
                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    writeProductNameToFile(product, staging.fileName());
    exportAllSettings(*settings, staging.fileName());

    if (!QFileInfo(staging.fileName()).size() || readProductNameOfFile(staging.fileName()) != product) {
        printError(QStringLiteral("Writing '%1' failed; nothing was exported.").arg(file));
        return CliExit::BadFile;
    }
    if (std::rename(QFile::encodeName(staging.fileName()).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        printError(QStringLiteral("Cannot replace '%1'; nothing was exported.").arg(file));
        return CliExit::BadFile;
    }
    staging.setAutoRemove(false);
    printResult(QStringLiteral("Exported the settings of \"%1\" to %2").arg(product, file));
    return CliExit::Success;
}
