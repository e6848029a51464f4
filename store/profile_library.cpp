#include "store/profile_library.h"

#include "store/app_paths.h"
#include "store/app_rules.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"
#include "store/value_ranges.h"
#include "store/store_log.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The template of new profiles lives in the same folders under this name.
const QString kReservedName = QStringLiteral("DefaultProfile");
// Enough for any library a person keeps; bounds the search for a free name.
constexpr int kNameSearchLimit = 10000;

bool hasLibraryFolder()
{
    return !productDirectory(readCurrentProductName()).isEmpty();
}

// The file holding the newest settings of `name`: the slot file that apply writes, else the
// library file; empty when neither exists.
QString newestFileOf(const QString &name)
{
    const QString slotFile = slotProfilePath(name);
    if (fileExists(slotFile))
        return slotFile;
    const QString libraryFile = libraryProfilePath(name);
    return fileExists(libraryFile) ? libraryFile : QString();
}

void putIntoActiveSlot(DeviceSettings &settings, const QString &name, const QString &file)
{
    ProfileData &profile = settings.active();
    loadProfile(0, profile, file);
    profile.ProfileName = name;
    settings.ProfileNames[settings.activeIndex()] = name;
}

// Renames one file of a profile when it exists; true when there was nothing to rename.
bool renameIfPresent(const QString &from, const QString &to)
{
    if (!fileExists(from))
        return true;
    if (renameFileWithoutOverwrite(from, to))
        return true;
    qCWarning(lcStore, "Could not rename %s to %s.", qPrintable(from), qPrintable(to));
    return false;
}

bool removeIfPresent(const QString &path)
{
    if (!fileExists(path) || QFile::remove(path))
        return true;
    qCWarning(lcStore, "Could not remove %s.", qPrintable(path));
    return false;
}

bool usableEntry(const QString &name)
{
    return checkProfileName(name) == LibraryOutcome::Ok && profileNameTaken(name);
}

} // namespace

QString defaultProfileName(int slot)
{
    return QString::asprintf("Profile %d", slot + 1);
}

bool isDefaultProfileName(const QString &name)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (name == defaultProfileName(i))
            return true;
    }
    return false;
}

bool isUsedByOtherSlot(const DeviceSettings &settings, const QString &name)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (i != settings.activeIndex() && settings.ProfileNames[i] == name)
            return true;
    }
    return false;
}

LibraryOutcome checkProfileName(const QString &name)
{
    // Leading or trailing blanks make names that look alike but name different files.
    if (!isSafeFileName(name) || name.size() > kProfileNameMaxLength || name.trimmed() != name
        || name.compare(kReservedName, Qt::CaseInsensitive) == 0)
        return LibraryOutcome::NameRefused;
    // A shipped name in other letter case would pass for it, and be its file where case does not count.
    for (int i = 0; i < kProfileCount; ++i) {
        const QString shipped = defaultProfileName(i);
        if (name != shipped && name.compare(shipped, Qt::CaseInsensitive) == 0)
            return LibraryOutcome::NameRefused;
    }
    return LibraryOutcome::Ok;
}

bool profileNameTaken(const QString &name)
{
    const QString slotFile = slotProfilePath(name);
    const QString libraryFile = libraryProfilePath(name);
    return (!slotFile.isEmpty() && QFileInfo::exists(slotFile)) || (!libraryFile.isEmpty() && QFileInfo::exists(libraryFile));
}

QStringList loadLibraryNames()
{
    QStringList names;
    for (const QString &name : loadProductProfileList()) {
        if (!usableEntry(name) || names.contains(name)) {
            qCDebug(lcStore, "The profile list names \"%s\", which has no usable file; it is left out.", qPrintable(name));
            continue;
        }
        names.append(name);
    }
    return names;
}

bool loadNamedProfile(ProfileData &profile, const QString &name)
{
    const QString file = newestFileOf(name);
    if (file.isEmpty())
        return false;
    loadProfile(0, profile, file);
    profile.ProfileName = name;
    return true;
}

LibraryOutcome useLibraryProfile(DeviceSettings &settings, const QString &name)
{
    if (isUsedByOtherSlot(settings, name))
        return LibraryOutcome::UsedByOtherSlot;
    if (checkProfileName(name) != LibraryOutcome::Ok)
        return LibraryOutcome::NameRefused;
    const QString file = newestFileOf(name);
    if (file.isEmpty())
        return LibraryOutcome::NotFound;
    putIntoActiveSlot(settings, name, file);
    return LibraryOutcome::Ok;
}

