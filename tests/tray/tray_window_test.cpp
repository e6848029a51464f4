// The main window's outward services against the emulated mouse: the tray icon and its menu,
// what clicks on it do, the battery in its tip and the low-battery notice, closing without a
// tray, and the hand-over to the firmware updater.

#include "emulator/mouse_emulator.h"
#include "platform/autostart.h"
#include "store/config_file.h"
#include "store/language_config.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zizirazi_widget.h"
#include "../window/emulated_window_test.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Generous: the poller answers within a second when idle, far later on a loaded machine.
constexpr int kTimeoutMs = 20000;
const QString kUpdater = QStringLiteral("/skin/mouse/bin/K904-7120-20230727.exe");
const QString kUpdaterEnglish = QStringLiteral("/skin/mouse/bin/K904-7120-20230727-en.exe");

ZelPushButton *firmwareButton(ZiziraziWidget &window)
{
    return qobject_cast<ZelPushButton *>(window.control(WindowControl::Firmware));
}

void pressFirmware(ZiziraziWidget &window)
{
    emit firmwareButton(window)->EnterSignal(firmwareButton(window));
}

// Runs the event loop as main does, until the program ends itself (its exit code) or the
// deadline passes (-1).
int runUntilTheProgramEnds(std::function<void()> action)
{
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, []() { QCoreApplication::exit(-1); });
    deadline.start(30000);
    QTimer::singleShot(0, action);
    const int result = QCoreApplication::exec();
    deadline.stop();
    return result;
}

} // namespace

class TrayWindowTest : public EmulatedWindowTest {
    Q_OBJECT

    // An updater that records that it ran.
    QString installUpdater(const QString &relative)
    {
        const QString path = m_dir->path() + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1.ran'\n").arg(path).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return path + QStringLiteral(".ran");
    }

    // Answers the firmware question with Yes and reads the warning that follows.
    void answerYesThenRead(QString *warning)
    {
        handleNextModal<ZelMessageBox>([warning](ZelMessageBox *question) {
            QCOMPARE(question->messageLabel()->text(), QStringLiteral("Do you want to update the firmware?"));
            handleNextModal<ZelMessageBox>([warning](ZelMessageBox *box) {
                *warning = box->messageLabel()->text();
                box->accept();
            });
            question->yesButton()->click();
        });
    }

private slots:
    void cleanup()
    {
        finish();
        qunsetenv("XDG_CONFIG_HOME");
    }

