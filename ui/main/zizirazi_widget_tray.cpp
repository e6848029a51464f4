// What reaches outside the window: the tray icon, notices for the on-screen display, the
// low-battery notice and the hand-over to the firmware updater.

#include "ui/main/zizirazi_widget.h"
#include "ui/kit/keyboard_access.h"
#include "ui/kit/zel_processbar.h"
#include "ui/main/window_log.h"

#include "device/device_link.h"
#include "device/device_session.h"
#include "platform/autostart.h"
#include "platform/desktop_notifier.h"
#include "platform/osd_channel.h"
#include "store/config_file.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/battery_report.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>

namespace {

// A notice is due again only after the level rose above this, so a level wavering around the
// low level does not repeat it.
constexpr int kBatteryRecoveredLevel = 20;
// Longer than a stage notice: the user may be looking elsewhere.
constexpr int kLowBatteryNoticeMs = 5000;
constexpr int kTrayNoticeMs = 10000;

// A notice in the accent colour, as the on-screen display takes it.
QByteArray osdBlock(const QString &text, int durationMs)
{
    OsdMessage message;
    message.text = text;
    const QColor accent = currentAccentColor();
    message.colour = osdColour(accent.red(), accent.green(), accent.blue());
    message.durationMs = durationMs;
    return encodeOsdMessage(message);
}

const char kUpdater[] = "/skin/mouse/bin/K904-7120-20230727.exe";
const char kUpdaterEnglish[] = "/skin/mouse/bin/K904-7120-20230727-en.exe";

} // namespace