LibraryOutcome renameProfile(DeviceSettings &settings, QStringList &library, const QString &from,
                             const QString &to, bool refuseDefault)
{
    if (refuseDefault && isDefaultProfileName(from))
        return LibraryOutcome::DefaultName;
    if (to == from)
        return LibraryOutcome::Ok;
    if (checkProfileName(to) != LibraryOutcome::Ok)
        return LibraryOutcome::NameRefused;
    if (profileNameTaken(to))
        return LibraryOutcome::NameExists;
    if (!hasLibraryFolder())
        return LibraryOutcome::NoProduct;

    // An unsafe old name has no files to rename.
    if (checkProfileName(from) == LibraryOutcome::Ok) {
        if (!renameIfPresent(libraryProfilePath(from), libraryProfilePath(to)))
            return LibraryOutcome::FileFailed;
        if (!renameIfPresent(slotProfilePath(from), slotProfilePath(to))) {
            renameIfPresent(libraryProfilePath(to), libraryProfilePath(from));
            return LibraryOutcome::FileFailed;
        }
    }

    const int position = library.indexOf(from);
    if (position >= 0) {
        library[position] = to;
        saveProductProfileList(library);
    }
    if (from.isEmpty()) {
        // The active slot held a profile never given a name.
        settings.ProfileNames[settings.activeIndex()] = to;
        settings.active().ProfileName = to;
    }
    for (int i = 0; i < kProfileCount && !from.isEmpty(); ++i) {
        if (settings.ProfileNames[i] == from) {
            settings.ProfileNames[i] = to;
            settings.profiles[i].ProfileName = to;
        }
    }
    // The slot names follow the renamed files, or the next start would find no file.
    saveSlotNames(settings);
    saveActiveProfileIndex(settings.activeIndex());
    // The program rules follow too; the files are renamed already, so a failure is only traced.
    if (!from.isEmpty() && !renameProfileInStoredAppRules(from, to))
        qCWarning(lcStore, "The program rules naming \"%s\" could not be changed.", qPrintable(from));
    return LibraryOutcome::Ok;
}

LibraryOutcome addProfile(DeviceSettings &settings, QStringList &library, QString *created)
{
    if (!hasLibraryFolder())
        return LibraryOutcome::NoProduct;
    QString name;
    for (int n = 1; n <= kNameSearchLimit && name.isEmpty(); ++n) {
        const QString candidate = QString::asprintf("Profile %d", n);
        if (!profileNameTaken(candidate))
            name = candidate;
    }
    if (name.isEmpty())
        return LibraryOutcome::NameExists;
    if (!fileExists(defaultProfilePath()))
        writeDefaultProfileFile();
    if (!createLibraryProfile(name)) {
        qCWarning(lcStore, "Could not create the profile file %s.", qPrintable(libraryProfilePath(name)));
        return LibraryOutcome::FileFailed;
    }
    library.append(name);
    saveProductProfileList(library);
    putIntoActiveSlot(settings, name, libraryProfilePath(name));
    if (created)
        *created = name;
    return LibraryOutcome::Ok;
}

LibraryOutcome copyActiveProfile(DeviceSettings &settings, QStringList &library, QString *created)
{
    if (!hasLibraryFolder())
        return LibraryOutcome::NoProduct;
    const QString source = settings.ProfileNames[settings.activeIndex()];
    QString target = source + QStringLiteral(" copy");
    for (int n = 2; profileNameTaken(target) && n <= kNameSearchLimit; ++n)
        target = source + QStringLiteral(" copy ") + QString::number(n);
    if (checkProfileName(target) != LibraryOutcome::Ok)
        return LibraryOutcome::NameRefused;
    if (profileNameTaken(target))
        return LibraryOutcome::NameExists;

    const QString targetFile = libraryProfilePath(target);
    const QString sourceFile = checkProfileName(source) == LibraryOutcome::Ok ? newestFileOf(source) : QString();
    bool copied = false;
    if (!sourceFile.isEmpty()) {
        copied = copyFileWithoutOverwrite(sourceFile, targetFile);
    } else {
        // Never stored under its name: the copy is made from the settings in memory.
        ProfileData profile = settings.active();
        profile.ProfileName = target;
        saveProfile(0, profile, targetFile);
        copied = fileExists(targetFile);
    }
    if (!copied) {
        qCWarning(lcStore, "Could not copy the profile \"%s\" to %s.", qPrintable(source), qPrintable(targetFile));
        return LibraryOutcome::FileFailed;
    }
    library.append(target);
    saveProductProfileList(library);
    settings.ProfileNames[settings.activeIndex()] = target;
    settings.active().ProfileName = target;
    if (created)
        *created = target;
    return LibraryOutcome::Ok;
}

