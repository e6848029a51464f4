#pragma once
#include <QString>

// Results go to standard output; errors to standard error as one sentence prefixed with the
// tool's name.
void printResult(const QString &text);
void printError(const QString &sentence);
