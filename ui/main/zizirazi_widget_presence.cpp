// Device presence: interfaces coming and going, the list of connected mice, choosing one of
// them, and the "Dongle Disconnect!" box while none is left.

#include "ui/main/zizirazi_widget.h"
#include "ui/main/window_log.h"

#include "device/device_link.h"
#include "device/device_session.h"
#include "device/presence_tracker.h"
#include "platform/hotplug_watcher.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/plug_in_flag.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/page_visibility.h"
#include "ui/pages/zel_btn_window.h"

#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

// After a change the box comes up, or the window reloads, this much later: the other
// interfaces of the same plug arrive meanwhile.
constexpr int kSettleMs = 200;
// The mouse is given this long between closing and opening again when one interface of the
// selected mouse came or went.
constexpr int kReopenPauseMs = 500;
// Between closing one mouse and opening the one chosen from the menu.
constexpr int kSwitchPauseMs = 50;

} // namespace

void ZiziraziWidget::registerDeviceNotification()
{
    hotplug = std::make_unique<HotplugWatcher>();
    if (!hotplug->isWatching()) {
        qCWarning(lcWindow, "Device notifications could not be registered; the program works without following the mouse.");
        return;
    }
    connect(hotplug.get(), &HotplugWatcher::interfaceChanged, this, &ZiziraziWidget::handleDeviceChange);
}

bool ZiziraziWidget::isFollowingDevices() const
{
    return hotplug && hotplug->isWatching();
}

void ZiziraziWidget::raiseMainWindow()
{
    show();
    raise();
    activateWindow();
}

int ZiziraziWidget::countConnectedModels() const
{
    int count = 0;
    for (uint32_t i = 0; i < deviceModelTable().count && i < kDeviceModelCapacity; ++i)
        count += modelConnected(deviceModelTable().records[i]) ? 1 : 0;
    return count;
}

void ZiziraziWidget::setPluggedIn(bool plugged)
{
    pluggedIn = plugged;
    // The box polls this copy.
    setMousePluggedIn(plugged);
}

void ZiziraziWidget::handleDeviceChange(const QString &name, bool arrived)
{
    qCDebug(lcWindow, "%s %s", arrived ? "Interface arrived:" : "Interface removed:", qPrintable(name));

    const int countBefore = mouseCount;
    bool newlyArrived = false;
    for (const PresenceChange &change : trackInterfaceChange(name, arrived)) {
        const QString &model = change.model;
        bool handled = false;
        if (arrived) {
            newlyArrived = newlyArrived || change.newlyFound;
            if (change.present) {
                rebuildMouseList();
                if (countBefore != 0)
                    session->resume(readCurrentProductName(), 0);
                else
                    QTimer::singleShot(kSettleMs, this, &ZiziraziWidget::slotWarnClose);
            }
        } else {
            if (!change.changed)
                continue;
            if (change.modelGone) {
                mouseCount = countConnectedModels();
                if (mouseCount > 0) {
                    const QString selectedBefore = readCurrentProductName();
                    rebuildMouseList();
                    if (model == selectedBefore) {
                        // The poller is stopped before the close and started after the open.
                        session->resume(readCurrentProductName(), 0);
                        reloadForSelectedMouse();
                        handled = true;
                    }
                } else {
                    session->close();
                    showBatteryUnknown();
                    setPluggedIn(false);
                    warningShown = true;
                    QTimer::singleShot(kSettleMs, this, &ZiziraziWidget::slotWarning);
                }
            }
        }
        if (!handled && model == readCurrentProductName() && change.anyInterfaceFound)
            session->resume(model, kReopenPauseMs);
    }
    if (newlyArrived)
        writeApplyFailedFlag(1);
    updateLinkDisplay();
}

void ZiziraziWidget::rebuildMouseList()
{
    connectedModels.clear();
    mouseCount = 0;
    auto *selector = button(WindowControl::MouseSelector);
    if (deviceModelTable().count < 2)
        selector->hide();
    // The old menu may be the one open right now: it goes when control returns to the loop.
    if (mouseMenu)
        mouseMenu->deleteLater();
    mouseMenu = new QMenu(this);
    for (uint32_t i = 0; i < deviceModelTable().count && i < kDeviceModelCapacity; ++i) {
        const DeviceModelRecord &record = deviceModelTable().records[i];
        if (!modelConnected(record))
            continue;
        const QString name = QString::fromLatin1(record.name);
        connectedModels.append(name);
        mouseMenu->addAction(name);
        ++mouseCount;
    }
    if (connectedModels.size() < 2) {
        selector->hide();
        selector->setMenu(nullptr);
        delete mouseMenu;
        mouseMenu = nullptr;
        if (connectedModels.size() == 1) {
            qCDebug(lcWindow) << "RefreshMouseList " << connectedModels.first();
            writeCurrentProductName(connectedModels.first());
        }
        // With none connected the known product stays: the library, the tool and the next
        // arrival still need to know which mouse this is.
        return;
    }
    selector->show();
    const QString selected = readCurrentProductName();
    if (connectedModels.contains(selected)) {
        selector->setText(selected);
        writeCurrentProductName(selected);
    } else {
        writeCurrentProductName(connectedModels.first());
    }
    connect(mouseMenu, &QMenu::triggered, this, &ZiziraziWidget::slot_show_mousename);
    selector->setMenu(mouseMenu);
    mouseMenu->setMinimumWidth(int(150 * scaleFactor));
    applyMenuStyle(mouseMenu);
}

