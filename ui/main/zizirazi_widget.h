#pragma once
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>
#include <QTranslator>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>

#include "store/language_config.h"
#include "store/profile_files.h"
#include "ui/main/page_visibility.h"
#include "ui/main/window_layout.h"
#include "ui/main/window_scale.h"

class AppProfileSwitcher;
class MacroDialog;
class OsdSender;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScreen;
class QScrollArea;
class QSettings;
class ZelAction;
class ZelBtnWindow;
class DeviceSession;
class HotplugWatcher;
class ZelColorWindow;
class ZelDPIWindow;
class ZelLabel;
class ZelMessageBox;
class ZelPointSpeed;
class ZelPointerSpeedRow;
class ZelProcessbar;
class ZelPushButton;
class ZelReportRate;
enum class LibraryOutcome;

// `image` at `size`, smoothly; empty when the image is.
QPixmap scaledPixmap(const QPixmap &image, const QSize &size, Qt::AspectRatioMode mode);

// The main window. Its constructor is the real start-up sequence of the program: it finds the
// mouse, loads every settings file, builds the pages and starts the status thread.
class ZiziraziWidget : public QWidget {
    Q_OBJECT
public:
    // `settingsReading`: the settings files, when their reading has begun before the window.
    explicit ZiziraziWidget(QWidget *parent = nullptr, std::unique_ptr<SettingsReading> settingsReading = nullptr);
    ~ZiziraziWidget() override;

    // Mice found by device discovery during construction.
    int connectedMouseCount() const { return mouseCount; }

    // 0 LIGHTING, 1 CUSTOMIZE, 2 DPI, 3 MACRO.
    void showPage(int page);
    // Push the active profile into every page.
    void refreshPages();
    void selectProfileSlot(int slot, bool reloadFromFile);
    void updateLinkDisplay();
    // The status poller, through the device session: both return at once.
    void startStatusThread();
    void stopStatusThread();
    void retranslateTexts();
    void layoutForScale();
    void loadMouseImages();
    // The front and side pictures of `product`.
    QStringList mouseImagePaths(const QString &product) const;
    // The skin pictures the constructor asks for, in its order.
    QStringList startupSkinImages(bool lightingPageFirst) const;
    void applyButtonSkins();
    // Shows the window (restored when minimised); with no mouse, the "Dongle Disconnect!" box.
    void showMainWindow();
    // Write currentSettings to the mouse behind the progress animation; reports failure itself.
    void writeWithProgress(bool forceFull);
    // One HID interface came or went; `name` in the hot-plug layer's form
    // (platform/hid_interface_name.h). Keeps the device table, the mouse list, the open
    // device and the "Dongle Disconnect!" box in step with it.
    void handleDeviceChange(const QString &name, bool arrived);
    // Shows the window and brings it to the front, as it is (after a reload).
    void raiseMainWindow();

    // State the window shows, for the program's own checks and tests.
    double currentScaleFactor() const { return scaleFactor; }
    int currentScaleIndex() const { return scaleIndex; }
    int currentLinkState() const { return linkState; }
    int currentPage() const { return page; }
    bool isFrontView() const { return frontView; }
    bool isMouseOff() const { return mouseOff; }
    int languageIndex() const { return currentLanguageIndex(); }
    bool statusThreadRunning() const;
    DeviceSession *deviceSession() const { return session.get(); }
    QWidget *control(WindowControl which) const { return controls[int(which)]; }
    ZelProcessbar *batteryBar() const { return batteryBarWidget; }
    // A page is made when it is first shown; asking for one makes it.
    ZelDPIWindow *dpiPage() { ensurePage(WindowPage::Dpi); return dpiWindow; }
    ZelReportRate *ratePage() { ensurePage(WindowPage::Dpi); return reportRateWindow; }
    ZelPointSpeed *pointerPage() { ensurePage(WindowPage::Dpi); return pointSpeedWindow; }
    ZelPointerSpeedRow *pointerSpeedRow() { ensurePage(WindowPage::Dpi); return desktopPointerRow; }
    ZelBtnWindow *customizePage() { ensurePage(WindowPage::Customize); return btnWindow; }
    ZelColorWindow *lightingPage() { ensurePage(WindowPage::Lighting); return colorWindow; }
    MacroDialog *macroPage() { ensurePage(WindowPage::Macro); return macroDialog; }
    bool pageBuilt(WindowPage tab) const;
    QMenu *languageMenu() const { return langMenu; }
    QStringList connectedMouseNames() const { return connectedModels; }
    // Null unless two or more mice are connected.
    QMenu *mouseListMenu() const { return mouseMenu; }
    bool isWarningShown() const { return warningShown; }
    bool isPluggedIn() const { return pluggedIn; }
    bool isFollowingDevices() const;
    QMenu *profileLibraryMenu() const { return libraryMenu; }
    QMenu *profileSlotMenu() const { return slotMenu; }
    const QStringList &libraryNames() const { return profileLibrary; }
    QSystemTrayIcon *trayIcon() const { return tray; }

