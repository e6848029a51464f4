#include "store/macro_library.h"

#include "platform/regular_file.h"
#include "store/app_paths.h"
#include "store/export_target.h"
#include "store/ini_file.h"
#include "store/profile_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kExtension = QStringLiteral(".MSMACRO");

// Shown by the macro editor's export too.
const char *const kNotRegularTarget = QT_TRANSLATE_NOOP("QObject", "\"%1\" is not a regular file.");
const char *const kSettingsFolderTarget =
    QT_TRANSLATE_NOOP("QObject", "\"%1\" is in the program's own settings folder; nothing is exported there.");

QString tr(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

MacroLibraryResult refused(MacroLibraryError error, const QString &name, const QString &path = QString())
{
    return MacroLibraryResult{error, name, path};
}

} // namespace

QString macroLibraryMessage(const MacroLibraryResult &result)
{
    switch (result.error) {
    case MacroLibraryError::None:
        return QString();
    case MacroLibraryError::BadName:
        return tr("A macro name needs 1 to 100 characters, without /, \\, .., control characters or blanks at "
                  "either end, and cannot be \"DefaultProfile\" or a default profile name in other letter case.");
    case MacroLibraryError::NameTooLong:
        return QCoreApplication::translate("QObject", "A macro name can have at most %1 characters.").arg(kMacroNameMaxLength);
    case MacroLibraryError::ListFull:
        return tr("TOO MANY MACROS TO BE CREATE!");
    case MacroLibraryError::Exists:
        return tr("Macro Exist!");
    case MacroLibraryError::NotFound:
        return tr("There is no macro named \"%1\".").arg(result.name);
    case MacroLibraryError::NotMacroFile:
        return tr("\"%1\" is not a macro file.").arg(QDir::toNativeSeparators(result.path));
    case MacroLibraryError::TargetExists:
        return tr("\"%1\" already exists.").arg(QDir::toNativeSeparators(result.path));
    case MacroLibraryError::NotRegularTarget:
        return tr(kNotRegularTarget).arg(QDir::toNativeSeparators(result.path));
    case MacroLibraryError::SettingsFolderTarget:
        return tr(kSettingsFolderTarget).arg(QDir::toNativeSeparators(result.path));
    case MacroLibraryError::WriteFailed:
        return tr("\"%1\" could not be written.").arg(QDir::toNativeSeparators(result.path));
    }
    return QString();
}

QString cleanMacroName(const QString &typed)
{
    return typed.trimmed();
}

MacroLibraryError macroNameError(const QString &name)
{
    if (name.size() > kMacroNameMaxLength)
        return MacroLibraryError::NameTooLong;
    // The profiles' rule, so that one name means the same wherever it is typed.
    if (checkProfileName(name) != LibraryOutcome::Ok || macroFilePath(name).isEmpty())
        return MacroLibraryError::BadName;
    return MacroLibraryError::None;
}

bool isUsableMacroName(const QString &name)
{
    return macroNameError(name) == MacroLibraryError::None;
}

bool macroNameTaken(const QString &name)
{
    return macroFileExists(name) || listMacroNames().contains(name);
}

QString freeMacroName(const QString &base)
{
    QString candidate = base;
    for (int n = 2; macroNameTaken(candidate); ++n)
        candidate = base + QStringLiteral("_%1").arg(n);
    return candidate;
}

QString nextNewMacroName()
{
    QString candidate;
    int n = 1;
    do {
        candidate = QStringLiteral("name_%1").arg(n++);
    } while (macroNameTaken(candidate));
    return candidate;
}

MacroLibraryResult createMacro(const QString &name, const MacroFile &macro)
{
    if (!isUsableMacroName(name))
        return refused(macroNameError(name), name);
    if (countMacros() >= kMacroListSize)
        return refused(MacroLibraryError::ListFull, name);
    if (macroNameTaken(name))
        return refused(MacroLibraryError::Exists, name);
    if (!writeMacroFile(name, macro) || !macroFileExists(name))
        return refused(MacroLibraryError::WriteFailed, name, macroFilePath(name));
    if (!addMacroName(name)) {
        removeMacroFile(name);
        return refused(MacroLibraryError::WriteFailed, name, configFilePath());
    }
    return MacroLibraryResult{MacroLibraryError::None, name, macroFilePath(name)};
}

MacroLibraryResult createNumberedMacro(const QString &name, const MacroFile &macro)
{
    const QString clean = cleanMacroName(name);
    if (!isUsableMacroName(clean))
        return refused(macroNameError(clean), clean);
    return createMacro(freeMacroName(clean), macro);
}

