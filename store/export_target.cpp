#include "store/export_target.h"

#include "store/app_paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The folder with symbolic links resolved, so that no other spelling of it gets past.
QString resolvedFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
}

bool isInside(const QString &folder, const QString &root)
{
    const QString resolvedRoot = resolvedFolder(root);
    return folder == resolvedRoot || folder.startsWith(resolvedRoot + QLatin1Char('/'));
}

} // namespace

ExportTarget checkExportTarget(const QString &path, bool replace)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return ExportTarget::NoFolder;
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return ExportTarget::NotRegular;
    if (!info.absoluteDir().exists())
        return ExportTarget::NoFolder;
    const QString folder = resolvedFolder(info.absolutePath());
    if (isInside(folder, configDirectory()) || isInside(folder, installedConfigDirectory()))
        return ExportTarget::SettingsFolder;
    if (info.exists() && !replace)
        return ExportTarget::Exists;
    return ExportTarget::Usable;
}

QString exportTargetRefusal(ExportTarget verdict, const QString &path)
{
    switch (verdict) {
    case ExportTarget::Usable:
        break;
    case ExportTarget::Exists:
        return QStringLiteral("'%1' already exists; nothing was exported. Add --force to replace it.").arg(path);
    case ExportTarget::NotRegular:
        return QStringLiteral("'%1' is not a regular file; nothing was exported.").arg(path);
    case ExportTarget::SettingsFolder:
        return QStringLiteral("'%1' is in the program's own settings folder, which an export never writes to; "
                              "nothing was exported.").arg(path);
    case ExportTarget::NoFolder:
        return QStringLiteral("The folder of '%1' does not exist; nothing was exported.").arg(path);
    }
    return QString();
}
