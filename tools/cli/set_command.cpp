// `set`: options of the configuration file that the window has no control for.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"

#include "store/app_paths.h"
#include "store/config_file.h"


int runSetCommand(const QString &setting, const QString &value)
{
    // The parser lets only apply-on-arrival through.
    Q_UNUSED(setting);
    const bool on = value == QLatin1String("on");
    if (!writeApplyOnArrival(on)) {
        printError(QStringLiteral("The configuration file %1 could not be written.").arg(configFilePath()));
        return CliExit::CannotSave;
    }
    printResult(on ? QStringLiteral("The stored settings will be written to a mouse that arrives without them.")
                   : QStringLiteral("A mouse that arrives is left as it is."));
    return CliExit::Success;
}
