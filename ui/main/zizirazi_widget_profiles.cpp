// Profile management in the main window: the slot and library menus, the library controls,
// SAVE and LOAD1 of the whole configuration, the resets and Cancel. The rules themselves are
// the store's (profile_library), shared with zelmouse-cli.

#include "ui/main/zizirazi_widget.h"
#include "ui/main/window_log.h"

#include "device/device_session.h"
#include "store/app_rules.h"
#include "store/device_settings.h"
#include "store/profile_files.h"
#include "store/profile_library.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>

namespace {

// The library menu's handler knows this many entries.
constexpr int kLibraryMenuLimit = 200;
constexpr int kProfileMenuWidth = 152;
// Design pixels at the right of the library button that its chevron takes.
constexpr int kLibraryChevronWidth = 26;

QString outcomeText(LibraryOutcome outcome)
{
    switch (outcome) {
    case LibraryOutcome::Ok:
        break;
    case LibraryOutcome::NameRefused:
        return QObject::tr("This name cannot be used for a profile: it needs 1 to 100 characters, without "
                           "slashes, \"..\", control characters or blanks at either end, and it cannot be "
                           "\"DefaultProfile\" or a default name in other letter case (\"profile 1\").");
    case LibraryOutcome::NameExists:
        return QObject::tr("Profile Exist!");
    case LibraryOutcome::DefaultName:
        return QObject::tr("The default Profile cannot be deleted or renamed.");
    case LibraryOutcome::UsedByOtherSlot:
        return QObject::tr("Profile is Already Used!");
    case LibraryOutcome::LastEntry:
        return QObject::tr("AT LEAST ONE PROFILE TO BE RETAINED.");
    case LibraryOutcome::NoFreeReplacement:
        return QObject::tr("Every other profile is in use in another slot, so none can take this one's place.");
    case LibraryOutcome::NotFound:
        return QObject::tr("This profile is not in the library or its file is missing.");
    case LibraryOutcome::WrongProduct:
        return QObject::tr("The file is not match current mouse!");
    case LibraryOutcome::NoProduct:
        return QObject::tr("No mouse model is known yet, so there is no profile library.");
    case LibraryOutcome::FileUnreadable:
        return QObject::tr("The file cannot be read.");
    case LibraryOutcome::FileFailed:
        return QObject::tr("The file could not be written; nothing was changed.");
    case LibraryOutcome::ValueOutOfRange:
        return QObject::tr("The file holds a value outside what can be set; nothing was changed.");
    }
    return QString();
}

// Menu texts treat '&' as a mnemonic marker.
QString menuText(const QString &name)
{
    QString text = name;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QString ZiziraziWidget::askSaveFile(const QString &caption, const QString &filter, const QString &extension)
{
    QString file = QFileDialog::getSaveFileName(this, caption, QString(), filter);
    // Without the extension, LOAD1 and import would not list the file.
    if (file.isEmpty() || file.endsWith(extension, Qt::CaseInsensitive))
        return file;
    file += extension;
    // The dialog asked about the name as typed, not about this one.
    if (QFileInfo::exists(file)
        && showMessage(ZelMessageBox::Question, QObject::tr("\"%1\" already exists. Replace it?").arg(QDir::toNativeSeparators(file))) != 1)
        return QString();
    return file;
}

bool ZiziraziWidget::reportLibraryOutcome(LibraryOutcome outcome)
{
    if (outcome == LibraryOutcome::Ok)
        return true;
    qCDebug(lcWindow, "Profile request refused: %s", qPrintable(outcomeText(outcome)));
    showMessage(ZelMessageBox::Warning, outcomeText(outcome));
    return false;
}

void ZiziraziWidget::setUpLibraryPanel()
{
    // The chevron at the right edge stays clear of long names.
    button(WindowControl::LibraryMenu)->setTextRightInset(kLibraryChevronWidth);
    static_cast<QLabel *>(controls[int(WindowControl::NameLabel)])->setBuddy(nameEdit);
}

void ZiziraziWidget::retranslateLibraryPanel()
{
    nameEdit->setAccessibleName(QObject::tr("Profile name"));
    button(WindowControl::Add)->setAccessibleDescription(QObject::tr("Add a new profile to the library"));
    button(WindowControl::Copy)->setAccessibleDescription(QObject::tr("Copy the profile in use into a new library profile"));
    button(WindowControl::Delete)->setAccessibleDescription(QObject::tr("Delete the profile in use from the library"));
    button(WindowControl::Reset)->setAccessibleDescription(QObject::tr("Reset the profile in use to the factory settings"));
    button(WindowControl::Import)->setAccessibleDescription(QObject::tr("Add a profile file to the library"));
    button(WindowControl::Export)->setAccessibleDescription(QObject::tr("Save the profile in use to a file"));
    showLibraryChoice();
}

void ZiziraziWidget::showLibraryChoice()
{
    const QString name = currentSettings.ProfileNames[activeSlot()];
    ZelPushButton *library = button(WindowControl::LibraryMenu);
    library->setText(name);
    library->setAccessibleName(QObject::tr("Profile in use: %1").arg(name));
    library->setAccessibleDescription(QObject::tr("Opens the profile library"));
    // The profile in use stands out in the library's menu (in the accent colour).
    for (QAction *action : libraryMenu->actions())
        action->setChecked(action->data().toString() == name);
}

void ZiziraziWidget::loadProfileLibrary()
{
    profileLibrary = loadLibraryNames();
}

void ZiziraziWidget::rebuildLibraryMenu()
{
    libraryMenu->clear();
    for (const QString &name : qAsConst(profileLibrary)) {
        auto *action = new ZelAction(menuText(name), libraryMenu);
        action->setData(name);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action]() { chooseLibraryEntry(action); });
        libraryMenu->addAction(action);
    }
    if (profileLibrary.isEmpty()) {
        // A fresh install's library holds nothing yet: say how it gets its first entry.
        auto *empty = new ZelAction(QObject::tr("No profiles yet"), libraryMenu);
        empty->setEnabled(false);
        libraryMenu->addAction(empty);
    }
    setProfileMenuWidths();
    button(WindowControl::LibraryMenu)->setMenu(libraryMenu);
    showLibraryChoice();
}

