#include "tools/cli/cli_arguments.h"

#include "emulator/emulation_names.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/set_commands.h"
#include "tools/cli/macro_commands.h"
#include "tools/cli/app_profile_commands.h"

#include <QCommandLineParser>

namespace {

struct CommandInfo {
    CliCommand command;
    const char *name;
    const char *synopsis;   // after the command's name
    const char *summary;    // one line for the tool's help
    const char *details;    // the command's own help
};

const CommandInfo kCommands[] = {
    {CliCommand::Devices, "devices", "",
     "List the known mouse model and its connections.",
     "Shows the known mouse model and, for the receiver and the cable, whether the mouse\n"
     "and vendor interfaces are present, their device paths and the release number.\n"
     "Exit status 1 when neither connection is present.\n"},
    {CliCommand::Status, "status", "",
     "Ask the mouse for its battery level, DPI stage and report rate.",
     "Sends one status request, as the window's status poller does, and prints the\n"
     "battery level (\"MOUSE OFF\" when the mouse is off), the active DPI stage with its\n"
     "DPI value and the report rate.\n"},
    {CliCommand::Show, "show", "[--json]",
     "Print the stored settings.",
     "Prints the settings as the program loads them at start-up: the device-wide\n"
     "options, the five profile slots and, for the active profile, the report rate, the\n"
     "DPI stages, the lighting, every button's function and the macros.\n"
     "\n"
     "  --json   print one JSON object instead of text\n"},
    {CliCommand::Apply, "apply", "",
     "Send the stored settings to the mouse.",
     "Loads the stored settings and writes them to the mouse as the window's Apply\n"
     "does: the settings files are saved, the whole configuration is sent, and the\n"
     "outcome is recorded so that a failed write is sent again next time.\n"},
    {CliCommand::SelectProfile, "select-profile", "N",
     "Switch the mouse to on-board profile N (1 to 5).",
     "Tells the mouse to use its on-board profile N, 1 to 5, with the same commands as\n"
     "the window's profile menu.\n"},
    {CliCommand::Export, "export", "[--force] FILE",
     "Save all settings to FILE (.conf).",
     "Writes the device-wide options and the five profiles to FILE, tagged with the\n"
     "current product name, in the form the window's SAVE button writes. An existing\n"
     "FILE is replaced only with --force; nothing but a regular file is written, and\n"
     "never into the program's own settings folder.\n"
     "\n"
     "  --force  replace an existing FILE\n"},
    {CliCommand::Import, "import", "FILE",
     "Load all settings from FILE (.conf) and send them to the mouse.",
     "Reads a file written by export (or by the window's SAVE button), stores its\n"
     "settings and sends them to the mouse as the window's LOAD button does. A file made\n"
     "for another product is refused and nothing changes.\n"},
    {CliCommand::Macros, "macros", "[--json]",
     "List the macros with their event counts.",
     "Lists the macros of the macro library in list order, each with its number of\n"
     "events.\n"
     "\n"
     "  --json   print one JSON object instead of text\n"},
    {CliCommand::Macro, "macro", "SUBCOMMAND ...",
     "Show, import, export, rename, delete or build macros.",
     MACRO_COMMAND_HELP},
    {CliCommand::Watch, "watch", "[--json] [--wait]",
     "Print a line whenever the mouse comes, goes or reports its status.",
     "Follows the mouse's receiver and cable as they are plugged and unplugged, and the\n"
     "status reports of the mouse in use, one line each, until interrupted:\n"
     "\n"
     "  present  MODEL CONNECTION   at the start, for every connected mouse\n"
     "  arrived  MODEL CONNECTION INTERFACE PATH\n"
     "  removed  MODEL CONNECTION INTERFACE PATH\n"
     "  status   MODEL battery LEVEL% stage N rate HZ Hz\n"
     "           (\"battery off\": the mouse is off; \"rate unknown\": a code that names no rate)\n"
     "  switch   PROGRAM \"PROFILE\" RESULT   the window gave the program in front its\n"
     "           profile: RESULT is switched, failed (not sent) or skipped (unsent edits)\n"
     "\n"
     "  --json   print one JSON object per line instead, with the member \"event\"\n"
     "  --wait   keep watching when no mouse is connected at the start\n"
     "\n"
     "Exit status 1 at once when no mouse is connected and --wait is not given.\n"},
    {CliCommand::Set, "set", "[--slot N] [--apply] SETTING VALUE...",
     "Change one setting, with the window's rules.",
     "Changes one setting of the active profile (or of profile slot N) or of the whole\n"
     "mouse, with the same ranges and rules as the window, and stores it for the next\n"
     "apply. With --apply the settings are sent to the mouse at once, as Apply does.\n"
     "A value the window would not accept is refused, nothing is changed, and the exit\n"
     "status is 65.\n"
     "\n"
     "  --slot N     change profile slot N (1 to 5) instead of the active one\n"
     "  --apply      send the settings to the mouse after storing them\n"
     "\n"
     "Settings:\n"
     "  dpi STAGE X[,Y]          the DPI of stage STAGE (1 to the mouse's stage count);\n"
     "                           a value between two the sensor takes becomes the nearest\n"
     "                           one, and the tool says which; Y only for sensors with\n"
     "                           separate X and Y, on an unlinked stage\n"
     "  dpi STAGE on|off|link|unlink\n"
     "                           switch a stage on or off, link or unlink its X and Y\n"
     "                           (several of these and a value may follow one STAGE)\n"
     "  stage STAGE              the current DPI stage\n"
     "  rate 125|250|500|1000    the report rate in Hz\n"
     "  lift 1|2                 the lift-off distance in mm (whole mouse)\n"
     "  sync on|off              motion sync (whole mouse)\n"
     "  angle-snapping on|off    angle snapping (whole mouse)\n"
     "  jitter on|off            the jitter filter (whole mouse)\n"
     "  debounce 1..255          the key response time (whole mouse)\n"
     "  scroll 1..20             the wheel's scroll speed\n"
     "  led EFFECT [color RRGGBB] [brightness 1..3] [speed 1..5]\n"
     "                           the lighting effect, by its menu name or number (0 to\n"
     "                           11), with the settings that effect has\n"
     "  led sleep MINUTES        the lighting's sleep time\n"
     "  led move-off on|off      turn the light off while the mouse moves\n"
     "  button B FUNCTION [ARGS] what button B does; B is 1 to the mouse's button count,\n"
     "                           wheel-up or wheel-down\n"
     "  apply-on-arrival on|off  write the stored settings to a mouse that arrives\n"
     "                           without them (after a re-plug or a failed write); for\n"
     "                           mice that forget their settings. Off by default.\n"
     "  pointer-speed 1..20      the desktop's pointer speed kept with the profile (10 is\n"
     "                           the desktop's default)\n"
     "  desktop-pointer-speed on|off\n"
     "                           whether each apply also sets the desktop's pointer speed\n"
     "                           to the profile's, through the desktop's own setting (GNOME,\n"
     "                           Cinnamon, MATE, Plasma, Xfce, or the X server's devices).\n"
     "                           Off by default.\n"
     "\n"
     "Button functions: a label of the window's menus (\"Middle\", \"DPI +\",\n"
     "\"Volume Up\", \"Button Off\", ...), or one of:\n"
     "  key KEY                          one key, by its name (\"F5\", \"Page Up\")\n"
     "  combo KEY+KEY...                 Shift, Ctrl, Win and Alt with one other key\n"
     "  fire left|right|middle|KEY TIMES DELAY\n"
     "                                   repeat a click or key; TIMES and DELAY 1..255\n"
     "  sniper STEP                      the sniper step of the mouse's sensor\n"
     "  macro NAME [times N|while-held|toggle]\n"
     "  gun NAME [times N|while-held|toggle]\n"
     "                                   a recorded macro or gun file (not on button 1)\n"
     "Key names are those the window shows, in French when the window is in French.\n"
     "The last \"Left\" button cannot be given another function.\n"},
    {CliCommand::Get, "get", "[--slot N] SETTING [ARGS]",
     "Print one setting as set takes it.",
     "Prints one setting of the active profile (or of profile slot N) or of the whole\n"
     "mouse, in the form 'set' takes it, so that 'zelmouse-cli set SETTING ARGS $(zelmouse-cli\n"
     "get SETTING ARGS)' stores it again. SETTING and ARGS are those of 'set' without the\n"
     "value: dpi STAGE, stage, rate, lift, sync, angle-snapping, jitter, debounce, scroll,\n"
     "led, led sleep, led move-off, button B, apply-on-arrival, pointer-speed,\n"
     "desktop-pointer-speed.\n"
     "\n"
     "  --slot N     read profile slot N (1 to 5) instead of the active one\n"},
    {CliCommand::Profiles, "profiles", "[--json]",
     "List the profile library and the five slots.",
     "Prints the current product's profile library, in menu order, with the slot that\n"
     "holds each profile, and the names of the five slots with the active one marked.\n"
     "\n"
     "  --json   print one JSON object instead of text\n"},
    {CliCommand::Profile, "profile", "ACTION [ARGUMENTS]",
     "Manage the profile library, as the window's library controls do.",
     "  use NAME           put library profile NAME into the active slot\n"
     "  add                add \"Profile n\" (the first free n) made from the default\n"
     "                     profile and put it into the active slot\n"
     "  copy               copy the active slot's profile as \"NAME copy\" (then\n"
     "                     \"NAME copy 2\" ...) and put the copy into the active slot\n"
     "  rename OLD NEW     rename a profile, its files and every slot holding it\n"
     "  delete NAME        delete a library profile; when the active slot holds it,\n"
     "                     the next free library profile takes its place\n"
     "  export NAME FILE [--force]\n"
     "                     write profile NAME to FILE (.prof), tagged with the product;\n"
     "                     an existing FILE is replaced whole, and only with --force\n"
     "  import FILE        copy FILE (.prof) of this product into the library, put it\n"
     "                     into the active slot and send the settings to the mouse\n"
     "\n"
     "Names the window would refuse are refused before any file is touched, and no\n"
     "existing profile file is ever overwritten. The slot changes are stored at once;\n"
     "'apply' sends them to the mouse (import sends them itself).\n"},
    {CliCommand::SelectSlot, "select-slot", "N",
     "Make slot N (1 to 5) the active slot, on the mouse too.",
     "Makes profile slot N, 1 to 5, the active slot and tells the mouse to use it, as\n"
     "the window's slot menu does. Same as select-profile.\n"},
    {CliCommand::Reset, "reset", "[--all]",
     "Reset the active profile, or everything, to factory values and send it.",
     "Gives the active slot's profile its factory values and sends the settings to the\n"
     "mouse, as the window's RESET does. With --all, as Reset All: the device-wide\n"
     "options and slot 1 get their factory values, the slots their default names\n"
     "\"Profile 1\" to \"Profile 5\", slot 1 becomes active and everything is sent.\n"
     "\n"
     "  --all    reset all profiles\n"},
    {CliCommand::AppProfiles, "app-profiles", "[--json]",
     "List the rules that give programs their profiles.",
     "Prints the rules of the window's \"Programs\" dialog, in order: each a program (window\n"
     "class or instance name, or program file name) and the library profile that goes\n"
     "into the active slot when it comes to the front, and the profile for every other\n"
     "program.\n"
     "\n"
     "  --json   print one JSON object instead of text\n"},
    {CliCommand::AppProfile, "app-profile", "ACTION [ARGUMENTS]",
     "Add, remove or change the rules that give programs their profiles.",
     APP_PROFILE_COMMAND_HELP},
    {CliCommand::Help, "help", "[COMMAND]",
     "Show the help of the tool or of a command.",
     "Shows the help of the tool, or of COMMAND.\n"},
};

const CommandInfo *commandInfo(CliCommand command)
{
    for (const CommandInfo &info : kCommands) {
        if (info.command == command)
            return &info;
    }
    return nullptr;
}

const CommandInfo *commandNamed(const QString &name)
{
    for (const CommandInfo &info : kCommands) {
        if (name == QLatin1String(info.name))
            return &info;
    }
    return nullptr;
}

// QCommandLineParser wants a value for every valued option; "--emulate" alone takes the default.
QStringList normaliseEmulate(QStringList arguments)
{
    for (QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--emulate"))
            argument = QStringLiteral("--emulate=") + QLatin1String(kDefaultEmulatedConnection);
    }
    return arguments;
}

QString sentence(QString text)
{
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

void parseCommand(CliArguments &result, const CommandInfo &info, const QStringList &arguments)
{
    // Their values may look like options ("-", "=") and their options may come last.
    if (info.command == CliCommand::Set || info.command == CliCommand::Get)
        return parseSettingCommand(result, arguments);
    // The macro subcommands have options of their own.
    if (info.command == CliCommand::Macro) {
        result.macroArguments = arguments;
        result.help = arguments.isEmpty() || arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h");
        return;
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption wait(QStringLiteral("wait"), QString());
    parser.addOption(help);
    const QCommandLineOption all(QStringLiteral("all"), QString());
    const bool takesJson = info.command == CliCommand::Show || info.command == CliCommand::Macros
        || info.command == CliCommand::Watch || info.command == CliCommand::Profiles
        || info.command == CliCommand::AppProfiles;
    if (takesJson)
        parser.addOption(json);
    if (info.command == CliCommand::Watch)
        parser.addOption(wait);
    if (info.command == CliCommand::Reset)
        parser.addOption(all);
    const QCommandLineOption force(QStringLiteral("force"), QString());
    const bool takesForce = info.command == CliCommand::Export || info.command == CliCommand::Profile;
    if (takesForce)
        parser.addOption(force);

    QStringList withProgram = arguments;
    withProgram.prepend(QStringLiteral("zelmouse-cli"));
    if (!parser.parse(withProgram)) {
        result.error = sentence(parser.errorText()) + QStringLiteral(" See 'zelmouse-cli %1 --help'.").arg(QLatin1String(info.name));
        return;
    }
    if (parser.isSet(help)) {
        result.help = true;
        return;
    }
    result.json = takesJson && parser.isSet(json);
    result.wait = info.command == CliCommand::Watch && parser.isSet(wait);
    result.all = info.command == CliCommand::Reset && parser.isSet(all);
    result.force = takesForce && parser.isSet(force);

    const QStringList positional = parser.positionalArguments();
    const auto wrongCount = [&](const char *expected) {
        result.error = QStringLiteral("'%1' %2. See 'zelmouse-cli %1 --help'.")
                           .arg(QLatin1String(info.name), QLatin1String(expected));
    };
    switch (info.command) {
    case CliCommand::Profile:
        parseProfileArguments(result, positional);
        if (result.error.isEmpty() && result.force && result.profileAction != QLatin1String("export"))
            result.error = QStringLiteral("'--force' belongs to 'profile export' only. See 'zelmouse-cli profile --help'.");
        return;
    case CliCommand::AppProfile:
        return parseAppProfileArguments(result, positional);
    case CliCommand::SelectProfile:
    case CliCommand::SelectSlot: {
        if (positional.size() != 1)
            return wrongCount("takes one profile number, 1 to 5");
        bool ok = false;
        const int slot = positional.first().toInt(&ok);
        if (!ok || slot < 1 || slot > 5) {
            result.error = QStringLiteral("The profile number must be 1, 2, 3, 4 or 5, not '%1'.").arg(echoed(positional.first()));
            return;
        }
        result.slot = slot;
        return;
    }
    case CliCommand::Export:
    case CliCommand::Import:
        if (positional.size() != 1 || positional.first().isEmpty())
            return wrongCount("takes one file name");
        result.file = positional.first();
        return;
    case CliCommand::Help:
        if (positional.size() > 1)
            return wrongCount("takes at most one command name");
        if (positional.size() == 1) {
            const CommandInfo *about = commandNamed(positional.first());
            if (!about) {
                result.error = QStringLiteral("There is no command '%1'. See 'zelmouse-cli --help'.").arg(echoed(positional.first()));
                return;
            }
            result.command = about->command;
        } else {
            result.command = CliCommand::None;
        }
        result.help = true;
        return;
    default:
        if (!positional.isEmpty()) {
            result.error = QStringLiteral("'%1' takes no arguments, but '%2' was given. See 'zelmouse-cli %1 --help'.")
                               .arg(QLatin1String(info.name), echoed(positional.first()));
        }
        return;
    }
}

} // namespace

CliArguments parseCliArguments(const QStringList &arguments)
{
    CliArguments result;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Options belong to the tool only up to the command; the rest is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption appDir(QStringLiteral("app-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption emulate(QStringLiteral("emulate"), QString(), QStringLiteral("CONNECTION"));
    const QCommandLineOption trace(QStringLiteral("trace"), QString());
    parser.addOptions({help, version, appDir, emulate, trace});

    QStringList withProgram = normaliseEmulate(arguments);
    withProgram.prepend(QStringLiteral("zelmouse-cli"));
    if (!parser.parse(withProgram)) {
        result.error = sentence(parser.errorText()) + QStringLiteral(" See 'zelmouse-cli --help'.");
        return result;
    }

    // A second value may be a slip that would act on other files: say so rather than guess.
    for (const QCommandLineOption *valued : {&appDir, &emulate}) {
        if (parser.values(*valued).size() > 1) {
            result.error = QStringLiteral("--%1 is given more than once.").arg(valued->names().constFirst());
            return result;
        }
    }
    if (parser.isSet(appDir)) {
        result.appDir = parser.value(appDir);
        if (result.appDir.isEmpty()) {
            result.error = QStringLiteral("--app-dir needs a directory name.");
            return result;
        }
    }
    if (parser.isSet(emulate)) {
        result.emulate = true;
        result.emulateMode = parser.value(emulate);
        if (emulatedConnectionFromName(result.emulateMode) == 0) {
            result.error = QStringLiteral("--emulate takes receiver, cable or both, not '%1'.").arg(echoed(result.emulateMode));
            return result;
        }
    }
    result.trace = parser.isSet(trace);
    result.version = parser.isSet(version);
    result.help = parser.isSet(help);
    if (result.help || result.version)
        return result;

    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        result.error = QStringLiteral("No command was given. See 'zelmouse-cli --help'.");
        return result;
    }
    const QString name = rest.takeFirst();
    const CommandInfo *info = commandNamed(name);
    if (!info) {
        result.error = QStringLiteral("There is no command '%1'. See 'zelmouse-cli --help'.").arg(echoed(name));
        return result;
    }
    result.command = info->command;
    parseCommand(result, *info, rest);
    return result;
}

QVector<CliCommand> cliCommands()
{
    QVector<CliCommand> commands;
    for (const CommandInfo &info : kCommands)
        commands.append(info.command);
    return commands;
}

QString cliCommandName(CliCommand command)
{
    const CommandInfo *info = commandInfo(command);
    return info ? QString::fromLatin1(info->name) : QString();
}

QString cliToolHelp()
{
    QString text = QStringLiteral(
        "Usage: zelmouse-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
        "\n"
        "Reads, checks and writes the mouse's settings without the window, using the same\n"
        "settings files and the same device commands.\n"
        "\n"
        "Options:\n"
        "  --app-dir DIR       use DIR as the application directory (its DefaultProfile.bin\n"
        "                      and Configs folder) instead of the program's own\n"
        "  --emulate[=CONN]    talk to the emulated mouse; CONN is receiver (default),\n"
        "                      cable or both\n"
        "  --trace             print the device traces on standard error\n"
        "  -h, --help          show this help\n"
        "  -v, --version       show the version\n"
        "\n"
        "Commands:\n");
    for (const CommandInfo &info : kCommands) {
        const QString head = (QLatin1String(info.name) + QLatin1Char(' ') + QLatin1String(info.synopsis)).trimmed();
        if (head.size() > 20) // the summary goes under a long synopsis
            text += QStringLiteral("  %1\n%2%3\n").arg(head, QString(23, QLatin1Char(' ')), QLatin1String(info.summary));
        else
            text += QStringLiteral("  %1 %2\n").arg(head, -20).arg(QLatin1String(info.summary));
    }
    text += QStringLiteral(
        "\n"
        "Run 'zelmouse-cli COMMAND --help' for a command's help.\n"
        "\n"
        "Exit status: 0 success, 1 no mouse connected, 2 the mouse did not answer,\n"
        "4 a write to the mouse failed, 64 wrong usage, 65 a file, a value or a profile\n"
        "name that cannot be used, 74 the settings cannot be stored, 75 another program\n"
        "is talking to the mouse.\n");
    return text;
}

QString cliCommandHelp(CliCommand command)
{
    const CommandInfo *info = commandInfo(command);
    if (!info)
        return cliToolHelp();
    const QString synopsis = (QLatin1String(info->name) + QLatin1Char(' ') + QLatin1String(info->synopsis)).trimmed();
    return QStringLiteral("Usage: zelmouse-cli [OPTIONS] %1\n\n%2\n\n%3")
        .arg(synopsis, QLatin1String(info->summary), QLatin1String(info->details));
}

void parseCommandAction(CliArguments &result, const QStringList &positional, const QString &command,
                        const CommandAction *actions, int actionCount, const QString &actionList)
{
    const QString see = QStringLiteral(" See 'zelmouse-cli %1 --help'.").arg(command);
    if (positional.isEmpty()) {
        result.error = QStringLiteral("'%1' needs an action: %2.").arg(command, actionList) + see;
        return;
    }
    const QString action = positional.first();
    for (int i = 0; i < actionCount; ++i) {
        const CommandAction &known = actions[i];
        if (action != QLatin1String(known.name))
            continue;
        if (positional.size() - 1 != known.argumentCount) {
            result.error = QStringLiteral("'%1 %2' takes %3.").arg(command, action, QLatin1String(known.arguments)) + see;
            return;
        }
        result.profileAction = action;
        result.names = positional.mid(1);
        return;
    }
    result.error = QStringLiteral("There is no %1 action '%2'.").arg(command, echoed(action)) + see;
}
