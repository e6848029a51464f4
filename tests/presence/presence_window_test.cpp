// The main window following the mouse as it is plugged and unplugged: the change handler's
// cases with names given to it directly, and the emulated mouse's real uevents end to end.

#include "device/device_link.h"
#include "device/device_session.h"
#include "device/model_identities.h"
#include "emulator/mouse_emulator.h"
#include "platform/hid_interface_name.h"
#include "store/config_file.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zel_process_dialog.h"
#include "ui/main/zizirazi_widget.h"
#include "ui/kit/zel_processbar.h"
#include "ui/pages/zel_dpi_window.h"
#include "store/device_settings.h"
#include "../window/emulated_window_test.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>

#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeoutMs = 5000;
const QString kFirstModel = QStringLiteral("Glide X7");
const QString kSecondModel = QStringLiteral("Glide X5");

QString interfaceName(uint32_t vid, uint32_t pid, int interfaceNumber, const QString &path, int release = -1)
{
    HidInterfaceName name;
    name.vendorId = vid;
    name.productId = pid;
    name.interfaceNumber = interfaceNumber;
    name.hasRelease = release >= 0;
    name.release = release < 0 ? 0 : unsigned(release);
    name.path = path;
    return composeHidInterfaceName(name);
}

// A cable interface of the first model that the emulator has not plugged.
QString cableName(int interfaceNumber, int release = 0x0200)
{
    const ModelIdentity &first = kModelIdentities[0];
    return interfaceName(first.cableVid, first.cablePid, interfaceNumber,
                         QStringLiteral("/dev/hidraw%1").arg(interfaceNumber == 0 ? 2 : 3), release);
}

const DeviceModelRecord &record(int i) { return deviceModelTable().records[i]; }

QString messageText(QWidget *box)
{
    auto *label = box ? box->findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel2")) : nullptr;
    return label ? label->text() : QString();
}

} // namespace

class PresenceWindowTest : public EmulatedWindowTest {
    Q_OBJECT
private:
    std::unique_ptr<ZiziraziWidget> openWindow()
    {
        auto window = std::make_unique<ZiziraziWidget>();
        window->show();
        // The constructor's own warning check has run (the mouse is there: it only shows).
        QTest::qWait(0);
        return window;
    }

    // Every request made so far carried out (the test's thread may wait; the window never does).
    static void settle(ZiziraziWidget &window) { window.deviceSession()->waitForIdle(); }

    // The connection the window's poller talks over once the session has settled: a poll is
    // asked for now rather than at its next turn. None when it does not talk at all.
    MouseEmulator::Connection polledConnection(ZiziraziWidget &window)
    {
        settle(window);
        if (!window.statusThreadRunning())
            return MouseEmulator::None;
        mouse().clearPackets();
        window.stopStatusThread();
        window.startStatusThread();
        QElapsedTimer waited;
        waited.start();
        while (mouse().packets().isEmpty() && waited.elapsed() < kTimeoutMs)
            QTest::qWait(10);
        return mouse().packets().isEmpty() ? MouseEmulator::None : mouse().packets().first().connection;
    }

private slots:
    void initTestCase()
    {
        // A runtime folder of our own: other programs' exchange locks would hold up the poller.
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        QVERIFY2(MouseEmulator::environmentReady(), "run under umockdev-wrapper");
        mouse();
    }

    void namesRoundTripInEitherCase()
    {
        const QString name = interfaceName(0x1209, 0x00AB, 2, QStringLiteral("/dev/hidraw7"), 0x0102);
        QCOMPARE(name, QStringLiteral("VID_1209&PID_00AB&MI_02&REV_0102#/dev/hidraw7"));
        const HidInterfaceName parsed = parseHidInterfaceName(name.toLower().replace(QStringLiteral("/dev/hidraw7"), QStringLiteral("/dev/X")));
        QVERIFY(parsed.valid);
        QCOMPARE(parsed.productId, 0xABu);
        QCOMPARE(parsed.interfaceNumber, 2);
        QVERIFY(parsed.hasRelease);
        QCOMPARE(parsed.release, 0x0102u);
        QCOMPARE(parsed.path, QStringLiteral("/dev/X")); // the path keeps its case
        QVERIFY(!parseHidInterfaceName(QStringLiteral("HID#VID_1209&PID_0001&MI_00")).valid);
        QVERIFY(!parseHidInterfaceName(QStringLiteral("VID_1209&PID_0001&MI_00#")).valid);
    }

