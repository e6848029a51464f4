#include "store/macro_library.h"

#include "store/app_paths.h"
#include "store/ini_file.h"
#include "store/profile_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kExtension = QStringLiteral(".MSMACRO");

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
    writeMacroFile(name, macro);
    if (!macroFileExists(name))
        return refused(MacroLibraryError::WriteFailed, name, macroFilePath(name));
    addMacroName(name);
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
    if (macroFileExists(oldName)) {
        if (!renameMacroFile(oldName, target))
            return refused(MacroLibraryError::WriteFailed, target, macroFilePath(target));
        // The file records its own path.
        writeMacroFile(target, readMacroFile(target), false);
    }
    renameMacroName(oldName, target);
    return MacroLibraryResult{MacroLibraryError::None, target, macroFilePath(target)};
}

MacroLibraryResult deleteMacro(const QString &name)
{
    const bool listed = listMacroNames().contains(name);
    if (!listed && !macroFileExists(name))
        return refused(MacroLibraryError::NotFound, name);
    if (macroFileExists(name) && !removeMacroFile(name))
        return refused(MacroLibraryError::WriteFailed, name, macroFilePath(name));
    removeMacroName(name);
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
    addMacroName(name);
    return MacroLibraryResult{MacroLibraryError::None, name, macroFilePath(name)};
}

MacroLibraryResult exportMacro(const QString &name, const QString &target, bool overwrite)
{
    if (!macroFileExists(name))
        return refused(MacroLibraryError::NotFound, name);
    // A folder as the target gets the macro's own file name.
    const QString path = QFileInfo(target).isDir() ? macroExportPath(target, name) : target;
    const QFileInfo info(path);
    if (info.exists() && (!overwrite || !info.isFile()))
        return refused(MacroLibraryError::TargetExists, name, path);
    QFile source(macroFilePath(name));
    QSaveFile out(path);
    if (!source.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return refused(MacroLibraryError::WriteFailed, name, path);
    out.write(source.readAll());
    if (!out.commit())
        return refused(MacroLibraryError::WriteFailed, name, path);
    return MacroLibraryResult{MacroLibraryError::None, name, path};
}

QString macroExportPath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(fileNameForName(name, kExtension));
}