void ZiziraziWidget::slot_show_mousename(QAction *action)
{
    if (!action)
        return;
    const QString name = action->text();
    frontView = true;
    if (btnWindow)
        btnWindow->clearSelection();
    button(WindowControl::MouseSelector)->setText(name);
    writeCurrentProductName(name);
    // The poller stops before the close and starts again after the open.
    session->resume(name, kSwitchPauseMs);
    reloadForSelectedMouse();
}

bool ZiziraziWidget::keepsUnsentEdits()
{
    // Edits made for another model (its sensor, its buttons) are not carried over to it.
    if (readCurrentProductName() != pagesProduct)
        return false;
    // The DPI and pointer pages keep their values to themselves until Apply.
    collectPages();
    return settingsDiffer(currentSettings, appliedSettings);
}

void ZiziraziWidget::reloadForSelectedMouse()
{
    pagesProduct = readCurrentProductName();
    loadMouseImages();
    layoutForScale();
    loadAllSettings(appliedSettings);
    currentSettings = appliedSettings;
    const int slot = activeSlot();
    button(WindowControl::ProfileSelector)->setText(slotActions[slot]->text());
    nameEdit->setText(currentSettings.ProfileNames[slot]);
    loadProfileLibrary();
    rebuildLibraryMenu();
    writeDefaultProfileFile();
    // The first page the window opens with: a model without lighting has no LIGHTING tab.
    showPage(productLedDisable() != 0 ? int(WindowPage::Customize) : int(WindowPage::Lighting));
    applyButtonSkins();
    refreshPages();
    openActiveProfileFile();
    emit MouseReloaded();
}

void ZiziraziWidget::slotWarning()
{
    raiseMainWindow();
    if (mouseCount != 0)
        return;
    // One box at a time: a second removal while it is up changes nothing.
    if (warningBox)
        return;
    warningShown = true;
    ZelMessageBox box(ZelMessageBox::Receiver, QString(), QObject::tr("Warning"), QObject::tr("Dongle Disconnect!"),
                      this, true, Qt::FramelessWindowHint);
    warningBox = &box;
    QTimer::singleShot(0, this, &ZiziraziWidget::DisconnectBoxShown);
    const int result = box.exec();
    warningBox = nullptr;
    // Hidden only where the tray icon can bring it back: without one the program would run on
    // with no window at all.
    if (result == 1 && mouseCount == 0 && trayUsable())
        hide();
    warningShown = false;
    applyOnArrivalIfDue();
}

void ZiziraziWidget::slotWarnClose()
{
    // The mouse went again before it settled: the box stays.
    if (mouseCount == 0)
        return;
    session->resume(readCurrentProductName(), 0);
    // The box goes first: the reload below reads every settings file, which takes a moment.
    // (The box would also see the flag at its next look, up to 100 ms on.)
    setPluggedIn(true);
    if (warningBox)
        warningBox->GetPlugInSignal();
    if (keepsUnsentEdits()) {
        // The same mouse back after a drop, with edits not yet sent: they stay on the pages, as
        // does the page, and are sent by the user's next Apply. An arrival's apply would send
        // them unasked, so it waits for that Apply too.
        qCDebug(lcWindow, "The mouse came back; the edits not yet sent to it are kept.");
        arrivalApplyPending = false;
        writeApplyFailedFlag(1);
        setMouseOutOfDate(true);
        emit MouseBackWithUnsentEdits();
        return;
    }
    if (btnWindow)
        btnWindow->clearSelection();
    frontView = true;
    reloadForSelectedMouse();
    SelBtnChanged(0, 0);
    arrivalApplyPending = readApplyOnArrival() && readApplyFailedFlag() == 1;
    applyOnArrivalIfDue();
}

void ZiziraziWidget::applyOnArrivalIfDue()
{
    // Not while the box is still up: it closes first, then the progress comes.
    if (!arrivalApplyPending || warningBox || mouseCount == 0)
        return;
    arrivalApplyPending = false;
    qCDebug(lcWindow, "The mouse came back without the stored settings; writing them.");
    writeWithProgress();
}