    void oneInterfaceOfAPairThenBoth()
    {
        auto window = openWindow();
        QCOMPARE(window->connectedMouseCount(), 1);
        QCOMPARE(window->currentLinkState(), 2);
        writeApplyFailedFlag(0);

        window->handleDeviceChange(cableName(0), true);
        QCOMPARE(record(0).connection(kCableConnection).foundMouse, 1u);
        QCOMPARE(QString::fromLatin1(record(0).connection(kCableConnection).pathMouse), QStringLiteral("/dev/hidraw2"));
        QCOMPARE(record(0).connection(kCableConnection).foundVendor, 0u);
        QCOMPARE(window->connectedMouseCount(), 1);
        QCOMPARE(window->currentLinkState(), 2); // no cable link without its vendor interface
        QCOMPARE(readApplyFailedFlag(), 1);      // something newly arrived

        // The real cable: its mouse interface again (already known), then its vendor interface.
        writeApplyFailedFlag(0);
        mouse().plug(MouseEmulator::Cable);
        QTRY_COMPARE_WITH_TIMEOUT(record(0).connection(kCableConnection).foundVendor, 1u, kTimeoutMs);
        QCOMPARE(window->connectedMouseCount(), 1); // one model, two connections
        QCOMPARE(window->currentLinkState(), 1);
        QCOMPARE(readApplyFailedFlag(), 1);
        // Reopened with the cable, which the poller now talks over.
        QCOMPARE(polledConnection(*window), MouseEmulator::Cable);
    }

    void namesOfNoModelAndRejectedReleasesChangeNothing()
    {
        auto window = openWindow();
        writeApplyFailedFlag(0);
        const ModelIdentity &first = kModelIdentities[0];
        window->handleDeviceChange(QStringLiteral("HID#VID_1209&PID_0002&MI_00"), true); // another form
        window->handleDeviceChange(interfaceName(first.cableVid, first.cablePid, 1, QStringLiteral("/dev/hidraw9")), true);
        window->handleDeviceChange(interfaceName(0x046D, 0xC077, 0, QStringLiteral("/dev/hidraw9")), true);
        window->handleDeviceChange(interfaceName(first.receiverVid, first.receiverPid, 1, QStringLiteral("/dev/hidraw1")), false);

        QVERIFY(setReleaseLimits(0, kCableConnection, 0x0100, 0x01FF));
        window->handleDeviceChange(cableName(0, 0x0200), true); // above the range
        window->handleDeviceChange(cableName(2, 0x00FF), true); // below it
        QCOMPARE(record(0).connection(kCableConnection).foundMouse + record(0).connection(kCableConnection).foundVendor, 0u);
        QCOMPARE(record(0).connection(kReceiverConnection).foundMouse + record(0).connection(kReceiverConnection).foundVendor, 2u);
        QCOMPARE(readApplyFailedFlag(), 0);
        QCOMPARE(window->connectedMouseCount(), 1);

        // Inside the range, and written in lower case: found.
        window->handleDeviceChange(cableName(0, 0x0150).toLower(), true);
        QCOMPARE(record(0).connection(kCableConnection).foundMouse, 1u);
        QCOMPARE(readApplyFailedFlag(), 1);
    }

    void cableRemovedWhileReceiverStaysKeepsWorking()
    {
        mouse().plug(MouseEmulator::Cable);
        auto window = openWindow();
        QCOMPARE(window->currentLinkState(), 1);
        QSignalSpy boxes(window.get(), &ZiziraziWidget::DisconnectBoxShown);

        mouse().unplug(MouseEmulator::Cable);
        QTRY_COMPARE_WITH_TIMEOUT(record(0).connection(kCableConnection).foundMouse + record(0).connection(kCableConnection).foundVendor, 0u, kTimeoutMs);
        QCOMPARE(window->connectedMouseCount(), 1);
        QCOMPARE(window->currentLinkState(), 2);
        QVERIFY(!window->isWarningShown());
        // Closed and reopened on the receiver after the pause; the poller runs again there.
        QCOMPARE(polledConnection(*window), MouseEmulator::Receiver);
        QCOMPARE(boxes.count(), 0);
    }