    // Profiles that follow the program in front (the switcher decides, the window carries out).
    AppProfileSwitcher *appProfileSwitcher() const { return appSwitcher; }
    // Edits on the pages or in the slots that no write has sent yet.
    bool hasUnsentEdits();
    // A write is running, with or without its dialog.
    bool isWriting() const;
    // Library profile `name` into the active slot, then written without a dialog; false (and
    // nothing changed) when it cannot be used. The write ends with QuietWriteFinished.
    bool switchActiveProfile(const QString &name);
    // The switch to `profile` was not made over unsent edits: the window says so.
    void sayAppSwitchSkipped(const QString &profile);

signals:
    // A notice for the on-screen display (DPI stage, report rate, profile), as sent.
    void OsdNotice(const QString &text);
    // The "Dongle Disconnect!" box came up; the window was reloaded for the selected mouse.
    void DisconnectBoxShown();
    void MouseReloaded();
    // The mouse came back while the pages held edits not yet sent to it: they were kept.
    void MouseBackWithUnsentEdits();
    // The low-battery notice, as shown.
    void LowBatteryNotice(const QString &text);
    // A write without a dialog ended (switchActiveProfile).
    void QuietWriteFinished(uchar status);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // The "Programs" dialog, from the library panel or the tray; the window may stay hidden.
    void showProgramsDialog();
    void SelBtnChanged(uchar index, uchar group);
    void slotGotoMacro(uchar page);
    void slot_show_profilename(QAction *action);
    void slot_show_mousename(QAction *action);
    void slotPopOneClickBox();
    void OnProfileMenuCheck(QWidget *widget);
    void slotEnableButtons(bool enable);
    void slotLiftChange(uchar lift);
    void slotProfileNameChange();
    void slotRefreshProfile(uchar profile);
    void slotRefreshDPIStage(uchar stage);
    void slotRefreshLightMode(uchar mode);
    void slotRefreshRate(uchar rate);
    void slotWarning();
    void slotWarnClose();
    void slotRefreshBatteryStatus(uchar charging, uchar level, uchar extra);
    void slotRefreshStatus(uchar profile, uchar dpiStage, uchar rate, uchar mode);
    void slotRefreshWriteStatus(uchar status);
    void slotMouseOver(ZelPushButton *button, bool hovered);

private slots:
    void onButtonClicked();
    void onButtonPressed(ZelPushButton *button);
    void onLanguageChosen(QAction *action);

private:
    // Construction, in the order the constructor runs them.
    void selectScaleFromScreen(const QScreen *screen);
    void applyBackgroundMask();
    void buildControls();
    // The widgets of a page, made once: until a page is shown its values live only in the
    // profile, so start-up builds just the page it opens on.
    void ensurePage(WindowPage tab);
    void refreshPage(WindowPage tab);
    void retranslatePage(WindowPage tab);
    void scalePage(WindowPage tab);
    ZelPushButton *makeButton(WindowControl which, const QStringList &images);
    void placePages();

    ZelPushButton *button(WindowControl which) const;
    int activeSlot() const;
    void openActiveProfileFile();
    const QImage &currentBackground();
    QRect batteryFrameRect() const;
    void showMouseImages();
    void showSidePicture();
    void showMouseOff();
    // No mouse to ask: the bar shows no level rather than the last one.
    void showBatteryUnknown();
    void showGreyBattery(const QString &text);
    int batteryFontPixels(const QString &text) const;
    // A message box with the caption "Warning"; style as ZelMessageBox numbers them.
    int showMessage(int style, const QString &text);
    void setPageVisibility(int shownPage);
    void collectPages();
    void rebuildMouseList();
    int countConnectedModels() const;
    // After another mouse was chosen or the mouse came back: its pictures, files and library.
    void reloadForSelectedMouse();
    // The mouse that came back is the one the pages were loaded for, and they hold edits not
    // yet sent to it (taken from the pages that keep their own copies).
    bool keepsUnsentEdits();
    void setPluggedIn(bool plugged);
    // "Config/ApplyOnArrival": the stored settings to a mouse that came back.
    void applyOnArrivalIfDue();
    void notifyOsd(const QString &text);
    // The write Apply makes, without its dialog.
    void writeQuietly();
    QString appPath(const QString &relative) const { return appDir + relative; }

    // Device notifications register here (device presence).
    void registerDeviceNotification();
    // The tray icon and its menu (tray).
    void createTray();
    void retranslateTray();
    void setStartAtLoginFromTray(bool on);
    // Into the tray when there is one; without a tray, closing ends the program.
    void closeWindow();
    bool trayUsable() const;
    void trayBatteryReport(uchar charging, uchar level, uchar extra);
    void showLowBatteryNotice(int level);
    // A notice while the window is hidden: the tray's balloon, else the desktop's notification
    // service. False when neither is there.
    bool notifyOutsideWindow(const QString &text);
    // The profile library: loading it and its menu (profile management).
    void loadProfileLibrary();
    void rebuildLibraryMenu();
    // The library, slot, load/save and reset buttons (profile management).
    void handleProfileButton(WindowControl which);
    void chooseLibraryEntry(QAction *action);
    void renameActiveProfile(bool refuseDefault);
    void showActiveProfile();
    void setProfileMenuWidths();
    // Shows the refusal, if any; true for Ok.
    bool reportLibraryOutcome(LibraryOutcome outcome);
    // Keyboard and screen readers (keyboard access): the tab shortcuts, once; the names of
    // the window's own controls, with every retranslation; the Tab order, as pages are built.
    void setUpKeyboardAccess();
    void nameWindowControls();
    void orderFocusChain();
    // Ctrl+Tab and its relatives: the next or previous tab that the product has.
    void stepTab(int step);
    // A file to write, chosen by the user, ending in `extension` (added when typed without it).
    QString askSaveFile(const QString &caption, const QString &filter, const QString &extension);
    // The firmware hand-over (firmware update): from the press, or from a click.
    void handleFirmwareButton(bool fromClick);
    // The active profile's pointer speed onto the desktop, when the user asked for that.
    void applyDesktopPointerSpeed();