void ZiziraziWidget::setProfileMenuWidths()
{
    for (QMenu *menu : {libraryMenu, slotMenu}) {
        if (menu)
            menu->setMinimumWidth(scaled(kProfileMenuWidth, scaleFactor));
    }
}

void ZiziraziWidget::showActiveProfile()
{
    const int slot = activeSlot();
    button(WindowControl::ProfileSelector)->setText(slotActions[slot]->text());
    nameEdit->setText(currentSettings.ProfileNames[slot]);
    showLibraryChoice();
    // Stage changes reported by the mouse go to the file of the profile now in the slot.
    openActiveProfileFile();
    refreshPages();
}

void ZiziraziWidget::chooseLibraryEntry(QAction *action)
{
    if (libraryMenu->actions().indexOf(action) >= kLibraryMenuLimit)
        return;
    if (!reportLibraryOutcome(useLibraryProfile(currentSettings, action->data().toString())))
        return;
    showActiveProfile();
}

void ZiziraziWidget::renameActiveProfile(bool refuseDefault)
{
    const QString from = currentSettings.ProfileNames[activeSlot()];
    const QString to = nameEdit->text().trimmed();
    const LibraryOutcome outcome = renameProfile(currentSettings, profileLibrary, from, to, refuseDefault);
    if (outcome == LibraryOutcome::DefaultName)
        nameEdit->setText(from);
    if (reportLibraryOutcome(outcome)) {
        nameEdit->setText(to);
        rebuildLibraryMenu();
    }
    openActiveProfileFile();
}

