// The main window's profile controls, through the widgets themselves (most have zero size),
// against the emulated mouse: the library and slot menus, rename, add, copy, delete, Cancel,
// SAVE and LOAD1 through their file dialogs, export over an existing file, and the resets.

#include "emulator/mouse_emulator.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_files.h"
#include "store/profile_library.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/pages/zel_report_rate.h"
#include "../window/emulated_window_test.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QToolButton>

#include <QtTest>

#include <memory>

namespace {

ZelPushButton *buttonOf(ZiziraziWidget &window, WindowControl which)
{
    return qobject_cast<ZelPushButton *>(window.control(which));
}

QLineEdit *nameEditOf(ZiziraziWidget &window)
{
    return qobject_cast<QLineEdit *>(window.control(WindowControl::NameEdit));
}

QAction *libraryAction(ZiziraziWidget &window, const QString &name)
{
    for (QAction *action : window.profileLibraryMenu()->actions()) {
        if (action->text() == name)
            return action;
    }
    return nullptr;
}

// Answers the next message box: Yes (or Ok) when `accept`, else No; records its text.
void answerNextMessage(QString *text, bool accept = true)
{
    handleNextModal<ZelMessageBox>([text, accept](ZelMessageBox *box) {
        *text = box->messageLabel()->text();
        if (accept || !box->noButton())
            box->accept();
        else
            box->noButton()->click();
    });
}

// Chooses `file` in the next file dialog, after recording its caption and filters. Accepts
// again on each poll until that dialog has gone, in case it was not ready the first time.
void chooseInNextFileDialog(const QString &file, QString *caption, QStringList *filters, bool confirmReplace = false)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(20);
    auto handled = std::make_shared<QPointer<QFileDialog>>();
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        // Gone (the static functions delete their dialog) or hidden: done.
        if (*ticks > 0 && (!*handled || !(*handled)->isVisible())) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (!*handled) {
            *handled = dialog;
            *caption = dialog->windowTitle();
            *filters = dialog->nameFilters();
            if (confirmReplace)
                handleNextModal<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
        }
        // The first time, then again only after the dialog has ignored it for a while (never
        // while its own replace question is being answered).
        if ((*ticks)++ % 25 != 0)
            return;
        dialog->selectFile(file);
        // selectFile() leaves the name field alone once it has the focus, which a loaded
        // machine gives it before the first poll: type the name in as a user would.
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        static_cast<QDialog *>(dialog)->accept(); // as the dialog's own Save or Open button
    });
    timer->start();
}

void writeProfile(const QString &path, int pollrate, int ledMode = 1)
{
    QDir().mkpath(QFileInfo(path).path());
    QSettings file(path, QSettings::IniFormat);
    // A profile file holds its buttons: one without them reads as missing.
    file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_0_Fun"), 1);
    file.setValue(QStringLiteral("PROFILE/pollrate"), pollrate);
    file.setValue(QStringLiteral("PROFILE/LedMode"), ledMode);
}

} // namespace

class WindowProfilesTest : public EmulatedWindowTest {
    Q_OBJECT


    // Library entries and slot names; each name gets a library and a slot file whose report
    // rate code tells it apart.
    void prepare(const QStringList &library, const QStringList &slotNames, const QList<int> &rates)
    {
        for (int i = 0; i < library.size(); ++i) {
            writeProfile(libraryProfilePath(library.at(i)), rates.at(i));
            writeProfile(slotProfilePath(library.at(i)), rates.at(i));
        }
        saveProductProfileList(library);
        for (int i = 0; i < slotNames.size(); ++i)
            m_dir->setConfigValue(QStringLiteral("Config/Profile%1").arg(i + 1), slotNames.at(i));
        m_dir->setConfigValue(QStringLiteral("Config/ProfileID"), 0);
        // The poller's reports then agree with slot 0 and change nothing.
        mouse().setStatus(0, uint8_t(rates.at(0)));
    }


private slots:
    void libraryMenuPutsAFreeEntryIntoTheSlotAndRefusesAUsedOne()
    {
        prepare({"Main", "Other", "Spare"}, {"Main", "", "Other"}, {2, 4, 8});
        auto window = openWindow();
        QMenu *menu = window->profileLibraryMenu();
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Main", "Other", "Spare"}));
        QCOMPARE(menu->width(), 152);
        QCOMPARE(window->profileSlotMenu()->width(), 152);
        QCOMPARE(window->profileSlotMenu()->actions().at(2)->text(), QStringLiteral("Mode 3"));

        QString message;
        answerNextMessage(&message);
        libraryAction(*window, "Other")->trigger();
        QCOMPARE(message, QStringLiteral("This profile is already in another slot."));
        QCOMPARE(currentSettings.ProfileNames[0], QStringLiteral("Main"));
        QCOMPARE(int(currentSettings.profiles[0].pollrate), 2);

        libraryAction(*window, "Spare")->trigger();
        QCOMPARE(nameEditOf(*window)->text(), QStringLiteral("Spare"));
        QCOMPARE(currentSettings.ProfileNames[0], QStringLiteral("Spare"));
        QCOMPARE(int(window->ratePage()->pollRate()), 8);
    }

