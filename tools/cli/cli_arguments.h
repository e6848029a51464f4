#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// The command line of zelmouse-cli, parsed: options before the command, the command and its
// own arguments. Parsing never prints; the caller reports `error` (one sentence) or help.

enum class CliCommand {
    None,
    Help,
    Devices,
    Status,
    Show,
    Apply,
    SelectProfile,
    Export,
    Import,
    Macros,
    Macro,
    Watch,
    Set,
    Get,
    Profiles,
    Profile,
    SelectSlot,
    Reset,
    AppProfiles,
    AppProfile,
};

struct CliArguments {
    QString appDir;            // --app-dir; empty: the executable's own directory
    bool emulate = false;      // --emulate
    QString emulateMode;       // receiver, cable or both (receiver when --emulate has no value)
    bool trace = false;        // --trace
    bool version = false;      // --version
    bool help = false;         // --help, of the tool (command None) or of `command`
    CliCommand command = CliCommand::None;
    bool json = false;         // show --json, watch --json
    bool wait = false;         // watch --wait
    int slot = 0;              // select-profile N, set/get --slot N: 1..5 (0: the active slot)
    bool apply = false;        // set --apply
    QStringList words;         // set/get: the setting and its values
    QString file;              // export/import FILE
    QStringList macroArguments; // macro SUBCOMMAND ..., parsed by the macro commands
    QString profileAction;     // profile ACTION (use, add, copy, rename, delete, export, import),
                               // app-profile ACTION (add, remove, default)
    QStringList names;         // the ACTION's arguments
    bool all = false;          // reset --all
    bool force = false;        // export, profile export: --force replaces an existing file
    QString error;             // non-empty: a usage error, one sentence
};

CliArguments parseCliArguments(const QStringList &arguments);
// The arguments of `profile` (in profile_commands.cpp); sets `error` when they do not fit.
void parseProfileArguments(CliArguments &result, const QStringList &positional);

// A command made of an action word and its arguments ("profile rename OLD NEW"): the action
// and its arguments into `result`, or a usage error naming what the action takes.
struct CommandAction {
    const char *name;
    int argumentCount;
    const char *arguments; // for the usage error
};
void parseCommandAction(CliArguments &result, const QStringList &positional, const QString &command,
                        const CommandAction *actions, int actionCount, const QString &actionList);

// Every command, in the order the tool's help lists them.
QVector<CliCommand> cliCommands();

// "devices", "show", ...; empty for None.
QString cliCommandName(CliCommand command);

// Help texts, ending with a newline.
QString cliToolHelp();
QString cliCommandHelp(CliCommand command);