void ZiziraziWidget::handleProfileButton(WindowControl which)
{
    switch (which) {
    case WindowControl::LibraryMenu:
        renameActiveProfile(false);
        break;
    case WindowControl::Add:
        if (reportLibraryOutcome(addProfile(currentSettings, profileLibrary, nullptr))) {
            rebuildLibraryMenu();
            showActiveProfile();
        }
        break;
    case WindowControl::Delete: {
        const QString name = nameEdit->text();
        if (!reportLibraryOutcome(checkDeleteProfile(currentSettings, profileLibrary, name, nullptr)))
            break;
        // Rules naming the profile go with it (the store removes them): the question says so.
        const int rules = appRulesNaming(loadAppRules(), name);
        const QString question = rules == 0
            ? QObject::tr("Are you sure you want delete this profile?")
            : tr("Are you sure you want delete this profile? The %n program rule(s) naming it will be removed too.", nullptr, rules);
        if (showMessage(ZelMessageBox::Question, question) != 1)
            break;
        reportLibraryOutcome(deleteProfile(currentSettings, profileLibrary, name, nullptr));
        rebuildLibraryMenu();
        showActiveProfile();
        break;
    }
    case WindowControl::Copy:
        if (reportLibraryOutcome(copyActiveProfile(currentSettings, profileLibrary, nullptr))) {
            rebuildLibraryMenu();
            showActiveProfile();
        }
        break;
    case WindowControl::Export: {
        const QString file = askSaveFile(QObject::tr("Save Profile File"), QObject::tr("Profile File(*.prof)"),
                                         QStringLiteral(".prof"));
        if (!file.isEmpty())
            reportLibraryOutcome(exportProfile(currentSettings.ProfileNames[activeSlot()], file));
        break;
    }
    case WindowControl::Import: {
        const QString file = QFileDialog::getOpenFileName(this, QObject::tr("Load Profile File"), QString(),
                                                          QObject::tr("Profile File(*.prof)"));
        if (file.isEmpty() || !reportLibraryOutcome(importProfile(currentSettings, profileLibrary, file, nullptr)))
            break;
        rebuildLibraryMenu();
        showActiveProfile();
        writeWithProgress();
        break;
    }
    case WindowControl::SaveConfig: {
        const QString file = askSaveFile(QObject::tr("Save Config File"), QObject::tr("Config File(*.conf)"),
                                         QStringLiteral(".conf"));
        if (!file.isEmpty())
            reportLibraryOutcome(exportConfiguration(currentSettings, file));
        break;
    }
    case WindowControl::LoadConfig: {
        const QString file = QFileDialog::getOpenFileName(this, QObject::tr("Load Config File"), QString(),
                                                          QObject::tr("Config File(*.conf)"));
        if (file.isEmpty() || !reportLibraryOutcome(importConfiguration(currentSettings, file)))
            break;
        showPage(0);
        applyButtonSkins();
        rebuildLibraryMenu();
        showActiveProfile();
        writeWithProgress();
        break;
    }
    case WindowControl::Reset: {
        if (showMessage(ZelMessageBox::Question, QObject::tr("Are you sure you want reset this profile?")) != 1)
            break;
        stopStatusThread();
        qCDebug(lcWindow, "Accepted %d", currentSettings.ProfileID);
        ProfileData &active = currentSettings.active();
        resetProfile(active);
        active.ProfileName = currentSettings.ProfileNames[activeSlot()];
        retranslateTexts();
        refreshPages();
        nameEdit->setText(active.ProfileName);
        writeWithProgress();
        break;
    }
    case WindowControl::ResetAll:
        if (showMessage(ZelMessageBox::Question, QObject::tr("Are you sure you want reset all profiles?")) != 1)
            break;
        stopStatusThread();
        resetAllProfiles(currentSettings);
        currentSettings.active().ProfileName = currentSettings.ProfileNames[activeSlot()];
        rebuildLibraryMenu();
        showActiveProfile();
        writeWithProgress();
        break;
    case WindowControl::Cancel:
        hide();
        selectProfileSlot(currentSettings.ProfileID, true);
        break;
    default:
        break;
    }
}

void ZiziraziWidget::slot_show_profilename(QAction *action)
{
    const int slot = slotMenu->actions().indexOf(action);
    if (slot < 0)
        return;
    selectProfileSlot(slot, false);
    rebuildLibraryMenu();
    // The mouse's answer comes back through the session; the window never waits for it.
    session->selectProfile(slot);
    applyDesktopPointerSpeed();
}

void ZiziraziWidget::slotProfileNameChange()
{
    renameActiveProfile(true);
}

void ZiziraziWidget::slotRefreshProfile(uchar) {}

void ZiziraziWidget::OnProfileMenuCheck(QWidget *) {}