    void trayIconCarriesTheMenuAndTheProductName()
    {
        auto window = openWindow();
        QSystemTrayIcon *tray = window->trayIcon();
        QVERIFY(tray);
        QVERIFY(!tray->icon().isNull());
        QCOMPARE(tray->toolTip(), readCurrentProductName());
        const QList<QAction *> actions = tray->contextMenu()->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), QStringLiteral("&Load Config"));
        QCOMPARE(actions[1]->text(), QStringLiteral("&Start at Login"));
        QCOMPARE(actions[2]->text(), QStringLiteral("&Programs..."));
        QCOMPARE(actions[3]->text(), QStringLiteral("&Quit"));

        window->hide();
        actions[0]->trigger();
        QVERIFY(window->isVisible());
    }

    void startAtLoginWritesAndRemovesTheHiddenEntry()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path() + QStringLiteral("/xdg")));
        auto window = openWindow();
        QAction *option = window->trayIcon()->contextMenu()->actions().at(1);
        QVERIFY(option->isCheckable() && !option->isChecked());

        option->trigger();
        QFile entry(autostartEntryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains(QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" --hidden"));
        QCOMPARE(m_dir->configValue(QStringLiteral("Config/StartAtLogin")).toInt(), 1);

        // Removed behind the program's back (the desktop's own settings): shown as off.
        QVERIFY(QFile::remove(autostartEntryPath()));
        window.reset();
        window = openWindow();
        option = window->trayIcon()->contextMenu()->actions().at(1);
        QVERIFY(!option->isChecked());
        QCOMPARE(m_dir->configValue(QStringLiteral("Config/StartAtLogin")).toInt(), 0);

        // A folder that cannot be written: a message, and the option stays off.
        QFile blocker(m_dir->path() + QStringLiteral("/xdg/autostart"));
        QVERIFY(QDir(m_dir->path() + QStringLiteral("/xdg/autostart")).removeRecursively());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString message;
        handleNextModal<ZelMessageBox>([&message](ZelMessageBox *box) {
            message = box->messageLabel()->text();
            box->accept();
        });
        option->trigger();
        QVERIFY2(message.startsWith(QStringLiteral("The login entry could not be changed:")), qPrintable(message));
        QVERIFY(!option->isChecked());
    }

    void iconClicksShowAndHideTheWindow()
    {
        auto window = openWindow();
        window->iconActivated(QSystemTrayIcon::Context);
        QVERIFY(window->isVisible());
        window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(!window->isVisible());
        window->iconActivated(QSystemTrayIcon::MiddleClick);
        QVERIFY(!window->isVisible());
        window->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window->isVisible());

        // Minimised counts as out of sight: the click brings it back.
        window->showMinimized();
        window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }

    void iconDoesNothingWhileTheDisconnectBoxIsUp()
    {
        mouse().unplug(MouseEmulator::Both);
        auto window = std::make_unique<ZiziraziWidget>();
        QCOMPARE(window->connectedMouseCount(), 0);
        bool handled = false, visibleAfterClick = false, oneBox = false;
        QString message;
        handleNextModal<ZelMessageBox>([&](ZelMessageBox *box) {
            message = box->messageLabel()->text();
            window->iconActivated(QSystemTrayIcon::Trigger);
            visibleAfterClick = window->isVisible();
            // Asking for the window again (tray menu, second start) raises the same box.
            window->showMainWindow();
            oneBox = QApplication::activeModalWidget() == box;
            box->accept();
            handled = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(handled, kTimeoutMs);
        QCOMPARE(message, QStringLiteral("Receiver disconnected"));
        QVERIFY(visibleAfterClick);
        QVERIFY(oneBox);
        // No tray to bring it back here: "Ok" leaves the window in sight.
        QTRY_VERIFY_WITH_TIMEOUT(!window->isWarningShown(), kTimeoutMs);
        QVERIFY(window->isVisible());
    }

    void batteryLevelInTheTipAndOneLowNoticePerDrop()
    {
        auto window = openWindow();
        QSignalSpy notices(window.get(), &ZiziraziWidget::LowBatteryNotice);
        const QString product = readCurrentProductName();
        // Down to low, wavering below the bound, back up, low again, switched off.
        const QList<int> levels {30, 14, 18, 12, 25, 10, 0};
        for (int level : levels) {
            mouse().setBattery(uint8_t(level));
            window->stopStatusThread();
            window->startStatusThread();
            const QString expected = product + QLatin1Char('\n')
                + (level == 0 ? QStringLiteral("MOUSE OFF") : QStringLiteral("Battery %1%").arg(level));
            QTRY_COMPARE_WITH_TIMEOUT(window->trayIcon()->toolTip(), expected, kTimeoutMs);
        }
        QCOMPARE(notices.count(), 2);
        QVERIFY(notices.at(0).first().toString().contains(QStringLiteral("14%")));
        QVERIFY(notices.at(1).first().toString().contains(QStringLiteral("10%")));
    }

    void closingWithoutATrayEndsTheProgram()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        auto window = openWindow();
        auto *close = qobject_cast<ZelPushButton *>(window->control(WindowControl::Close));
        QCOMPARE(runUntilTheProgramEnds([close]() { close->click(); }), 0);
    }

    void firmwareNeedsTheCable()
    {
        const QString ranEnglish = installUpdater(kUpdaterEnglish);
        const QString ran = installUpdater(kUpdater);
        auto window = openWindow();
        firmwareButton(*window)->setChecked(true);
        QString message;
        handleNextModal<ZelMessageBox>([&](ZelMessageBox *box) {
            message = box->messageLabel()->text();
            box->accept();
        });
        pressFirmware(*window);
        QCOMPARE(message, QStringLiteral("To update the firmware, connect the mouse to the computer with its cable."));
        QVERIFY(!firmwareButton(*window)->isChecked());
        QVERIFY(window->isVisible());
        QVERIFY(!QFile::exists(ranEnglish));
        QVERIFY(!QFile::exists(ran));
    }

    void pressAndItsClickAskOnce()
    {
        auto window = openWindow();
        // Two boxes are answered: the press's, and whichever comes next.
        auto messages = std::make_shared<QStringList>();
        auto read = [messages](ZelMessageBox *box) {
            *messages << box->messageLabel()->text();
            box->accept();
        };
        handleNextModal<ZelMessageBox>([read](ZelMessageBox *box) {
            read(box);
            handleNextModal<ZelMessageBox>(read);
        });
        // The layout gives the button no size; a user could not click it otherwise.
        firmwareButton(*window)->setFixedSize(76, 30);
        QTest::mouseClick(firmwareButton(*window), Qt::LeftButton);
        QCOMPARE(messages->size(), 1);
        // A click without a press (keyboard, scripts) is heard on its own, asking after the
        // cable's release number: none with the receiver alone.
        firmwareButton(*window)->click();
        QCOMPARE(messages->size(), 2);
        QCOMPARE(messages->last(), QStringLiteral("To update the firmware, connect the mouse to the computer with its cable."));
    }

    void missingUpdaterWarnsAndTheProgramGoesOn_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English takes -en") << 0 << kUpdaterEnglish;
        QTest::newRow("another language") << 1 << kUpdater;
    }

    void missingUpdaterWarnsAndTheProgramGoesOn()
    {
        QFETCH(int, language);
        QFETCH(QString, expected);
        mouse().plug(MouseEmulator::Cable);
        // Only the other language's updater is there.
        installUpdater(expected == kUpdater ? kUpdaterEnglish : kUpdater);
        auto window = openWindow();
        setCurrentLanguageIndex(language);
        QString warning;
        answerYesThenRead(&warning);
        pressFirmware(*window);
        QVERIFY2(warning.contains(QDir::toNativeSeparators(m_dir->path() + expected)), qPrintable(warning));
        QVERIFY(window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window->statusThreadRunning(), kTimeoutMs);
    }

    void startedUpdaterEndsTheProgram()
    {
        mouse().plug(MouseEmulator::Cable);
        const QString ran = installUpdater(kUpdaterEnglish);
        auto window = openWindow();
        setCurrentLanguageIndex(0);
        handleNextModal<ZelMessageBox>([](ZelMessageBox *question) { question->yesButton()->click(); });
        QCOMPARE(runUntilTheProgramEnds([&window]() { pressFirmware(*window); }), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ran), kTimeoutMs);
    }
};

QTEST_MAIN(TrayWindowTest)
#include "tray_window_test.moc"