LibraryOutcome checkDeleteProfile(const DeviceSettings &settings, const QStringList &library,
                                  const QString &name, QString *replacement)
{
    if (library.size() <= 1)
        return LibraryOutcome::LastEntry;
    if (isDefaultProfileName(name))
        return LibraryOutcome::DefaultName;
    const int deleted = library.indexOf(name);
    if (deleted < 0)
        return LibraryOutcome::NotFound;
    // Deleting it would leave another slot without its file.
    if (isUsedByOtherSlot(settings, name))
        return LibraryOutcome::UsedByOtherSlot;

    QString chosen;
    if (settings.ProfileNames[settings.activeIndex()] == name) {
        const int count = library.size();
        const int start = deleted == count - 1 ? deleted - 1 : deleted + 1;
        for (int step = 0; step < count; ++step) {
            const int candidate = ((start - step) % count + count) % count;
            const QString &entry = library.at(candidate);
            if (candidate != deleted && !isUsedByOtherSlot(settings, entry) && usableEntry(entry)) {
                chosen = entry;
                break;
            }
        }
        if (chosen.isEmpty())
            return LibraryOutcome::NoFreeReplacement;
    }
    if (replacement)
        *replacement = chosen;
    return LibraryOutcome::Ok;
}

LibraryOutcome deleteProfile(DeviceSettings &settings, QStringList &library, const QString &name,
                             QString *replacement)
{
    QString chosen;
    const LibraryOutcome verdict = checkDeleteProfile(settings, library, name, &chosen);
    if (verdict != LibraryOutcome::Ok)
        return verdict;
    if (checkProfileName(name) == LibraryOutcome::Ok) {
        if (!removeIfPresent(libraryProfilePath(name)) || !removeIfPresent(slotProfilePath(name)))
            return LibraryOutcome::FileFailed;
    }
    library.removeAll(name);
    saveProductProfileList(library);
    if (!chosen.isEmpty()) {
        putIntoActiveSlot(settings, chosen, newestFileOf(chosen));
        // The deleted name must not stay stored as a slot name: its file is gone.
        saveSlotNames(settings);
    }
    // A rule naming a profile that is gone would never switch again.
    if (!removeProfileFromStoredAppRules(name))
        qCWarning(lcStore, "The program rules naming \"%s\" could not be removed.", qPrintable(name));
    if (replacement)
        *replacement = chosen;
    return LibraryOutcome::Ok;
}

LibraryOutcome importProfile(DeviceSettings &settings, QStringList &library, const QString &file,
                             QString *imported)
{
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return LibraryOutcome::FileUnreadable;
    if (!hasLibraryFolder())
        return LibraryOutcome::NoProduct;
    if (readProductNameOfFile(file) != readCurrentProductName())
        return LibraryOutcome::WrongProduct;
    const QString name = info.completeBaseName();
    if (checkProfileName(name) != LibraryOutcome::Ok)
        return LibraryOutcome::NameRefused;
    if (profileNameTaken(name))
        return LibraryOutcome::NameExists;
    if (!firstValueOutOfRange(file).key.isEmpty())
        return LibraryOutcome::ValueOutOfRange;
    if (importLibraryProfile(file) != name) {
        qCWarning(lcStore, "Could not copy %s into the profile library.", qPrintable(file));
        return LibraryOutcome::FileFailed;
    }
    library.append(name);
    saveProductProfileList(library);
    putIntoActiveSlot(settings, name, libraryProfilePath(name));
    if (imported)
        *imported = name;
    return LibraryOutcome::Ok;
}

LibraryOutcome exportProfile(const QString &name, const QString &target)
{
    if (!hasLibraryFolder())
        return LibraryOutcome::NoProduct;
    const QString source = checkProfileName(name) == LibraryOutcome::Ok ? newestFileOf(name) : QString();
    if (source.isEmpty())
        return LibraryOutcome::NotFound;
    const QString product = readCurrentProductName();
    const bool written = replaceFileAtomically(target, [&](const QString &staging) {
        QFile::remove(staging);
        if (!QFile::copy(source, staging))
            return false;
        writeProductNameToFile(product, staging);
        return readProductNameOfFile(staging) == product;
    });
    if (!written) {
        qCWarning(lcStore, "Could not export the profile \"%s\" to %s.", qPrintable(name), qPrintable(target));
        return LibraryOutcome::FileFailed;
    }
    return LibraryOutcome::Ok;
}

LibraryOutcome exportConfiguration(const DeviceSettings &settings, const QString &target)
{
    const QString product = readCurrentProductName();
    const bool written = replaceFileAtomically(target, [&](const QString &staging) {
        writeProductNameToFile(product, staging);
        exportAllSettings(settings, staging);
        return readProductNameOfFile(staging) == product;
    });
    if (!written) {
        qCWarning(lcStore, "Could not save the settings to %s.", qPrintable(target));
        return LibraryOutcome::FileFailed;
    }
    return LibraryOutcome::Ok;
}

LibraryOutcome importConfiguration(DeviceSettings &settings, const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return LibraryOutcome::FileUnreadable;
    const QString product = readCurrentProductName();
    if (product.isEmpty() || readProductNameOfFile(file) != product) {
        qCDebug(lcStore, "%s is a configuration of another product; it is ignored.", qPrintable(file));
        return LibraryOutcome::WrongProduct;
    }
    if (!firstValueOutOfRange(file).key.isEmpty())
        return LibraryOutcome::ValueOutOfRange;
    importAllSettings(settings, file);
    return LibraryOutcome::Ok;
}
