#pragma once
#include <QString>

// The application directory: where the executable and the files installed beside it live.
// The command-line tool may point it elsewhere (--app-dir); everything else asks here.
QString applicationDirectory();
void setApplicationDirectoryOverride(const QString &dir);

// "<application directory>/DefaultProfile.bin"
QString productDefinitionPath();

// The folder of the user's settings: "<application directory>/Configs".
QString configDirectory();
