#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &directoryOverride()
{
    static QString dir;
    return dir;
}
} // namespace

QString applicationDirectory()
{
    if (!directoryOverride().isEmpty())
        return directoryOverride();
    return QCoreApplication::applicationDirPath();
}

void setApplicationDirectoryOverride(const QString &dir)
{
    directoryOverride() = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}

QString productDefinitionPath()
{
    return applicationDirectory() + QStringLiteral("/DefaultProfile.bin");
}

QString configDirectory()
{
    return applicationDirectory() + QStringLiteral("/Configs");
}