    void renameCopyAddAndDeleteThroughTheControls()
    {
        prepare({"Profile 1", "Work"}, {"Profile 1"}, {2, 4});
        auto window = openWindow();
        QLineEdit *edit = nameEditOf(*window);

        QString message;
        answerNextMessage(&message);
        edit->setText(QStringLiteral("Mine"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(message, QStringLiteral("The default profiles cannot be deleted or renamed."));
        QCOMPARE(edit->text(), QStringLiteral("Profile 1"));

        libraryAction(*window, "Work")->trigger();
        answerNextMessage(&message);
        message.clear();
        edit->setText(QStringLiteral("Profile 1"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(message, QStringLiteral("A profile with this name already exists."));
        edit->setText(QStringLiteral("Office"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window->libraryNames(), (QStringList{"Profile 1", "Office"}));
        QVERIFY(fileExists(libraryProfilePath("Office")) && !fileExists(libraryProfilePath("Work")));
        QCOMPARE(m_dir->configValue("Config/Profile1").toString(), QStringLiteral("Office"));

        buttonOf(*window, WindowControl::Copy)->click();
        QCOMPARE(edit->text(), QStringLiteral("Office copy"));
        buttonOf(*window, WindowControl::Add)->click();
        QCOMPARE(edit->text(), QStringLiteral("Profile 2"));
        QCOMPARE(window->libraryNames(), (QStringList{"Profile 1", "Office", "Office copy", "Profile 2"}));
        QVERIFY(libraryAction(*window, "Profile 2"));

        // "No" keeps it; "Yes" deletes it and the next entry takes its place.
        libraryAction(*window, "Office copy")->trigger();
        answerNextMessage(&message, false);
        buttonOf(*window, WindowControl::Delete)->click();
        QCOMPARE(message, QStringLiteral("Are you sure you want to delete this profile?"));
        QVERIFY(fileExists(libraryProfilePath("Office copy")));
        answerNextMessage(&message);
        buttonOf(*window, WindowControl::Delete)->click();
        QVERIFY(!fileExists(libraryProfilePath("Office copy")));
        QCOMPARE(edit->text(), QStringLiteral("Profile 2"));
        QCOMPARE(window->libraryNames(), (QStringList{"Profile 1", "Office", "Profile 2"}));
        QCOMPARE(loadProductProfileList(), window->libraryNames());
    }

    void cancelDropsUnsentEdits()
    {
        prepare({"Main"}, {"Main"}, {2});
        auto window = openWindow();
        ProfileData edited = currentSettings.profiles[0];
        edited.pollrate = 8;
        window->ratePage()->refresh(edited, currentSettings.LiftHigh);
        currentSettings.profiles[0].LedMode = 5;

        buttonOf(*window, WindowControl::Cancel)->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(int(currentSettings.profiles[0].LedMode), 1);
        QCOMPARE(int(currentSettings.profiles[0].pollrate), 2);
        QCOMPARE(int(window->ratePage()->pollRate()), 2);
    }

    void saveAndLoadTheWholeConfiguration()
    {
        prepare({"Main"}, {"Main"}, {2});
        auto window = openWindow();
        const QString file = m_dir->path() + QStringLiteral("/all.conf");
        QString caption;
        QStringList filters;
        chooseInNextFileDialog(file, &caption, &filters);
        buttonOf(*window, WindowControl::SaveConfig)->click();
        QCOMPARE(caption, QStringLiteral("Save Config File"));
        QCOMPARE(filters, QStringList{"Configuration files (*.conf)"});
        QCOMPARE(readProductNameOfFile(file), readCurrentProductName());

        {
            QSettings saved(file, QSettings::IniFormat);
            saved.setValue(QStringLiteral("PROFILE_0/pollrate"), 8);
            saved.setValue(QStringLiteral("PROFILE_0/LedMode"), 3);
        }
        mouse().clearPackets();
        chooseInNextFileDialog(file, &caption, &filters);
        buttonOf(*window, WindowControl::LoadConfig)->click();
        QCOMPARE(caption, QStringLiteral("Load Config File"));
        QCOMPARE(filters, QStringList{"Configuration files (*.conf)"});
        QCOMPARE(int(window->ratePage()->pollRate()), 8);
        QCOMPARE(int(mouse().state().rateCode), 8);
        QCOMPARE(int(mouse().state().ledMode), 3);

        // Another product's file: refused, nothing loaded, nothing sent.
        {
            QSettings saved(file, QSettings::IniFormat);
            saved.setValue(QStringLiteral("MouseName/Name"), QStringLiteral("Another Mouse"));
            saved.setValue(QStringLiteral("PROFILE_0/pollrate"), 1);
        }
        const int writes = mouse().state().endMarkers;
        QString message;
        chooseInNextFileDialog(file, &caption, &filters);
        answerNextMessage(&message);
        buttonOf(*window, WindowControl::LoadConfig)->click();
        QCOMPARE(message, QStringLiteral("This file is not for this mouse."));
        QCOMPARE(int(currentSettings.profiles[0].pollrate), 8);
        QCOMPARE(mouse().state().endMarkers, writes);
    }

    void exportReplacesAFileTheUserChoseToReplace()
    {
        prepare({"Main"}, {"Main"}, {2});
        auto window = openWindow();
        const QString target = m_dir->path() + QStringLiteral("/Main-copy.prof");
        {
            QSettings stale(target, QSettings::IniFormat);
            stale.setValue(QStringLiteral("Stale/key"), 1);
        }
        QString caption;
        QStringList filters;
        chooseInNextFileDialog(target, &caption, &filters, true);
        buttonOf(*window, WindowControl::Export)->click();
        QCOMPARE(caption, QStringLiteral("Save Profile File"));
        QCOMPARE(filters, QStringList{"Profile files (*.prof)"});
        QSettings exported(target, QSettings::IniFormat);
        QVERIFY(!exported.contains(QStringLiteral("Stale/key")));
        QCOMPARE(exported.value(QStringLiteral("PROFILE/pollrate")).toInt(), 2);
        QCOMPARE(exported.value(QStringLiteral("MouseName/Name")).toString(), readCurrentProductName());
    }

    void resetsAskThenSendFactoryValues()
    {
        prepare({"Main", "Other"}, {"Main", "Other"}, {8, 4});
        auto window = openWindow();
        ProfileData factory;
        resetProfile(factory);

        QString message;
        answerNextMessage(&message, false);
        buttonOf(*window, WindowControl::ResetAll)->click();
        QCOMPARE(message, QStringLiteral("Reset the mouse? Profile 1 and the settings of the whole mouse go back to their factory values, the five slots get their default names back and slot 1 becomes active. The profiles in slots 2 to 5 are kept."));
        QCOMPARE(currentSettings.ProfileNames[0], QStringLiteral("Main"));
        QCOMPARE(int(currentSettings.profiles[0].pollrate), 8);

        answerNextMessage(&message);
        buttonOf(*window, WindowControl::ResetAll)->click();
        for (int i = 0; i < kProfileCount; ++i)
            QCOMPARE(currentSettings.ProfileNames[i], defaultProfileName(i));
        QCOMPARE(nameEditOf(*window)->text(), QStringLiteral("Profile 1"));
        QCOMPARE(int(window->ratePage()->pollRate()), int(factory.pollrate));
        QCOMPARE(int(mouse().state().rateCode), int(factory.pollrate));
        QCOMPARE(int(mouse().state().ledMode), int(factory.LedMode));
        QCOMPARE(int(currentSettings.profiles[1].pollrate), 4); // the other slots keep theirs

        currentSettings.profiles[0].pollrate = 2;
        answerNextMessage(&message);
        buttonOf(*window, WindowControl::Reset)->click();
        QCOMPARE(message, QStringLiteral("Are you sure you want to reset this profile to its factory settings?"));
        QCOMPARE(int(currentSettings.profiles[0].pollrate), int(factory.pollrate));
        QCOMPARE(int(mouse().state().rateCode), int(factory.pollrate));
    }

private:
};

QTEST_MAIN(WindowProfilesTest)
#include "window_profiles_test.moc"
