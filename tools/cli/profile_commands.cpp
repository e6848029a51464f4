// The profile library from the command line: profiles and profile ACTION, with the window's
// rules (store/profile_library).
#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/conf_file_check.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/current_product.h"

#include "store/app_rules.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/product_definition.h"
#include "store/export_target.h"
#include "store/profile_files.h"
#include "store/profile_library.h"
#include "store/settings_lock.h"

#include <QFileInfo>

#include <iterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {


const CommandAction kActions[] = {
    {"use", 1, "one profile name"},
    {"add", 0, "no arguments"},
    {"copy", 0, "no arguments"},
    {"rename", 2, "the old and the new name"},
    {"delete", 1, "one profile name"},
    {"export", 2, "a profile name and a file name"},
    {"import", 1, "one file name"},
};

QString refusal(LibraryOutcome outcome, const QString &subject)
{
    switch (outcome) {
    case LibraryOutcome::Ok:
        break;
    case LibraryOutcome::NameRefused:
        return QStringLiteral("That name cannot be a profile name: it needs 1 to 100 characters, without slashes, "
                              "\"..\", control characters or blanks at either end, and cannot be \"DefaultProfile\" or a "
                              "default name in other letter case (\"profile 1\"); nothing was changed.");
    case LibraryOutcome::NameExists:
        return QStringLiteral("A profile named \"%1\" already exists; nothing was changed.").arg(subject);
    case LibraryOutcome::DefaultName:
        return QStringLiteral("The default profile \"%1\" cannot be renamed or deleted.").arg(subject);
    case LibraryOutcome::UsedByOtherSlot:
        return QStringLiteral("The profile \"%1\" is in use in another slot; nothing was changed.").arg(subject);
    case LibraryOutcome::LastEntry:
        return QStringLiteral("The library must keep at least one profile; nothing was deleted.");
    case LibraryOutcome::NoFreeReplacement:
        return QStringLiteral("Every other library profile is in another slot, so none can take the place of \"%1\" "
                              "in the active slot; nothing was deleted.").arg(subject);
    case LibraryOutcome::NotFound:
        return QStringLiteral("There is no profile \"%1\" in the library.").arg(subject);
    case LibraryOutcome::WrongProduct:
        return QStringLiteral("The file '%1' was made for another product; nothing was changed.").arg(subject);
    case LibraryOutcome::NoProduct:
        return QStringLiteral("No mouse model is known yet (Config/CurrentProductName is empty), so there is no profile library.");
    case LibraryOutcome::FileUnreadable:
        return QStringLiteral("The file '%1' does not exist or cannot be read.").arg(subject);
    case LibraryOutcome::FileFailed:
        return QStringLiteral("A profile file could not be written; nothing was changed.");
    case LibraryOutcome::ValueOutOfRange:
        return valueOutOfRangeRefusal(subject);
    }
    return QString();
}

int report(LibraryOutcome outcome, const QString &subject)
{
    printError(refusal(outcome, subject));
    return outcome == LibraryOutcome::FileFailed ? CliExit::CannotSave : CliExit::BadFile;
}

// A profile just made (add, copy, import) whose slots could not be stored is taken out again:
// the command then changed nothing.
int undoIfNotStored(int status, QStringList &library, const QString &name)
{
    if (status == CliExit::CannotSave)
        withdrawNewProfile(library, name);
    return status;
}

int slotOf(const DeviceSettings &settings, const QString &name)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (settings.ProfileNames[i] == name)
            return i + 1;
    }
    return 0;
}

} // namespace

void parseProfileArguments(CliArguments &result, const QStringList &positional)
{
    parseCommandAction(result, positional, QStringLiteral("profile"), kActions, int(std::size(kActions)),
                       QStringLiteral("use, add, copy, rename, delete, export or import"));
}

int runProfilesCommand(bool json)
{
    auto settings = std::make_unique<DeviceSettings>();
    loadAllSettings(*settings);
    const QStringList library = loadLibraryNames();
    const int active = settings->activeIndex();
    // Listing changes nothing: the product is named as a change would settle it.
    const QString stored = readCurrentProductName();
    const QString product = stored.isEmpty() ? productName() : stored;

    if (json) {
        QJsonArray entries;
        for (const QString &name : library) {
            const int slot = slotOf(*settings, name);
            entries.append(QJsonObject{{QStringLiteral("name"), name},
                                       {QStringLiteral("slot"), slot ? QJsonValue(slot) : QJsonValue()}});
        }
        QJsonArray slotList;
        for (int i = 0; i < kProfileCount; ++i) {
            slotList.append(QJsonObject{{QStringLiteral("slot"), i + 1},
                                     {QStringLiteral("name"), settings->ProfileNames[i]},
                                     {QStringLiteral("active"), i == active}});
        }
        const QJsonObject report{{QStringLiteral("product"), product},
                                 {QStringLiteral("activeSlot"), active + 1},
                                 {QStringLiteral("library"), entries},
                                 {QStringLiteral("slots"), slotList}};
        printResult(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented)));
        return CliExit::Success;
    }

    QString text = QStringLiteral("Product: %1\nLibrary:\n").arg(product);
    if (library.isEmpty())
        text += QStringLiteral("  (empty)\n");
    for (const QString &name : library) {
        const int slot = slotOf(*settings, name);
        text += QStringLiteral("  %1%2\n").arg(name, slot ? QStringLiteral("  (slot %1)").arg(slot) : QString());
    }
    text += QStringLiteral("Slots:\n");
    for (int i = 0; i < kProfileCount; ++i) {
        text += QStringLiteral("  %1 %2 %3\n")
                    .arg(QString::number(i + 1), i == active ? QStringLiteral("*") : QStringLiteral(" "),
                         settings->ProfileNames[i].isEmpty() ? QStringLiteral("(none)") : settings->ProfileNames[i]);
    }
    printResult(text);
    return CliExit::Success;
}

