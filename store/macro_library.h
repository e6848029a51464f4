#pragma once
#include "store/macro_files.h"

#include <QString>
#include <QStringList>

// The macro library as users change it, from the editor and from the command line alike: the
// same name rules, the same refusals, the same texts. Nothing is touched unless the whole
// operation can be done.

enum class MacroLibraryError {
    None,
    BadName,      // empty, or not usable as a file name
    NameTooLong,  // over kMacroNameMaxLength characters
    ListFull,     // 50 macros
    Exists,       // a macro of that name is already there
    NotFound,     // no such macro
    NotMacroFile, // an import that is not a macro file
    TargetExists, // an export target that is already there
    WriteFailed,
};

struct MacroLibraryResult {
    MacroLibraryError error = MacroLibraryError::None;
    QString name; // the macro's name after the operation (or the name refused)
    QString path; // the file named in the message, when there is one
    bool ok() const { return error == MacroLibraryError::None; }
};

// The message a user sees for a refusal (translated when a translator is installed); empty
// for success.
QString macroLibraryMessage(const MacroLibraryResult &result);

// A typed name as it is used: surrounding blanks removed.
QString cleanMacroName(const QString &typed);
// As profile names (checkProfileName), which it applies.
constexpr int kMacroNameMaxLength = 100;
// The one name check for new macros and renames: None, NameTooLong or BadName.
MacroLibraryError macroNameError(const QString &name);
bool isUsableMacroName(const QString &name);
// True when a file or a list entry already carries `name`.
bool macroNameTaken(const QString &name);
// `base`, else `base` + "_2", "_3" ... : the first name no macro carries.
QString freeMacroName(const QString &base);
// "name_1", "name_2" ...: the first one without a file.
QString nextNewMacroName();

// A new macro under exactly `name`.
MacroLibraryResult createMacro(const QString &name, const MacroFile &macro);
// A new macro under `name`, numbered "_2", "_3" ... when taken (gun files).
MacroLibraryResult createNumberedMacro(const QString &name, const MacroFile &macro);
// Renames `oldName` to the typed name, numbered when taken; the same name changes nothing.
MacroLibraryResult renameMacro(const QString &oldName, const QString &typed);
MacroLibraryResult deleteMacro(const QString &name);
// Copies a macro file into the library under its base name; never overwrites ("Macro Exist!").
MacroLibraryResult importMacro(const QString &sourcePath);
// Copies a macro's file to `target` (a folder: the macro's file name in it); an existing file
// is replaced only with `overwrite`. The result's path is the file written.
MacroLibraryResult exportMacro(const QString &name, const QString &target, bool overwrite);
// The file an export of `name` into `folder` writes.
QString macroExportPath(const QString &folder, const QString &name);