    // Scale and backgrounds.
    double scaleFactor = 1.0;
    int scaleIndex = 0;
    int lastScaleIndex = -1;
    QImage backgrounds[kScaleStepCount];
    // The window's shape for each background; null for a plain rectangle.
    std::optional<QRegion> backgroundShapes[kScaleStepCount];
    QPixmap batteryFrameWireless;
    QPixmap batteryFrameCable;
    int designWidth = 0;
    int designHeight = 0;
    QString appDir;

    // Dragging.
    bool dragging = false;
    QPoint pressGlobal;
    QPoint pressFrameTopLeft;

    // Link and battery.
    int linkState = 3;
    bool charging = false;
    int lastBatteryLevel = -1;
    bool mouseOff = false;

    int mouseCount = 0;
    bool pluggedIn = false;
    bool warningShown = false;
    // The "Dongle Disconnect!" box while it is up.
    QPointer<ZelMessageBox> warningBox;
    bool arrivalApplyPending = false;
    // The model the pages' settings were loaded for.
    QString pagesProduct;
    // A writer reads currentSettings: status reports must not edit it meanwhile.
    bool writeInProgress = false;
    // The status of the last write with progress (0: the mouse took it all).
    uint8_t lastWriteStatus = 0;
    QStringList connectedModels;
    bool frontView = true;
    int page = 0;
    int selectedGroup = 0;
    int groupSelection[3] = {0, 0, 0};

    QTranslator translator;
    LanguageTable languages;
    int frenchLanguageIndex = 0;

    // Controls, indexed by WindowControl; the hotspots are kept apart.
    QWidget *controls[kWindowControlCount] = {};
    QVector<ZelPushButton *> frontHotspots;
    QVector<ZelPushButton *> sideHotspots;
    QVector<ZelPushButton *> wheelHotspots;
    ZelPushButton *tabs[kTabCount] = {};
    ZelPushButton *slotButtons[kSlotCount] = {};
    ZelAction *slotActions[kSlotCount] = {};
    ZelProcessbar *batteryBarWidget = nullptr;
    QLabel *frontPicture = nullptr;
    QLabel *sidePicture = nullptr;
    QPixmap frontImage;
    // Decoded when the side picture is first shown (the button page's side view only).
    QString sideImagePath;
    bool sidePictureCurrent = false;
    QLineEdit *nameEdit = nullptr;
    QMenu *langMenu = nullptr;
    QMenu *mouseMenu = nullptr;
    QMenu *slotMenu = nullptr;
    QMenu *libraryMenu = nullptr;
    // Names of the product's profile library, in menu order.
    QStringList profileLibrary;

    // Pages.
    QScrollArea *btnScroll = nullptr;
    ZelBtnWindow *btnWindow = nullptr;
    ZelDPIWindow *dpiWindow = nullptr;
    ZelPointSpeed *pointSpeedWindow = nullptr;
    ZelPointerSpeedRow *desktopPointerRow = nullptr;
    ZelReportRate *reportRateWindow = nullptr;
    MacroDialog *macroDialog = nullptr;
    ZelColorWindow *colorWindow = nullptr;

    // Tray, on-screen display and firmware hand-over.
    QSystemTrayIcon *tray = nullptr;
    QMenu *trayMenu = nullptr;
    ZelAction *loadConfigAction = nullptr;
    ZelAction *startAtLoginAction = nullptr;
    ZelAction *programsAction = nullptr;
    ZelAction *quitAction = nullptr;
    OsdSender *osdSender = nullptr;
    // Last reported level (0 for mouse off); -1 before the first report.
    int trayBatteryLevel = -1;
    // A low-battery notice may be shown: the level has not been low since it was last above 20 %.
    bool lowBatteryArmed = true;
    bool firmwarePressHandled = false;
    bool firmwareDialogUp = false;

    // Everything that talks to the mouse; the window only sends it requests.
    std::unique_ptr<DeviceSession> session;
    // Interfaces coming and going; null when the system cannot tell.
    std::unique_ptr<HotplugWatcher> hotplug;
    AppProfileSwitcher *appSwitcher = nullptr;
    // The active slot's profile file, kept open to record the mouse's stage changes.
    QString profileFilePath;
};