void ZiziraziWidget::createTray()
{
    loadConfigAction = new ZelAction(this);
    quitAction = new ZelAction(this);
    connect(loadConfigAction, &QAction::triggered, this, &ZiziraziWidget::showMainWindow);
    connect(quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    trayMenu = new QMenu(this);
    // The autostart entry is what counts: the user may have removed it in the desktop's settings.
    startAtLoginAction = new ZelAction(this);
    startAtLoginAction->setCheckable(true);
    startAtLoginAction->setChecked(startsAtLogin());
    if (startAtLoginAction->isChecked() != readStartAtLogin())
        writeStartAtLogin(startAtLoginAction->isChecked());
    connect(startAtLoginAction, &QAction::triggered, this, &ZiziraziWidget::setStartAtLoginFromTray);
    programsAction = new ZelAction(this);
    connect(programsAction, &QAction::triggered, this, &ZiziraziWidget::showProgramsDialog);
    trayMenu->addAction(loadConfigAction);
    trayMenu->addAction(startAtLoginAction);
    trayMenu->addAction(programsAction);
    trayMenu->addAction(quitAction);
    applyMenuStyle(trayMenu);
    // The menu's dark style hides the platform's tick: "Start at Login" draws its own.
    trayMenu->setStyleSheet(trayMenu->styleSheet()
                            + QStringLiteral("QMenu::indicator{width:14px;height:14px;left:3px;}"
                                             "QMenu::indicator:checked{image:url(:/yes_Btn);}"));
    retranslateTray();

    tray = new QSystemTrayIcon(QIcon(appPath(QStringLiteral("/skin/icon.ico"))), this);
    tray->setContextMenu(trayMenu);
    tray->setToolTip(readCurrentProductName());
    connect(tray, &QSystemTrayIcon::activated, this, &ZiziraziWidget::iconActivated);
    // Only what the mouse reports: the constructor's placeholder report is no battery level.
    connect(session.get(), &DeviceSession::RefreshBatteryStatus, this, &ZiziraziWidget::trayBatteryReport);
    tray->show();

    osdSender = new OsdSender(appPath(QStringLiteral("/zelmouse-osd")), this);
}

void ZiziraziWidget::retranslateTray()
{
    if (!loadConfigAction)
        return;
    loadConfigAction->setText(tr("&Load Config"));
    startAtLoginAction->setText(tr("&Start at Login"));
    programsAction->setText(tr("&Programs..."));
    quitAction->setText(tr("&Quit"));
}

void ZiziraziWidget::setStartAtLoginFromTray(bool on)
{
    QString error;
    if (!setStartAtLogin(on, QCoreApplication::applicationFilePath(), &error)) {
        startAtLoginAction->setChecked(startsAtLogin());
        showMessage(ZelMessageBox::Warning, tr("The login entry could not be changed: %1").arg(error));
        return;
    }
    if (!writeStartAtLogin(on))
        qCDebug(lcWindow, "The start-at-login choice could not be stored in the configuration file");
}

bool ZiziraziWidget::trayUsable() const
{
    return tray && tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void ZiziraziWidget::closeWindow()
{
    if (trayUsable()) {
        hide();
        return;
    }
    // Hidden without a tray, the program could be neither reached nor ended.
    qCDebug(lcWindow, "No system tray: closing the window ends the program");
    QCoreApplication::quit();
}

void ZiziraziWidget::closeEvent(QCloseEvent *event)
{
    // The window manager's close does what the close button does.
    event->ignore();
    closeWindow();
}

void ZiziraziWidget::showMainWindow()
{
    if (isMinimized())
        showNormal();
    if (warningShown) {
        // The "Dongle Disconnect!" box is up already: bring it forward, never open a second.
        show();
        raise();
        activateWindow();
        return;
    }
    slotWarning();
    raise();
}

void ZiziraziWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    // A minimised window counts as hidden: a click on the icon brings it back.
    if (!isVisible() || isMinimized())
        showMainWindow();
    else if (!warningShown)
        hide();
}

// ---------------------------------------------------------------------------------------------
// Battery in the tray

void ZiziraziWidget::trayBatteryReport(uchar chargingNow, uchar level, uchar)
{
    trayBatteryLevel = level;
    const QString levelText = level == 0 ? QObject::tr("MOUSE OFF") : tr("Battery %1%").arg(qMin(int(level), 100));
    tray->setToolTip(readCurrentProductName() + QLatin1Char('\n') + levelText);
    if (level == 0)
        return; // switched off: no level to judge
    if (level > kBatteryRecoveredLevel) {
        lowBatteryArmed = true;
    } else if (level <= kLowBatteryLevel && lowBatteryArmed && !chargingNow) {
        lowBatteryArmed = false;
        showLowBatteryNotice(level);
    }
}

void ZiziraziWidget::showLowBatteryNotice(int level)
{
    const QString text = tr("Mouse battery low: %1%. Please charge the mouse.").arg(level);
    qCDebug(lcWindow, "Battery low (%d %%)", level);
    emit LowBatteryNotice(text);
    announce(batteryBarWidget, text);
    if (!notifyOutsideWindow(text))
        osdSender->send(osdBlock(text, kLowBatteryNoticeMs));
}

bool ZiziraziWidget::notifyOutsideWindow(const QString &text)
{
    if (trayUsable()) {
        tray->showMessage(readCurrentProductName(), text, QSystemTrayIcon::Warning, kTrayNoticeMs);
        return true;
    }
    // GNOME shows no tray: its notification service does.
    return sendDesktopNotification(readCurrentProductName(), text);
}

// ---------------------------------------------------------------------------------------------
// On-screen display

void ZiziraziWidget::notifyOsd(const QString &text)
{
    emit OsdNotice(text);
    if (!osdSender)
        return;
    // Returns at once: the companion is started and reached from the event loop.
    osdSender->send(osdBlock(text, OsdMessage().durationMs));
}

// ---------------------------------------------------------------------------------------------
// Firmware hand-over

void ZiziraziWidget::handleFirmwareButton(bool fromClick)
{
    button(WindowControl::Firmware)->setChecked(false);
    // A press already handled the click that ends it; and one question at a time.
    if (fromClick && firmwarePressHandled) {
        firmwarePressHandled = false;
        return;
    }
    firmwarePressHandled = !fromClick;
    if (firmwareDialogUp)
        return;
    firmwareDialogUp = true;
    const DeviceModelRecord *record = deviceModelTable().count > 0 ? &deviceModelTable().records[0] : nullptr;
    // The press asks for the cable's mouse interface, the click for the cable's release number.
    const bool cable = fromClick ? deviceReleaseNumber() != 0 : record && record->foundMouse2 != 0;
    if (!cable) {
        showMessage(ZelMessageBox::Warning, QObject::tr("To update the firmware, please connect to the computer with a cable."));
        firmwareDialogUp = false;
        return;
    }
    if (showMessage(ZelMessageBox::Question, QObject::tr("Do you want to upgrade the firmware?")) != 1) {
        firmwareDialogUp = false;
        return;
    }
    stopStatusThread();
    const QString updater = appPath(QLatin1String(currentLanguageIndex() == 0 ? kUpdaterEnglish : kUpdater));
    if (QFileInfo(updater).isFile() && QProcess::startDetached(updater, QStringList())) {
        qCDebug(lcWindow, "Firmware updater started: %s; the program ends", qPrintable(updater));
        // Through the event loop, so the mouse is closed before the updater needs it.
        QCoreApplication::exit(0);
        firmwareDialogUp = false;
        return;
    }
    // Nothing was handed over: the user's session goes on.
    qCWarning(lcWindow, "Firmware updater missing or not startable: %s", qPrintable(updater));
    startStatusThread();
    showMessage(ZelMessageBox::Warning,
                tr("The firmware updater could not be started:\n%1").arg(QDir::toNativeSeparators(updater)));
    firmwareDialogUp = false;
}