int runProfileCommand(const QString &action, const QStringList &arguments, bool force)
{
    // Names are checked before anything is read or written.
    const bool takesNames = action == QLatin1String("use") || action == QLatin1String("delete")
        || action == QLatin1String("rename") || action == QLatin1String("export");
    const int nameCount = action == QLatin1String("rename") ? 2 : takesNames ? 1 : 0;
    for (int i = 0; i < nameCount; ++i) {
        if (checkProfileName(arguments.at(i)) != LibraryOutcome::Ok)
            return report(LibraryOutcome::NameRefused, arguments.at(i));
    }

    // Held from the load to the save, so that no other program's save is undone.
    const SettingsLock lock;
    if (!lock.isLocked())
        return reportSettingsBusy();
    settleLibraryProduct();
    DeviceSettings &settings = currentSettings;
    loadAllSettings(settings);
    QStringList library = loadLibraryNames();
    const int slot = settings.activeIndex() + 1;
    QString name;

    if (action == QLatin1String("use")) {
        name = arguments.at(0);
        if (const LibraryOutcome outcome = useLibraryProfile(settings, name); outcome != LibraryOutcome::Ok)
            return report(outcome, name);
        return storeLoadedSettings(settings, QStringLiteral("Profile \"%1\" is now in slot %2.").arg(name, QString::number(slot)));
    } else if (action == QLatin1String("add")) {
        if (const LibraryOutcome outcome = addProfile(settings, library, &name); outcome != LibraryOutcome::Ok)
            return report(outcome, name);
        return undoIfNotStored(storeLoadedSettings(settings, QStringLiteral("Added profile \"%1\" and put it into slot %2.").arg(name, QString::number(slot))),
                               library, name);
    } else if (action == QLatin1String("copy")) {
        const QString source = settings.ProfileNames[settings.activeIndex()];
        if (const LibraryOutcome outcome = copyActiveProfile(settings, library, &name); outcome != LibraryOutcome::Ok)
            return report(outcome, source);
        return undoIfNotStored(storeLoadedSettings(settings, QStringLiteral("Copied profile \"%1\" to \"%2\", now in slot %3.").arg(source, name, QString::number(slot))),
                               library, name);
    } else if (action == QLatin1String("rename")) {
        const QString &from = arguments.at(0);
        name = arguments.at(1);
        if (!library.contains(from) && !slotOf(settings, from))
            return report(LibraryOutcome::NotFound, from);
        if (const LibraryOutcome outcome = renameProfile(settings, library, from, name, true); outcome != LibraryOutcome::Ok)
            return report(outcome, outcome == LibraryOutcome::NameExists ? name : from);
        printResult(QStringLiteral("Renamed profile \"%1\" to \"%2\".").arg(from, name));
    } else if (action == QLatin1String("delete")) {
        QString replacement;
        const int rules = appRulesNaming(loadAppRules(), arguments.at(0));
        if (const LibraryOutcome outcome = deleteProfile(settings, library, arguments.at(0), &replacement);
            outcome != LibraryOutcome::Ok)
            return report(outcome, arguments.at(0));
        QString done = replacement.isEmpty()
            ? QStringLiteral("Deleted profile \"%1\".").arg(arguments.at(0))
            : QStringLiteral("Deleted profile \"%1\"; slot %2 now holds \"%3\".").arg(arguments.at(0), QString::number(slot), replacement);
        if (rules > 0)
            done += QStringLiteral(" Removed the %1 program rule%2 that named it.").arg(rules).arg(rules == 1 ? "" : "s");
        if (!replacement.isEmpty())
            return storeLoadedSettings(settings, done);
        printResult(done);
    } else if (action == QLatin1String("export")) {
        if (const ExportTarget verdict = checkExportTarget(arguments.at(1), force); verdict != ExportTarget::Usable) {
            printError(exportTargetRefusal(verdict, arguments.at(1)));
            return CliExit::BadFile;
        }
        if (const LibraryOutcome outcome = exportProfile(arguments.at(0), arguments.at(1)); outcome != LibraryOutcome::Ok) {
            if (outcome != LibraryOutcome::FileFailed)
                return report(outcome, arguments.at(0));
            printError(QStringLiteral("Writing '%1' failed; nothing was exported.").arg(arguments.at(1)));
            return CliExit::BadFile;
        }
        printResult(QStringLiteral("Exported profile \"%1\" to %2.").arg(arguments.at(0), arguments.at(1)));
    } else if (action == QLatin1String("import")) {
        if (const LibraryOutcome outcome = importProfile(settings, library, arguments.at(0), &name); outcome != LibraryOutcome::Ok)
            return report(outcome, outcome == LibraryOutcome::NameExists ? QFileInfo(arguments.at(0)).completeBaseName() : arguments.at(0));
        return undoIfNotStored(sendLoadedSettings(lock, QStringLiteral("Imported profile \"%1\" into slot %2 and sent the settings to the mouse.").arg(name, QString::number(slot))),
                               library, name);
    } else {
        printError(QStringLiteral("There is no profile action '%1'.").arg(echoed(action)));
        return CliExit::Usage;
    }
    return CliExit::Success;
}
