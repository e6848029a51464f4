#pragma once
#include <QString>
#include <QStringList>

struct CliArguments;

// Profiles that follow the program in front, from the command line: the rules the window's
// "Programs" dialog edits, in the same configuration file. A running window reads them again
// as soon as they are stored.

#define APP_PROFILE_COMMAND_HELP                                                                  \
    "  add MATCH PROFILE       give the program MATCH library profile PROFILE: when it\n"        \
    "                          comes to the front, PROFILE goes into the active slot and\n"      \
    "                          to the mouse; MATCH is a window class or instance name or a\n"    \
    "                          program's file name, letter case ignored (a rule for the\n"       \
    "                          same MATCH is replaced)\n"                                         \
    "  remove MATCH            remove the rule for MATCH\n"                                       \
    "  default PROFILE|none    the profile for every other program; none keeps what is\n"        \
    "                          in the active slot (the default)\n"                                \
    "\n"                                                                                          \
    "The first rule that matches wins. Deleting a library profile removes its rules;\n"          \
    "renaming it renames them.\n"

// `app-profile ACTION ...` into result.profileAction and result.names.
void parseAppProfileArguments(CliArguments &result, const QStringList &positional);

int runAppProfilesCommand(bool json);
int runAppProfileCommand(const QString &action, const QStringList &arguments);
