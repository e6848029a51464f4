// The main window against the emulated mouse: what it opens with, what it shows for the
// mouse's status reports, and apply end to end.

#include "device/hid_exchange.h"
#include "emulator/mouse_emulator.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/key_table.h"
#include "store/product_definition.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_processbar.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zel_process_dialog.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/main/battery_report.h"
#include "ui/pages/zel_btn_window.h"
#include "ui/pages/zel_color_window.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/macro_dialog.h"
#include "ui/pages/zel_report_rate.h"
#include "emulated_window_test.h"

#include <QMenu>
#include <QToolButton>

#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

constexpr int kReportTimeoutMs = 30000; // generous: passing runs never wait it out, loaded machines need it

ZelPushButton *buttonOf(ZiziraziWidget &window, WindowControl which)
{
    return qobject_cast<ZelPushButton *>(window.control(which));
}

// A status poll answered now rather than at the poller's next 2.8-second turn.
void pollNow(ZiziraziWidget &window)
{
    window.stopStatusThread();
    window.startStatusThread();
}

// Counts the paints of a widget and of everything inside it.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget *widget)
        : m_widget(widget)
    {
        for (QWidget *w : widget->findChildren<QWidget *>())
            w->installEventFilter(this);
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++(watched == m_widget ? count : countBelow);
        return false;
    }
    QWidget *m_widget;
    int count = 0;
    int countBelow = 0;
};

} // namespace

