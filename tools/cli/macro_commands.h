#pragma once
#include <QString>
#include <QStringList>

// The macro library from the command line: the same files, names and refusals as the
// window's macro editor.

#define MACRO_COMMAND_HELP                                                                        \
    "Subcommands:\n"                                                                              \
    "  show NAME [--json]          the macro's settings and its events in words\n"                \
    "  import FILE...              copy macro files (.MSMACRO) into the library; a macro\n"       \
    "                              of the same name is never replaced\n"                          \
    "  export NAME FILE [--force]  copy the macro's file to FILE (or into the folder FILE);\n"    \
    "                              an existing file is replaced only with --force\n"              \
    "  rename OLD NEW              rename a macro (NEW_2, NEW_3 ... when NEW is taken)\n"         \
    "  delete NAME                 remove a macro and its file\n"                                 \
    "  gun NAME [--bullets N] [--bullet DELAY,Y,X]...\n"                                          \
    "                              build a gun file: N bullets (1 to 5, default 5), each a\n"     \
    "                              left click, a move of Y down and X right (-100 to 100)\n"      \
    "                              and a delay of 1 to 999 ms; the n-th --bullet sets\n"          \
    "                              bullet n, others are 100,0,0\n"

int runMacrosCommand(bool json);
// `arguments`: the subcommand and its own arguments.
int runMacroCommand(const QStringList &arguments);
