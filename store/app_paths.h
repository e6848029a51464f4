#pragma once
#include <QString>
#include <functional>

// The application directory: where the executable and the files installed beside it live.
// The command-line tool may point it elsewhere (--app-dir); everything else asks here.
QString applicationDirectory();
void setApplicationDirectoryOverride(const QString &dir);

// "<application directory>/DefaultProfile.bin"
QString productDefinitionPath();

// The folder of the user's settings. "<application directory>/Configs" when that folder can be
// written (build tree, portable copy); otherwise (installed under a system prefix) the per-user
// "<XDG config home>/zelmouse/Configs", seeded on first use with a copy of the installed one.
QString configDirectory();
// "<application directory>/Configs", whether or not it is the one in use.
QString installedConfigDirectory();
// The per-user folder used when the installed one cannot be written.
QString userConfigDirectory();
// For a process that only reads (the tool's reading commands): configDirectory() then makes
// and seeds no folder.
void setSettingsReadOnly(bool reading);
// Replaces the test "can files be created in this folder?" (tests); an empty function restores
// the real probe. The choice of folder is made again on the next configDirectory() call.
void setConfigWritableCheck(std::function<bool(const QString &dir)> check);

// Profile, macro and product names become file and folder names. A safe name is not empty,
// holds no '/', '\\', "..", NUL or other control character, and is at most 255 characters.
bool isSafeFileName(const QString &name);

// Every path the store uses is built here. A path function given an unsafe name returns an
// empty string; callers then neither read nor write.
QString configFilePath();                                   // <config>/Config.ini
QString slotProfilePath(const QString &name);               // <config>/Profile/<name>.prof; "" -> .prof
QString defaultProfilePath();                               // <config>/Profile/DefaultProfile.prof
QString productDirectory(const QString &product);           // <config>/<product>
QString productListPath(const QString &product);            // <config>/<product>/Config.ini
QString productProfilePath(const QString &product, const QString &name); // <config>/<product>/Profile/<name>.prof
QString macroDirectory();                                   // <config>/MacroDB
QString macroFilePath(const QString &name);                 // <config>/MacroDB/<name>.MSMACRO

// The file name used for `name` + `extension`. Normally just that; a name whose encoded form
// would not fit the file system's 255-byte limit (less room for QSettings' lock and temporary
// files; 100 Chinese characters are 300 bytes) is shortened and given a hash of the full name,
// so every safe name maps to one usable file of its own.
QString fileNameForName(const QString &name, const QString &extension);

// File moves that never replace an existing file; false (and nothing done) when `to` exists,
// either path is empty or the source is missing. The copy creates the target's folder.
bool copyFileWithoutOverwrite(const QString &from, const QString &to);
bool renameFileWithoutOverwrite(const QString &from, const QString &to);
// Writes `target` through a staging file beside it, which `fill` is given to write, and
// renames it over the target: an existing target is replaced whole or, when `fill` or the
// rename fails, left as it was. A new target gets the usual 0644 permissions.
bool replaceFileAtomically(const QString &target, const std::function<bool(const QString &staging)> &fill);