MacroLibraryResult renameMacro(const QString &oldName, const QString &typed)
{
    const QString clean = cleanMacroName(typed);
    if (!isUsableMacroName(clean))
        return refused(macroNameError(clean), clean);
    if (!macroFileExists(oldName) && !listMacroNames().contains(oldName))
        return refused(MacroLibraryError::NotFound, oldName);
    if (clean == oldName)
        return MacroLibraryResult{MacroLibraryError::None, oldName, macroFilePath(oldName)};
    const QString target = freeMacroName(clean);
    if (!isUsableMacroName(target))
        return refused(macroNameError(target), target);
    // All or nothing: when the file cannot take its new path or the list its new name, the
    // file goes back.
    const bool hasFile = macroFileExists(oldName);
    if (hasFile) {
        if (!renameMacroFile(oldName, target))
            return refused(MacroLibraryError::WriteFailed, target, macroFilePath(target));
        // The file records its own path.
        if (!writeMacroFile(target, readMacroFile(target), false)) {
            renameMacroFile(target, oldName);
            return refused(MacroLibraryError::WriteFailed, target, macroFilePath(target));
        }
    }
    if (!renameMacroName(oldName, target)) {
        if (hasFile && renameMacroFile(target, oldName))
            writeMacroFile(oldName, readMacroFile(oldName), false);
        return refused(MacroLibraryError::WriteFailed, target, configFilePath());
    }
    return MacroLibraryResult{MacroLibraryError::None, target, macroFilePath(target)};
}

MacroLibraryResult deleteMacro(const QString &name)
{
    const bool listed = listMacroNames().contains(name);
    if (!listed && !macroFileExists(name))
        return refused(MacroLibraryError::NotFound, name);
    // The list first: a list that cannot be saved keeps naming a file that is still there.
    if (listed && !removeMacroName(name))
        return refused(MacroLibraryError::WriteFailed, name, configFilePath());
    if (macroFileExists(name) && !removeMacroFile(name)) {
        if (listed)
            addMacroName(name);
        return refused(MacroLibraryError::WriteFailed, name, macroFilePath(name));
    }
    return MacroLibraryResult{MacroLibraryError::None, name, QString()};
}

MacroLibraryResult importMacro(const QString &sourcePath)
{
    const QFileInfo source(sourcePath);
    QString name = source.fileName();
    if (name.endsWith(kExtension, Qt::CaseInsensitive))
        name.chop(kExtension.size());
    if (!source.isFile() || !IniFile(source.absoluteFilePath()).contains(QStringLiteral("Setting/Count")))
        return refused(MacroLibraryError::NotMacroFile, name, sourcePath);
    if (!isUsableMacroName(name))
        return refused(macroNameError(name), name);
    if (macroNameTaken(name))
        return refused(MacroLibraryError::Exists, name);
    if (countMacros() >= kMacroListSize)
        return refused(MacroLibraryError::ListFull, name);
    if (!importMacroFile(source.absoluteFilePath(), name))
        return refused(MacroLibraryError::WriteFailed, name, macroFilePath(name));
    if (!addMacroName(name)) {
        removeMacroFile(name);
        return refused(MacroLibraryError::WriteFailed, name, configFilePath());
    }
    return MacroLibraryResult{MacroLibraryError::None, name, macroFilePath(name)};
}

MacroLibraryResult exportMacro(const QString &name, const QString &target, bool overwrite)
{
    if (!macroFileExists(name))
        return refused(MacroLibraryError::NotFound, name);
    // A folder as the target gets the macro's own file name.
    const QFileInfo given(target);
    const QString path = given.isDir() && !given.isSymLink() ? macroExportPath(target, name) : target;
    switch (checkExportTarget(path, overwrite)) {
    case ExportTarget::Usable:
        break;
    case ExportTarget::Exists:
        return refused(MacroLibraryError::TargetExists, name, path);
    case ExportTarget::NotRegular:
        return refused(MacroLibraryError::NotRegularTarget, name, path);
    case ExportTarget::SettingsFolder:
        return refused(MacroLibraryError::SettingsFolderTarget, name, path);
    case ExportTarget::NoFolder:
        return refused(MacroLibraryError::WriteFailed, name, path);
    }
    const RegularFileRead source = readRegularFile(macroFilePath(name));
    const bool written = source.state == RegularFileRead::Regular && replaceFileAtomically(path, [&](const QString &staging) {
        QFile out(staging);
        return out.open(QIODevice::WriteOnly) && out.write(source.data) == source.data.size() && out.flush()
            && out.size() == source.data.size();
    });
    if (!written)
        return refused(MacroLibraryError::WriteFailed, name, path);
    return MacroLibraryResult{MacroLibraryError::None, name, path};
}

QString macroExportPath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(fileNameForName(name, kExtension));
}
