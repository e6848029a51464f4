#pragma once
#include <QString>

// Results go to standard output; errors to standard error as one sentence prefixed with the
// tool's name.
void printResult(const QString &text);
void printError(const QString &sentence);

// A value the user typed or a file held, as an error message repeats it: control and format
// characters (which could drive the terminal or turn the text around) as '?', and cut after
// 40 characters.
QString echoed(const QString &value);
