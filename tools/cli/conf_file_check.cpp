#include "tools/cli/conf_file_check.h"

#include "tools/cli/cli_output.h"

#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/ini_file.h"
#include "store/profile_files.h"
#include "store/value_ranges.h"

#include <QFileInfo>

namespace {
ConfFileVerdict refuse(const QString &reason)
{
    return {false, reason};
}

} // namespace

ConfFileVerdict checkImportFile(const QString &file, const QString &currentProduct)
{
    const QFileInfo info(file);
    if (!info.exists())
        return refuse(QStringLiteral("The file '%1' does not exist.").arg(file));
    if (!info.isFile())
        return refuse(QStringLiteral("'%1' is not a regular file.").arg(file));
    if (!info.isReadable())
        return refuse(QStringLiteral("The file '%1' cannot be read.").arg(file));

    const IniFile ini(file);
    if (ini.isRefused())
        return refuse(QStringLiteral("'%1' is not a regular file.").arg(file));
    if (!ini.isWellFormed())
        return refuse(QStringLiteral("The file '%1' is not a settings file.").arg(file));
    if (!ini.refusedKeys().isEmpty()) {
        return refuse(QStringLiteral("The file '%1' holds a malformed value (%2); nothing was changed.")
                          .arg(file, echoed(ini.refusedKeys().first())));
    }
    if (!ini.contains(QStringLiteral("MouseName/Name")))
        return refuse(QStringLiteral("The file '%1' names no product; it is not a settings export.").arg(file));
    const QString product = readProductNameOfFile(file);
    if (product != currentProduct) {
        return refuse(QStringLiteral("The file '%1' is for the product \"%2\", not for \"%3\"; nothing was changed.")
                          .arg(file, echoed(product), echoed(currentProduct)));
    }
    // Slot names become profile file names; a name that would leave the profile folder is
    // refused here rather than silently dropped later.
    for (int i = 1; i <= kProfileCount; ++i) {
        const QString name = ini.text(QStringLiteral("Config/Profile%1").arg(i));
        if (!name.isEmpty() && !isSafeFileName(name)) {
            return refuse(QStringLiteral("The file '%1' names profile slot %2 \"%3\", which is not a usable file name; nothing was changed.")
                              .arg(file, QString::number(i), echoed(name)));
        }
    }
    // An import replaces all five profiles: a file cut short would put zeros in their place.
    const QString missing = missingExportKey(ini);
    if (!missing.isEmpty()) {
        return refuse(QStringLiteral("The file '%1' is incomplete (it lacks \"%2\"); nothing was changed.")
                          .arg(file, echoed(missing)));
    }
    const QString outside = valueOutOfRangeRefusal(file);
    if (!outside.isEmpty())
        return refuse(outside);
    return {true, QString()};
}

QString valueOutOfRangeRefusal(const QString &file)
{
    const StoredValueOutOfRange outside = firstValueOutOfRange(file);
    if (outside.key.isEmpty())
        return QString();
    return QStringLiteral("The file '%1' holds %2=%3, outside %4 to %5, the values the window and 'set' take; nothing was changed.")
        .arg(file, echoed(outside.key), QString::number(outside.value), QString::number(outside.minimum),
             QString::number(outside.maximum));
}
