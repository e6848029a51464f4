// zelmouse-cli: the mouse's settings and status from the command line, for login scripts,
// udev rules and support. Same settings files, same device commands as the window.
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_trace.h"

#include "build_config.h"
#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

int dispatch(const CliArguments &arguments)
{
    switch (arguments.command) {
    case CliCommand::Devices:
        return runDevicesCommand();
    case CliCommand::Status:
        return runStatusCommand();
    case CliCommand::Show:
        return runShowCommand(arguments.json);
    case CliCommand::Apply:
        return runApplyCommand();
    case CliCommand::SelectProfile:
        return runSelectProfileCommand(arguments.slot);
    case CliCommand::Export:
        return runExportCommand(arguments.file);
    case CliCommand::Import:
        return runImportCommand(arguments.file);
    case CliCommand::Help:
    case CliCommand::None:
        break;
    }
    return CliExit::Usage;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zelmouse-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEL_VERSION_TEXT));

    QStringList rawArguments = QCoreApplication::arguments();
    rawArguments.removeFirst();
    const CliArguments arguments = parseCliArguments(rawArguments);
    installCliMessageHandler(arguments.trace);

    if (!arguments.error.isEmpty()) {
        printError(arguments.error);
        return CliExit::Usage;
    }
    if (arguments.version) {
        printResult(QStringLiteral("zelmouse-cli %1").arg(QStringLiteral(ZEL_VERSION_TEXT)));
        return CliExit::Success;
    }
    if (arguments.help) {
        printResult(arguments.command == CliCommand::None ? cliToolHelp() : cliCommandHelp(arguments.command));
        return CliExit::Success;
    }

    if (!arguments.appDir.isEmpty()) {
        if (!QFileInfo(arguments.appDir).isDir()) {
            printError(QStringLiteral("The application directory '%1' does not exist.").arg(arguments.appDir));
            return CliExit::Usage;
        }
        setApplicationDirectoryOverride(arguments.appDir);
    }
    return dispatch(arguments);
}
