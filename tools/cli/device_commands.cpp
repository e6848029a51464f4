// The commands that talk to the mouse. Filled in on top of the device link.
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"

int runDevicesCommand() { printError(QStringLiteral("Not available yet.")); return CliExit::NoDevice; }
int runStatusCommand() { printError(QStringLiteral("Not available yet.")); return CliExit::NoDevice; }
int runApplyCommand() { printError(QStringLiteral("Not available yet.")); return CliExit::NoDevice; }
int runSelectProfileCommand(int) { printError(QStringLiteral("Not available yet.")); return CliExit::NoDevice; }
int runImportCommand(const QString &) { printError(QStringLiteral("Not available yet.")); return CliExit::NoDevice; }
