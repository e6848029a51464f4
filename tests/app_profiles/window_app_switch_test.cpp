// The window's side of a switch for the program in front, against the emulated mouse: what
// counts as unsent edits (every page built, nothing edited: none), the switch written without
// a dialog with its notice, and the switcher's word when no X display can be seen.
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/profile_library.h"
#include "store/app_rules.h"
#include "ui/main/app_profile_switcher.h"
#include "ui/main/programs_dialog.h"
#include "ui/pages/zel_report_rate.h"
#include "../window/emulated_window_test.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QSignalSpy>

class WindowAppSwitchTest : public EmulatedWindowTest {
    Q_OBJECT

    // Two library profiles, the first at 125 Hz (code 8) and out of the slot, the second
    // (factory values) in it; returns the first's name.
    QString makeGameProfile()
    {
        auto settings = std::make_unique<DeviceSettings>();
        loadAllSettings(*settings);
        QStringList library = loadLibraryNames();
        QString game, other;
        if (addProfile(*settings, library, &game) != LibraryOutcome::Ok)
            return QString();
        settings->active().pollrate = 8;
        if (!saveSettingsForApply(*settings) || addProfile(*settings, library, &other) != LibraryOutcome::Ok
            || !saveSettingsForApply(*settings))
            return QString();
        return game;
    }

    // The first start names the product, and with it the library's folder; the window is then
    // opened again on the two profiles.
    std::unique_ptr<ZiziraziWidget> openWindowWithGameProfile(QString *game)
    {
        auto window = openWindow();
        if (!QTest::qWaitFor([&] { return window->connectedMouseCount() > 0; }, 10000))
            return window;
        window.reset();
        *game = makeGameProfile();
        return openWindow();
    }

private slots:
    void noEditsOnAnyPageCountsAsNone()
    {
        auto window = openWindow();
        QVERIFY(!window->hasUnsentEdits());
        for (int page = 0; page < 4; ++page)
            window->showPage(page);
        QVERIFY(window->dpiPage() && window->ratePage());
        QVERIFY2(!window->hasUnsentEdits(), "the pages' own copies read back as edits");

        // An edit made on a page that writes into the record (the buttons) counts, and asking
        // leaves the record as it was.
        ButtonSlot &button = currentSettings.active().buttons[3];
        button.Fun = button.Fun + 1;
        const int edited = button.Fun;
        QVERIFY(window->hasUnsentEdits());
        QCOMPARE(currentSettings.active().buttons[3].Fun, edited);
    }

    void aSwitchIsWrittenWithoutADialog()
    {
        QString game;
        auto window = openWindowWithGameProfile(&game);
        QVERIFY(!game.isEmpty());
        QVERIFY(window->appProfileSwitcher());
        QVERIFY(window->appProfileSwitcher()->statusText().startsWith("No X display"));
        QTRY_VERIFY(window->connectedMouseCount() > 0);
        writeApplyFailedFlag(1);
        QSignalSpy finished(window.get(), &ZiziraziWidget::QuietWriteFinished);
        QSignalSpy notices(window.get(), &ZiziraziWidget::OsdNotice);

        QVERIFY(!window->switchActiveProfile("No Such Profile"));
        QVERIFY(window->switchActiveProfile(game));
        QVERIFY(window->isWriting());
        // No modal dialog: the event loop carries on.
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QCOMPARE(finished.first().first().value<uchar>(), uchar(0));
        QVERIFY(!window->isWriting());
        QCOMPARE(currentSettings.ProfileNames[currentSettings.activeIndex()], game);
        QCOMPARE(int(mouse().state().rateCode), 8);
        QCOMPARE(readApplyFailedFlag(), 0);
        QVERIFY(notices.contains(QVariantList{QStringLiteral("Profile: %1").arg(game)}));
        QVERIFY(!window->hasUnsentEdits());
    }

    void theProgramsDialogEditsTheStoredRulesWhileTheWindowIsHidden()
    {
        QString game;
        auto window = openWindowWithGameProfile(&game);
        QVERIFY(!game.isEmpty());
        window->hide();

        QStringList problems;
        AppRules afterAdd, afterOther, afterRemove;
        bool handled = false;
        bool removable = false;
        handleNextModal<ProgramsDialog>([&](ProgramsDialog *dialog) {
            handled = true;
            // Unusable: nothing stored, and the dialog says why.
            dialog->programBox()->setEditText(QStringLiteral("  "));
            dialog->addButton()->click();
            problems << dialog->problemText();
            dialog->programBox()->setEditText(QStringLiteral("xlogo"));
            dialog->profileBox()->setCurrentIndex(dialog->profileBox()->findText(game));
            QTest::keyClick(dialog->programBox()->lineEdit(), Qt::Key_Return);
            afterAdd = loadAppRules();
            problems << dialog->problemText();
            dialog->otherBox()->setCurrentIndex(dialog->otherBox()->findText(game));
            emit dialog->otherBox()->activated(dialog->otherBox()->currentIndex());
            afterOther = loadAppRules();
            const QString shots = qEnvironmentVariable("ZEL_SHOTS_DIR");
            if (!shots.isEmpty() && QDir().mkpath(shots))
                dialog->grab().save(shots + QStringLiteral("/programs_dialog.png"));
            dialog->ruleList()->setCurrentItem(dialog->ruleList()->topLevelItem(0));
            removable = dialog->removeButton()->isEnabled();
            dialog->removeButton()->click();
            afterRemove = loadAppRules();
            dialog->accept();
        });
        window->showProgramsDialog();
        QVERIFY(handled);
        QVERIFY(removable);
        QVERIFY(!problems.first().isEmpty());
        QVERIFY(problems.last().isEmpty());
        QCOMPARE(afterAdd.rules.size(), 1);
        QCOMPARE(afterAdd.rules.first().match, QStringLiteral("xlogo"));
        QCOMPARE(afterAdd.rules.first().profile, game);
        QCOMPARE(afterOther.otherProfile, game);
        QVERIFY(afterRemove.rules.isEmpty());
        QCOMPARE(afterRemove.otherProfile, game);
        // The switcher holds what was stored.
        QCOMPARE(window->appProfileSwitcher()->rules(), afterRemove);
    }
};

QTEST_MAIN(WindowAppSwitchTest)
#include "window_app_switch_test.moc"
