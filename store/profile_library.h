#pragma once
#include <QString>
#include <QStringList>

struct DeviceSettings;
struct ProfileData;

// The per-product profile library and the five slots that hold its profiles: every workflow
// of the window's library controls, without widgets, so that the window and zelmouse-cli
// follow the same rules. Each workflow checks everything first and changes nothing unless it
// returns Ok; none overwrites an existing profile file.
//
// A profile name has two files: the library's ("<config>/<product>/Profile/<name>.prof",
// made by add, copy and import) and the slot file ("<config>/Profile/<name>.prof", written by
// every apply). The slot file, when there is one, is the newer of the two.

enum class LibraryOutcome {
    Ok,
    NameRefused,       // empty, too long, unsafe as a file name, or reserved
    NameExists,        // a profile file of that name exists
    DefaultName,       // "Profile 1".."Profile 5" are neither renamed nor deleted
    UsedByOtherSlot,   // another slot holds that profile
    LastEntry,         // the library keeps at least one profile
    NoFreeReplacement, // every other library profile is in another slot
    NotFound,          // no such library entry, or no file for it
    WrongProduct,      // a file made for another product
    NoProduct,         // no current product, so no library folder
    FileUnreadable,    // the chosen file is missing or not a readable file
    FileFailed,        // a copy, rename, removal or write failed; nothing was changed
    ValueOutOfRange,   // the chosen file holds a value the window would not take (firstValueOutOfRange)
};

constexpr int kProfileNameMaxLength = 100;

// "Profile 1".."Profile 5"; `slot` 0..4.
QString defaultProfileName(int slot);
bool isDefaultProfileName(const QString &name);
// True when a slot other than the active one holds `name`.
bool isUsedByOtherSlot(const DeviceSettings &settings, const QString &name);
// Ok, or NameRefused for a name no profile or macro may have: unsafe as a file name, longer
// than kProfileNameMaxLength, blanks at either end, "DefaultProfile" in any letter case, or a
// default name in other letter case.
LibraryOutcome checkProfileName(const QString &name);
// A library or slot file of that name exists.
bool profileNameTaken(const QString &name);

// The stored library list, without entries that are unusable or have no file (traced).
QStringList loadLibraryNames();

// The newest file of `name` into `profile` (slot file, else library file), with its
// ProfileName set; false (and `profile` untouched) when neither exists.
bool loadNamedProfile(ProfileData &profile, const QString &name);

// The library entry `name` into the active slot; nothing is written.
LibraryOutcome useLibraryProfile(DeviceSettings &settings, const QString &name);

// Renames `from` to `to`: both files, the library entry and every slot holding it; the
// library list, slot names and active slot are stored at once so that the next start finds
// the renamed files. `refuseDefault` refuses default names (the name edit's rename does; the
// library button's does not).
LibraryOutcome renameProfile(DeviceSettings &settings, QStringList &library, const QString &from,
                             const QString &to, bool refuseDefault);

// Add: a new "Profile n" (smallest free n) from the default profile file, appended to the
// library and put into the active slot. `created` receives its name.
LibraryOutcome addProfile(DeviceSettings &settings, QStringList &library, QString *created);

// Copy: the active slot's profile as "<name> copy" (then " copy 2", " copy 3" ...), appended
// to the library; the active slot takes the copy's name, its settings stay as they are.
LibraryOutcome copyActiveProfile(DeviceSettings &settings, QStringList &library, QString *created);

// Whether `name` may be deleted, and the profile that then takes the active slot when the
// active slot holds it (empty otherwise). The replacement is the entry after the deleted
// one (before it for the last entry), walking backwards past entries held by other slots;
// the walk skips the deleted entry and goes on from the end of the list, and the delete is
// refused when it comes round without a free entry.
LibraryOutcome checkDeleteProfile(const DeviceSettings &settings, const QStringList &library,
                                  const QString &name, QString *replacement);
LibraryOutcome deleteProfile(DeviceSettings &settings, QStringList &library, const QString &name,
                             QString *replacement);

// Import of one ".prof": refused for another product's file, a name that is taken or a value
// out of range, before
// anything is copied; then copied into the library under its base name and put into the
// active slot. Sending it to the mouse is the caller's.
LibraryOutcome importProfile(DeviceSettings &settings, QStringList &library, const QString &file,
                             QString *imported);

// Export of one profile: its newest file, tagged with the current product name, to `target`.
// The profile's own files are not touched; an existing target is replaced atomically (the
// caller has asked), and is left as it was when the export fails.
LibraryOutcome exportProfile(const QString &name, const QString &target);

// SAVE: all settings tagged with the current product name, replacing `target` atomically.
LibraryOutcome exportConfiguration(const DeviceSettings &settings, const QString &target);
// LOAD: the settings of a ".conf" of the current product; WrongProduct and ValueOutOfRange
// change nothing.
LibraryOutcome importConfiguration(DeviceSettings &settings, const QString &file);