class WindowStatusTest : public EmulatedWindowTest {
    Q_OBJECT
private:


private slots:
    void opensAtDesignSizeWithTabsAndLabels()
    {
        auto window = openWindow();
        QCOMPARE(window->connectedMouseCount(), 1);
        QCOMPARE(window->size(), QSize(999, 640));
        QCOMPARE(window->windowTitle(), productName()); // from the start, not after a report
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->currentPage(), 0);
        QVERIFY(buttonOf(*window, WindowControl::TabLighting)->isChecked());
        for (WindowControl tab : {WindowControl::TabLighting, WindowControl::TabCustomize, WindowControl::TabDpi,
                                  WindowControl::TabMacro}) {
            QVERIFY(window->control(tab)->isVisible());
            QCOMPARE(window->control(tab)->width(), 154);
        }
        QCOMPARE(buttonOf(*window, WindowControl::TabCustomize)->text(), QStringLiteral("CUSTOMIZE"));
        QCOMPARE(qobject_cast<QLabel *>(window->control(WindowControl::VersionLabel))->text(), productVersion());
        QCOMPARE(qobject_cast<QLabel *>(window->control(WindowControl::ModelLabel))->text(), readModelText());
        QVERIFY(!readModelText().isEmpty());
        // Controls of zero size exist.
        QCOMPARE(window->control(WindowControl::Ok)->size(), QSize(0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(window->statusThreadRunning(), kReportTimeoutMs); // started by the session
    }

    void tabsSwitchPagesOnPress()
    {
        auto window = openWindow();
        emit buttonOf(*window, WindowControl::TabDpi)->EnterSignal(buttonOf(*window, WindowControl::TabDpi));
        QCOMPARE(window->currentPage(), 2);
        QVERIFY(window->dpiPage()->isVisible());
        QVERIFY(window->ratePage()->isVisible());
        QVERIFY(!window->lightingPage()->isVisible());
        QVERIFY(!buttonOf(*window, WindowControl::TabLighting)->isChecked());
        buttonOf(*window, WindowControl::TabMacro)->click();
        QCOMPARE(window->currentPage(), 3);
        QVERIFY(!window->dpiPage()->isVisible());
        QVERIFY(buttonOf(*window, WindowControl::TabMacro)->isChecked());
    }

    void frontAndSideChooseThePictureOnCustomize()
    {
        auto window = openWindow();
        window->showPage(1);
        QWidget *front = window->control(WindowControl::FrontPicture);
        QWidget *side = window->control(WindowControl::SidePicture);
        QVERIFY(front->isVisible() && !side->isVisible());
        // Decoded when first shown.
        auto *sideLabel = qobject_cast<QLabel *>(side);
        QVERIFY(sideLabel && sideLabel->pixmap(Qt::ReturnByValue).isNull());
        buttonOf(*window, WindowControl::SideButton)->click();
        QVERIFY(!window->isFrontView());
        QVERIFY(!front->isVisible() && side->isVisible());
        QCOMPARE(sideLabel->pixmap(Qt::ReturnByValue).size(), QSize(kSidePictureSize, kSidePictureSize));
        QCOMPARE(window->customizePage()->currentGroup(), 1);
        buttonOf(*window, WindowControl::FrontButton)->click();
        QVERIFY(window->isFrontView());
        QVERIFY(front->isVisible() && !side->isVisible());
        QCOMPARE(window->customizePage()->currentGroup(), 0);
        // The LIGHTING tab shows the front picture whatever the view.
        buttonOf(*window, WindowControl::SideButton)->click();
        window->showPage(0);
        QVERIFY(front->isVisible() && !side->isVisible());
    }

    void hotspotsMirrorTheButtonPageSelection()
    {
        auto window = openWindow();
        window->SelBtnChanged(3, 0);
        const QList<ZelPushButton *> hotspots = window->findChildren<ZelPushButton *>(QString(), Qt::FindDirectChildrenOnly);
        int unchecked = 0;
        for (ZelPushButton *b : hotspots) {
            if (b->size().isEmpty() && b->isCheckable() && b->text().isEmpty() && !b->isChecked())
                ++unchecked;
        }
        QCOMPARE(unchecked, 1);
        // Out-of-range groups and indexes change nothing and do not crash.
        window->SelBtnChanged(0, 7);
        window->SelBtnChanged(40, 1);
    }

    void macroRecordingLocksTheWindowControls()
    {
        auto window = openWindow();
        window->slotEnableButtons(false);
        for (WindowControl locked : {WindowControl::TabDpi, WindowControl::Apply, WindowControl::Close,
                                     WindowControl::LoadConfig, WindowControl::NameEdit, WindowControl::MouseSelector})
            QVERIFY(!window->control(locked)->isEnabled());
        QVERIFY(window->macroPage()->isEnabled());
        window->slotEnableButtons(true);
        QVERIFY(window->control(WindowControl::TabDpi)->isEnabled());
        QVERIFY(window->control(WindowControl::Apply)->isEnabled());
    }

    void batteryBarShowsTheReportedLevel()
    {
        mouse().setBattery(57);
        auto window = openWindow();
        pollNow(*window);
        QTRY_COMPARE_WITH_TIMEOUT(window->batteryBar()->value(), 57, kReportTimeoutMs);
        QCOMPARE(window->batteryBar()->shownText(), QStringLiteral("57%"));
        QVERIFY(window->batteryBar()->isVisible());
        QCOMPARE(window->currentLinkState(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(readBatteryLevel(), 57, kReportTimeoutMs);

        // The same report again, as the poller sends every few seconds, paints nothing.
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (int i = 0; i < 2; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents();
        }
        PaintCounter painted(window.get());
        window->slotRefreshBatteryStatus(0, 57, 0);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(painted.count, 0);
        QCOMPARE(painted.countBelow, 0);

        // At the low level and below, the warning colour; above it, the accent again.
        const QColor low = lowBatteryColor();
        const QString lowChunk = QStringLiteral("rgb(%1,%2,%3)").arg(low.red()).arg(low.green()).arg(low.blue());
        window->slotRefreshBatteryStatus(0, kLowBatteryLevel, 0);
        QVERIFY(window->batteryBar()->styleSheet().contains(lowChunk));
        window->slotRefreshBatteryStatus(0, kLowBatteryLevel + 1, 0);
        QVERIFY(!window->batteryBar()->styleSheet().contains(lowChunk));
    }

    void levelZeroShowsMouseOffAndKeepsTheLink()
    {
        mouse().setBattery(0);
        auto window = openWindow();
        pollNow(*window);
        QTRY_VERIFY_WITH_TIMEOUT(window->isMouseOff(), kReportTimeoutMs);
        QCOMPARE(window->batteryBar()->caption(), QStringLiteral("MOUSE OFF"));
        QCOMPARE(window->batteryBar()->shownText(), QStringLiteral("MOUSE OFF"));
        QVERIFY(window->batteryBar()->styleSheet().contains("rgb(100,100,100)"));
        QCOMPARE(window->currentLinkState(), 2);

        // The mouse comes back on: white bar with its level.
        mouse().setBattery(40);
        pollNow(*window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isMouseOff(), kReportTimeoutMs);
        QCOMPARE(window->batteryBar()->caption(), QString());
        QVERIFY(window->batteryBar()->styleSheet().contains("#FFFFFF"));
        QCOMPARE(window->batteryBar()->value(), 40);
    }

    void cableShowsAFullBarWithoutText()
    {
        mouse().plug(MouseEmulator::Cable);
        mouse().setBattery(35);
        auto window = openWindow();
        pollNow(*window);
        QTRY_COMPARE_WITH_TIMEOUT(window->batteryBar()->value(), 100, kReportTimeoutMs);
        QCOMPARE(window->batteryBar()->shownText(), QString());
        QCOMPARE(window->currentLinkState(), 1); // cable and receiver
        QVERIFY(!window->batteryBar()->isVisible());
        QVERIFY(window->control(WindowControl::ReceiverIcon)->isVisible());

        mouse().unplug(MouseEmulator::Receiver);
        auto cableOnly = openWindow();
        window.reset();
        QCOMPARE(cableOnly->currentLinkState(), 0);
        QVERIFY(!cableOnly->control(WindowControl::ReceiverIcon)->isVisible());
    }

    void dpiButtonMovesTheStageAndRecordsIt()
    {
        m_dir->setConfigValue(QStringLiteral("Config/Profile1"), QStringLiteral("Profile 1"));
        auto window = openWindow();
        QSignalSpy notices(window.get(), &ZiziraziWidget::OsdNotice);
        const int before = currentSettings.active().dpi;
        mouse().setStatus(uint8_t(before), currentSettings.active().pollrate);
        mouse().pressDpiButton();
        const int after = mouse().state().activeStage;
        QVERIFY(after != before);
        QTRY_COMPARE_WITH_TIMEOUT(window->dpiPage()->currentStage(), after, kReportTimeoutMs);
        QCOMPARE(int(currentSettings.active().dpi), after);
        const QString slotName = currentSettings.ProfileNames[currentSettings.ProfileID];
        QSettings profile(m_dir->path() + QStringLiteral("/Configs/Profile/") + slotName + QStringLiteral(".prof"),
                          QSettings::IniFormat);
        QCOMPARE(profile.value(QStringLiteral("PROFILE/dpi")).toInt(), after);
        // Other notices (the rate the first report brings, a low battery) may come and go too.
        const QString expected = QStringLiteral("DPI %1:").arg(after + 1);
        QVERIFY(std::any_of(notices.cbegin(), notices.cend(),
                            [&](const QList<QVariant> &n) { return n.first().toString().startsWith(expected); }));
    }

    void rateChangeMovesTheRate()
    {
        auto window = openWindow();
        QSignalSpy notices(window.get(), &ZiziraziWidget::OsdNotice);
        const uint8_t stage = currentSettings.active().dpi;
        const uint8_t newRate = currentSettings.active().pollrate == 2 ? 4 : 2;
        mouse().setStatus(stage, newRate);
        mouse().sendStatusReport();
        QTRY_COMPARE_WITH_TIMEOUT(int(window->ratePage()->pollRate()), int(newRate), kReportTimeoutMs);
        QCOMPARE(int(currentSettings.active().pollrate), int(newRate));
        QCOMPARE(notices.last().first().toString(), newRate == 2 ? QStringLiteral("500 Hz") : QStringLiteral("250 Hz"));

        // A code that is no rate (an unconfigured mouse reports 0) leaves the profile's rate and
        // the rate box alone: the next Apply must not send it back.
        const int noticesBefore = notices.size();
        mouse().setStatus(stage, 0);
        mouse().sendStatusReport();
        mouse().setStatus(stage, 3);
        mouse().sendStatusReport();
        // A known rate after them shows both were handled.
        mouse().setStatus(stage, 8);
        mouse().sendStatusReport();
        QTRY_COMPARE_WITH_TIMEOUT(int(currentSettings.active().pollrate), 8, kReportTimeoutMs);
        QVERIFY(std::none_of(notices.cbegin() + noticesBefore, notices.cend(),
                             [](const QList<QVariant> &n) { return n.first().toString().isEmpty(); }));
        QCOMPARE(notices.last().first().toString(), QStringLiteral("125 Hz"));
        QCOMPARE(window->ratePage()->rateButton()->text(), QStringLiteral("125 Hz"));

        // A rate set in the window and not yet applied (a library profile put into the slot)
        // survives reports of the rate the mouse was last given.
        currentSettings.active().pollrate = 1;
        mouse().sendStatusReport();
        mouse().setStatus(stage, 2);
        mouse().sendStatusReport();
        QTRY_COMPARE_WITH_TIMEOUT(int(appliedSettings.active().pollrate), 2, kReportTimeoutMs);
        QCOMPARE(int(currentSettings.active().pollrate), 2);
        currentSettings.active().pollrate = 1;
        mouse().sendStatusReport();
        mouse().setStatus(stage + 1 < 6 ? stage + 1 : 0, 2);
        mouse().sendStatusReport();
        QTRY_VERIFY_WITH_TIMEOUT(currentSettings.active().dpi != stage, kReportTimeoutMs);
        QCOMPARE(int(currentSettings.active().pollrate), 1);
    }

    void reportedSlotReplacesTheChosenOne()
    {
        auto window = openWindow();
        window->selectProfileSlot(2, false);
        QCOMPARE(int(currentSettings.ProfileID), 2);
        QSignalSpy notices(window.get(), &ZiziraziWidget::OsdNotice);
        mouse().sendStatusReport();
        QTRY_COMPARE_WITH_TIMEOUT(int(currentSettings.ProfileID), 0, kReportTimeoutMs);
        QVERIFY(notices.contains(QVariantList{QStringLiteral("Profile 1")}));
        QCOMPARE(readActiveProfileIndex(), 0);
    }

    void stageChangesFollowTheActiveSlotsFile()
    {
        m_dir->setConfigValue(QStringLiteral("Config/Profile1"), QStringLiteral("Profile 1"));
        m_dir->setConfigValue(QStringLiteral("Config/Profile3"), QStringLiteral("Profile 3"));
        auto window = openWindow();
        const QString folder = m_dir->path() + QStringLiteral("/Configs/Profile/");
        window->slotRefreshDPIStage(1);
        window->selectProfileSlot(2, false);
        window->slotRefreshDPIStage(3);
        QSettings first(folder + QStringLiteral("Profile 1.prof"), QSettings::IniFormat);
        QSettings third(folder + QStringLiteral("Profile 3.prof"), QSettings::IniFormat);
        QCOMPARE(first.value(QStringLiteral("PROFILE/dpi")).toInt(), 1);
        QCOMPARE(third.value(QStringLiteral("PROFILE/dpi")).toInt(), 3);
        QCOMPARE(int(currentSettings.profiles[2].dpi), 3);
        QCOMPARE(int(currentSettings.profiles[0].dpi), 1);
    }

    void stagesBeyondTheProfileAreIgnored()
    {
        auto window = openWindow();
        const int before = window->dpiPage()->currentStage();
        window->slotRefreshDPIStage(12);
        QCOMPARE(window->dpiPage()->currentStage(), before);
        QCOMPARE(int(currentSettings.active().dpi), before);
    }

    void ledDisabledProductOpensOnCustomize()
    {
        m_dir->setProductValue(QStringLiteral("PROFILE/ledDisable"), 1);
        QCOMPARE(productLedDisable(), 1);
        auto window = openWindow();
        QCOMPARE(window->currentPage(), 1);
        QVERIFY(buttonOf(*window, WindowControl::TabCustomize)->isChecked());
        QCOMPARE(window->control(WindowControl::TabLighting)->size(), QSize(0, 0));
        QVERIFY(!window->lightingPage()->isVisible());
        QVERIFY(window->customizePage()->isVisible());
    }

    void dragMovesTheWindowBeyondFourPixels()
    {
        auto window = openWindow();
        const QPoint start = window->pos();
        auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
            QMouseEvent event(type, window->mapFromGlobal(global), global,
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &event);
        };
        const QPoint press = window->mapToGlobal(QPoint(500, 40));
        send(QEvent::MouseButtonPress, press, Qt::LeftButton);
        send(QEvent::MouseMove, press + QPoint(2, 2), Qt::LeftButton);
        QCOMPARE(window->pos(), start);
        send(QEvent::MouseMove, press + QPoint(40, -25), Qt::LeftButton);
        QCOMPARE(window->pos(), start + QPoint(40, -25));
        send(QEvent::MouseButtonRelease, press + QPoint(40, -25), Qt::NoButton);
        send(QEvent::MouseMove, press + QPoint(90, 90), Qt::NoButton);
        QCOMPARE(window->pos(), start + QPoint(40, -25));
    }

    void applyWritesTheEditedSettings()
    {
        auto window = openWindow();
        mouse().clearPackets();
        // The lighting page writes into the record as the user edits; the others hand their
        // values over at apply.
        ProfileData &active = currentSettings.profiles[0];
        active.LedMode = 2;
        ProfileData edited = active;
        edited.pollrate = active.pollrate == 1 ? 8 : 1;
        window->ratePage()->refresh(edited, currentSettings.LiftHigh);
        writeApplyFailedFlag(1);

        bool animationSeen = false;
        handleNextModal<ZelProcessDialog>([&](ZelProcessDialog *dialog) {
            animationSeen = dialog->animationRunning() && !dialog->statusText().isEmpty();
        });
        buttonOf(*window, WindowControl::Apply)->click();

        QVERIFY(animationSeen);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const FirmwareState state = mouse().state();
        QCOMPARE(int(state.rateCode), int(edited.pollrate));
        QCOMPARE(int(state.ledMode), 2);
        QVERIFY(state.endMarkers >= 1);
        QCOMPARE(readApplyFailedFlag(), 0);
        QCOMPARE(int(appliedSettings.profiles[0].pollrate), int(edited.pollrate));
        // A successful write starts a poller again.
        QTRY_VERIFY_WITH_TIMEOUT(window->statusThreadRunning(), kReportTimeoutMs);
    }

    void failedApplyAsksToTryAgain()
    {
        auto window = openWindow();
        // A mouse that takes every packet and never answers; its reads end at once, so the
        // retries run their whole course quickly.
        const ExchangeIo real = exchangeIo();
        ExchangeIo quick = real;
        quick.readTimeout = [real](hid_device *h, unsigned char *d, size_t n, int) { return real.readTimeout(h, d, n, 1); };
        quick.sleepMs = [](int) {};
        setExchangeIo(quick);
        MouseEmulator::Misbehaviour silent;
        silent.silent = true;
        mouse().setMisbehaviour(silent);

        QString message;
        bool hadNoButton = false;
        handleNextModal<ZelMessageBox>([&](ZelMessageBox *box) {
            message = box->messageLabel()->text();
            hadNoButton = box->noButton() != nullptr;
            box->noButton()->click();
        });
        buttonOf(*window, WindowControl::Apply)->click();

        QCOMPARE(message, QStringLiteral("Sending the settings to the mouse failed. Please try again."));
        QVERIFY(hadNoButton);
        QCOMPARE(readApplyFailedFlag(), 1);
        QVERIFY(window->isVisible());
        // The mouse is behind until a write goes through.
        QVERIFY(window->isMouseOutOfDate());
        QVERIFY(buttonOf(*window, WindowControl::Apply)->isMarked());
        QCOMPARE(buttonOf(*window, WindowControl::Apply)->toolTip(), QStringLiteral("Not yet on the mouse"));
        if (window->trayIcon())
            QVERIFY(window->trayIcon()->toolTip().endsWith(QStringLiteral("Not yet on the mouse")));

        // Again, and this time the mouse answers before Yes: the retry goes through.
        const int writesBefore = mouse().state().endMarkers;
        int questions = 0;
        handleNextModal<ZelMessageBox>([&](ZelMessageBox *box) {
            ++questions;
            mouse().setMisbehaviour({});
            box->yesButton()->click();
        });
        buttonOf(*window, WindowControl::Apply)->click();
        setExchangeIo(real);
        QCOMPARE(questions, 1);
        QCOMPARE(mouse().state().endMarkers, writesBefore + 1);
        QCOMPARE(readApplyFailedFlag(), 0);
        QVERIFY(!window->isMouseOutOfDate());
        QVERIFY(!buttonOf(*window, WindowControl::Apply)->isMarked());
        QCOMPARE(buttonOf(*window, WindowControl::Apply)->toolTip(), buttonOf(*window, WindowControl::Apply)->text());
        if (window->trayIcon())
            QVERIFY(!window->trayIcon()->toolTip().contains(QStringLiteral("Not yet on the mouse")));
    }

    void okHidesTheWindowAfterTheWrite()
    {
        auto window = openWindow();
        buttonOf(*window, WindowControl::Ok)->click();
        QVERIFY(!window->isVisible());
        QVERIFY(mouse().state().endMarkers >= 1);
    }

    void languageSwitchRetranslatesAtOnce()
    {
        QFile french(m_dir->path() + QStringLiteral("/lang/zelmouse_fr.qm"));
        QVERIFY2(french.exists(), "translations are built with the program");
        auto window = openWindow();
        QMenu *menu = window->languageMenu();
        QVERIFY(menu->actions().size() >= 3);
        menu->actions().at(1)->trigger();
        QCOMPARE(window->languageIndex(), 1);
        QCOMPARE(readLanguageIndex(), 1);
        const QString lighting = buttonOf(*window, WindowControl::TabLighting)->text();
        QVERIFY2(lighting != QStringLiteral("LIGHTING"), qPrintable(lighting));
        QCOMPARE(buttonOf(*window, WindowControl::Apply)->text(), QCoreApplication::translate("QObject", "Apply"));
        QCOMPARE(buttonOf(*window, WindowControl::Language)->text(), menu->actions().at(1)->text());
        menu->actions().at(2)->trigger();
        QVERIFY(buttonOf(*window, WindowControl::TabLighting)->text() != lighting);
        menu->actions().at(0)->trigger();
        QCOMPARE(buttonOf(*window, WindowControl::TabLighting)->text(), QStringLiteral("LIGHTING"));
    }

    void keyNamesAreFrenchInTheProductsFrenchLanguage()
    {
        auto window = openWindow();
        QCOMPARE(productFrenchLanguage(), 1);
        QCOMPARE(keyName(0x10), QStringLiteral("Q"));
        window->languageMenu()->actions().at(1)->trigger();
        QCOMPARE(keyName(0x10), QStringLiteral("a"));
        window->languageMenu()->actions().at(2)->trigger();
        QCOMPARE(keyName(0x10), QStringLiteral("Q"));
    }

private:
};

QTEST_MAIN(WindowStatusTest)
#include "window_status_test.moc"