    void unplugShowsTheBoxAndPlugClosesItAndReloads()
    {
        auto window = openWindow();
        writeApplyFailedFlag(0);
        QSignalSpy reloaded(window.get(), &ZiziraziWidget::MouseReloaded);
        QString text;
        bool warningWhileUp = false;
        bool pollerWhileUp = true;
        bool openWhileUp = true;
        int countWhileUp = -1;
        connect(window.get(), &ZiziraziWidget::DisconnectBoxShown, this, [&] {
            text = messageText(QApplication::activeModalWidget());
            countWhileUp = window->connectedMouseCount();
            warningWhileUp = window->isWarningShown();
            settle(*window);
            pollerWhileUp = window->statusThreadRunning();
            openWhileUp = window->deviceSession()->vendorInterfaceOpen();
            mouse().plug(MouseEmulator::Receiver);
        });

        mouse().unplug(MouseEmulator::Receiver);
        QTRY_VERIFY_WITH_TIMEOUT(reloaded.count() == 1 && !window->isWarningShown(), kTimeoutMs);
        QCOMPARE(text, QStringLiteral("Receiver disconnected"));
        QCOMPARE(countWhileUp, 0);
        QVERIFY(warningWhileUp);
        QVERIFY(!pollerWhileUp);
        QVERIFY(!openWhileUp);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, kTimeoutMs);
        QVERIFY(window->isVisible());
        QVERIFY(window->isPluggedIn());
        QCOMPARE(window->connectedMouseCount(), 1);
        QCOMPARE(readApplyFailedFlag(), 1);
        settle(*window);
        QVERIFY(window->deviceSession()->vendorInterfaceOpen());
        QVERIFY(window->statusThreadRunning());
        // Off by default: nothing was written on arrival.
        QCOMPARE(mouse().state().endMarkers, 0);
    }

    // No tray here (offscreen): hidden, the window could never come back.
    void okWithoutATrayKeepsTheWindow()
    {
        auto window = openWindow();
        bool accepted = false;
        connect(window.get(), &ZiziraziWidget::DisconnectBoxShown, this, [&accepted] {
            auto *box = qobject_cast<ZelMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->accept();
            accepted = true;
        });
        mouse().unplug(MouseEmulator::Receiver);
        QTRY_VERIFY_WITH_TIMEOUT(accepted && !window->isWarningShown(), kTimeoutMs);
        QVERIFY(window->isVisible());
        QCOMPARE(window->connectedMouseCount(), 0);
        QCOMPARE(readCurrentProductName(), kFirstModel); // kept for when it comes back
        // No receiver, no level: the last one is not shown as if current.
        QCOMPARE(window->batteryBar()->format(), QStringLiteral("--"));

        QSignalSpy reloaded(window.get(), &ZiziraziWidget::MouseReloaded);
        mouse().plug(MouseEmulator::Receiver);
        QTRY_COMPARE_WITH_TIMEOUT(reloaded.count(), 1, kTimeoutMs);
        QVERIFY(window->isVisible());
    }

    // A brief drop with a DPI change not yet applied: the change, the page and the mark stay,
    // and nothing is written unasked, even with the arrival's apply on.
    void unsentEditsSurviveABriefDrop()
    {
        writeApplyOnArrival(true);
        auto window = openWindow();
        window->showPage(2);
        ZelDPIWindow *dpi = window->dpiPage();
        const DpiStage before = dpi->stages()[1];
        dpi->onSliderChanged(int(before.x) + 2, int(before.y) + 2, 1);
        writeApplyFailedFlag(0);
        connect(window.get(), &ZiziraziWidget::DisconnectBoxShown, this, [this] { mouse().plug(MouseEmulator::Receiver); });
        QSignalSpy kept(window.get(), &ZiziraziWidget::MouseBackWithUnsentEdits);
        QSignalSpy reloaded(window.get(), &ZiziraziWidget::MouseReloaded);

        mouse().unplug(MouseEmulator::Receiver);
        QTRY_COMPARE_WITH_TIMEOUT(kept.count(), 1, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, kTimeoutMs);
        QCOMPARE(reloaded.count(), 0);
        QCOMPARE(window->currentPage(), 2);
        QCOMPARE(window->dpiPage()->stages()[1].y, before.y + 2);
        QCOMPARE(currentSettings.active().dpiStages[1].y, before.y + 2);
        QCOMPARE(readApplyFailedFlag(), 1);
        settle(*window);
        QVERIFY(window->statusThreadRunning());
        QCOMPARE(mouse().state().beginMarkers, 0);
    }

    // A start without a mouse keeps the product the files were made for.
    void startWithoutAMouseKeepsTheKnownProduct()
    {
        mouse().unplug(MouseEmulator::Everything);
        auto window = std::make_unique<ZiziraziWidget>();
        QCOMPARE(window->connectedMouseCount(), 0);
        QString productWhileUp;
        connect(window.get(), &ZiziraziWidget::DisconnectBoxShown, this, [&productWhileUp] {
            productWhileUp = readCurrentProductName();
            if (auto *box = qobject_cast<ZelMessageBox *>(QApplication::activeModalWidget()))
                box->accept();
        });
        QTRY_COMPARE_WITH_TIMEOUT(productWhileUp, kFirstModel, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isWarningShown(), kTimeoutMs);
        QCOMPARE(readCurrentProductName(), kFirstModel);
    }

    void applyOnArrivalWritesTheStoredSettingsOnce()
    {
        writeApplyOnArrival(true);
        auto window = openWindow();
        connect(window.get(), &ZiziraziWidget::DisconnectBoxShown, this, [this] { mouse().plug(MouseEmulator::Receiver); });
        bool progressSeen = false;
        handleNextModal<ZelProcessDialog>([&](ZelProcessDialog *) { progressSeen = true; });
        mouse().unplug(MouseEmulator::Receiver);
        QTRY_COMPARE_WITH_TIMEOUT(mouse().state().endMarkers, 1, kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(readApplyFailedFlag(), 0, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, kTimeoutMs);
        QVERIFY(progressSeen);
        QCOMPARE(mouse().state().beginMarkers, 1); // once, not again on the next event
    }

    void twoModelsMakeAMenuAndChoosingOneReloads()
    {
        auto window = openWindow();
        auto *selector = qobject_cast<ZelPushButton *>(window->control(WindowControl::MouseSelector));
        QCOMPARE(window->connectedMouseNames(), QStringList{kFirstModel});
        QVERIFY(!selector->isVisible());
        QVERIFY(!window->mouseListMenu());

        mouse().plug(MouseEmulator::SecondReceiver);
        QTRY_COMPARE_WITH_TIMEOUT(window->connectedMouseCount(), 2, kTimeoutMs);
        QCOMPARE(window->connectedMouseNames(), (QStringList{kFirstModel, kSecondModel}));
        QVERIFY(selector->isVisible());
        QCOMPARE(selector->text(), kFirstModel);
        QCOMPARE(selector->menu(), window->mouseListMenu());
        const QList<QAction *> actions = window->mouseListMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[1]->text(), kSecondModel);

        QSignalSpy reloaded(window.get(), &ZiziraziWidget::MouseReloaded);
        window->mouseListMenu()->triggered(actions[1]);
        QCOMPARE(reloaded.count(), 1);
        QCOMPARE(readCurrentProductName(), kSecondModel);
        QCOMPARE(selector->text(), kSecondModel);
        // The session now talks to the second model only.
        const int firstModelRequests = mouse().state(0).statusRequests;
        QCOMPARE(polledConnection(*window), MouseEmulator::SecondReceiver);
        QTRY_VERIFY_WITH_TIMEOUT(mouse().state(1).statusRequests > 0, kTimeoutMs);
        QCOMPARE(mouse().state(0).statusRequests, firstModelRequests);

        // The chosen model goes: back to the one left, without a box.
        mouse().unplug(MouseEmulator::SecondReceiver);
        QTRY_COMPARE_WITH_TIMEOUT(window->connectedMouseCount(), 1, kTimeoutMs);
        QCOMPARE(reloaded.count(), 2);
        QCOMPARE(readCurrentProductName(), kFirstModel);
        QVERIFY(!selector->isVisible());
        QVERIFY(!window->mouseListMenu());
        QVERIFY(!window->isWarningShown());
        settle(*window);
        QVERIFY(window->statusThreadRunning());
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(PresenceWindowTest)
#include "presence_window_test.moc"
