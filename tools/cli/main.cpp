// zelmouse-cli: the mouse's settings and status from the command line, for login scripts,
// udev rules and support. Same settings files, same device commands as the window.
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_trace.h"
#include "tools/cli/set_commands.h"
#include "tools/cli/macro_commands.h"
#include "tools/cli/app_profile_commands.h"
#ifdef ZEL_CLI_EMULATION
#include "emulator/emulation_launch.h"
#include "tools/cli/cli_emulation.h"
#endif

#include "build_config.h"
#include "platform/termination_signals.h"
#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

// Commands that read the settings and change nothing: they make no folder either.
bool onlyReads(const CliArguments &arguments)
{
    switch (arguments.command) {
    case CliCommand::Show:
    case CliCommand::Get:
    case CliCommand::Macros:
    case CliCommand::Profiles:
        return true;
    case CliCommand::Macro:
        return arguments.macroArguments.value(0) == QLatin1String("show");
    default:
        return false;
    }
}

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
    case CliCommand::Set:
        return runSetCommand(arguments);
    case CliCommand::Get:
        return runGetCommand(arguments);
    case CliCommand::Macros:
        return runMacrosCommand(arguments.json);
    case CliCommand::Macro:
        return runMacroCommand(arguments.macroArguments);
    case CliCommand::Watch:
        return runWatchCommand(arguments.json, arguments.wait);
    case CliCommand::Profiles:
        return runProfilesCommand(arguments.json);
    case CliCommand::Profile:
        return runProfileCommand(arguments.profileAction, arguments.names);
    case CliCommand::SelectSlot:
        return runSelectProfileCommand(arguments.slot);
    case CliCommand::Reset:
        return runResetCommand(arguments.all);
    case CliCommand::AppProfiles:
        return runAppProfilesCommand(arguments.json);
    case CliCommand::AppProfile:
        return runAppProfileCommand(arguments.profileAction, arguments.names);
    case CliCommand::Help:
    case CliCommand::None:
        break;
    }
    return CliExit::Usage;
}

} // namespace

int main(int argc, char *argv[])
{
    // Kept as given: QCoreApplication may take arguments out of argv, and --emulate starts
    // the program again with the same ones.
    std::vector<char *> originalArgv(argv, argv + argc + 1);
    // Before any thread starts. A terminated run takes the emulated mouse's testbed folder
    // along, which umockdev would otherwise leave behind; what it was saving stays whole (every
    // file is renamed into place complete).
    exitOnTerminationSignals([] {
        const QByteArray testbed = qgetenv("UMOCKDEV_DIR");
        return QFileInfo(QFile::decodeName(testbed)).fileName().startsWith(QLatin1String("umockdev.")) ? testbed : QByteArray();
    });
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
    setSettingsReadOnly(onlyReads(arguments));

#ifdef ZEL_CLI_EMULATION
    std::unique_ptr<EmulatedMouse> emulated;
    if (arguments.emulate) {
        QString error;
        if (!ensureEmulationPreload(originalArgv.data(), &error)) {
            printError(error);
            return CliExit::NoDevice;
        }
        emulated = std::make_unique<EmulatedMouse>(arguments.emulateMode);
        // Plugging and unplugging is what there is to watch.
        if (arguments.command == CliCommand::Watch)
            emulated->listenForControl();
    }
#else
    if (arguments.emulate) {
        printError(QStringLiteral("This build has no mouse emulator."));
        return CliExit::NoDevice;
    }
#endif
    return dispatch(arguments);
}
