#include "ui/main/zizirazi_widget.h"
#include "ui/kit/skin_images.h"
#include "ui/main/window_log.h"

#include "device/device_session.h"
#include "ui/main/app_profile_switcher.h"
#include "platform/hotplug_watcher.h"
#include "platform/pointer_speed.h"
#include "store/app_paths.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "ui/kit/kit_style.h"
#include "store/key_table.h"
#include "ui/kit/language_runtime.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/page_visibility.h"
#include "ui/pages/zel_pointer_speed_row.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <malloc.h>
#include <memory>

ZiziraziWidget::ZiziraziWidget(QWidget *parent, std::unique_ptr<SettingsReading> settingsReading)
    : QWidget(parent)
{
    // The order matters: later steps read what earlier ones loaded.
    setObjectName(QStringLiteral("ZiziraziWidget"));
    // Set before any child exists: set later, it would restyle every child built by then.
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    resize(400, 300);
    // The product from the start: the desktop lists the window by it.
    setWindowTitle(productName());
    QMetaObject::connectSlotsByName(this);

    appDir = applicationDirectory();
    // The pictures the window shows first are decoded on another core while it is built.
    const SkinPrefetch skinPrefetch(startupSkinImages(productLedDisable() == 0));

    // The mouse is looked for while the prefetch decodes the background: neither needs the
    // other. Notifications first, so that no mouse plugged meanwhile goes unnoticed.
    registerDeviceNotification();
    session = std::make_unique<DeviceSession>();
    connect(session.get(), &DeviceSession::RefreshBatteryStatus, this, &ZiziraziWidget::slotRefreshBatteryStatus);
    connect(session.get(), &DeviceSession::RefreshStatus, this, &ZiziraziWidget::slotRefreshStatus);
    connect(session.get(), &DeviceSession::profileSelectFinished, this, [](int slot, uchar status) {
        if (status != ExchangeOk)
            qCWarning(lcWindow, "Profile %d was not selected on the mouse: %s", slot + 1,
                      qPrintable(exchangeStatusText(status)));
    });
    session->discover();

    backgrounds[0] = skinPicture(appPath(QStringLiteral("/skin/cfgMainback.png")));
    batteryFrameWireless = skinImage(appPath(QStringLiteral("/skin/bat1.png")));
    batteryFrameCable = skinImage(appPath(QStringLiteral("/skin/bat2.png")));

    QScreen *primary = QGuiApplication::primaryScreen();
    selectScaleFromScreen(primary);
    setBaseSize(kDesignWidth, kDesignHeight);
    setMinimumSize(kDesignWidth, kDesignHeight);
    designWidth = scaled(kDesignWidth, scaleFactor);
    designHeight = scaled(kDesignHeight, scaleFactor);
    resize(designWidth, designHeight);
    if (primary)
        move(primary->geometry().center() - QPoint(designWidth / 2, designHeight / 2));

    applyBackgroundMask();
    lastScaleIndex = scaleIndex;

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    makeButton(WindowControl::MouseSelector, controlImages(WindowControl::MouseSelector));

    mouseCount = 0;
    rebuildMouseList();

    // The settings files (thousands of keys for each slot) are read on another core while the
    // controls are built: neither needs the other, and both are done before anything is shown.
    if (!settingsReading)
        settingsReading = std::make_unique<SettingsReading>();

    setCurrentLanguageIndex(readLanguageIndex());
    frenchLanguageIndex = productFrenchLanguage();
    setFrenchKeyNames(frenchLanguageIndex, currentLanguageIndex());
    readLanguageTable(languages);
    setButtonColorMode(productColorMode());

    buildControls();
    setUpKeyboardAccess();
    if (languages.count < 2)
        controls[int(WindowControl::Language)]->hide();

    const int language = currentLanguageIndex();
    if (language >= 0 && language < kLanguageSlots)
        loadTranslation(translator, languages.files[language]);

    loadProfileLibrary();

    session->open(readCurrentProductName());

    startStatusThread();

    appliedSettings = settingsReading->result();
    pagesProduct = readCurrentProductName();
    settingsReading.reset();
    // What the reading took (its text, tables and the reader's own heap) goes back at once.
    malloc_trim(0);
    currentSettings = appliedSettings;

    rebuildLibraryMenu();
    frontView = true;

    showPage(productLedDisable() != 0 ? int(WindowPage::Customize) : int(WindowPage::Lighting));
    refreshPages();
    retranslateTexts();

    const int slot = activeSlot();
    button(WindowControl::ProfileSelector)->setText(slotActions[slot]->text());
    nameEdit->setText(currentSettings.ProfileNames[slot]);
    // Nothing on screen needs the template: it is checked once the window is up.
    QTimer::singleShot(0, this, [] { writeDefaultProfileFile(); });

    setWindowIcon(QIcon(appPath(QStringLiteral("/skin/icon.ico"))));
    createTray();
    appSwitcher = new AppProfileSwitcher(this);

    slotRefreshBatteryStatus(0, 1, 1);
    if (mouseCount == 0)
        showBatteryUnknown();

    openActiveProfileFile();

    QTimer::singleShot(200, this, &ZiziraziWidget::slotWarning);
}

ZiziraziWidget::~ZiziraziWidget()
{
    hotplug.reset();
    // Stops the poller before it closes the handles the poller reads from.
    session.reset();
}

int ZiziraziWidget::activeSlot() const
{
    return currentSettings.ProfileID < kSlotCount ? currentSettings.ProfileID : 0;
}

void ZiziraziWidget::openActiveProfileFile()
{
    profileFilePath = slotProfilePath(currentSettings.ProfileNames[activeSlot()]);
}

// ---------------------------------------------------------------------------------------------
// Scale

void ZiziraziWidget::selectScaleFromScreen(const QScreen *screen)
{
    // ZEL_SCALE (1.0 .. 5.0) stands in for a screen that reports its density wrongly.
    bool forced = false;
    const double chosen = qEnvironmentVariable("ZEL_SCALE").toDouble(&forced);
    const double ratio = forced && chosen > 0 ? chosen : screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
    scaleIndex = scaleIndexForRatio(ratio);
    scaleFactor = scaleFactorForIndex(scaleIndex);
    setUiScaleFactor(scaleFactor);
}

const QImage &ZiziraziWidget::currentBackground()
{
    QImage &background = backgrounds[scaleIndex];
    if (background.isNull() && scaleIndex != 0 && !backgrounds[0].isNull()) {
        background = backgrounds[0].scaled(scaled(kDesignWidth, scaleFactor), scaled(kDesignHeight, scaleFactor),
                                           Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return background;
}

void ZiziraziWidget::applyBackgroundMask()
{
    // The window takes the shape of the background's opaque pixels. Without a skin image (or
    // with one that has no transparency) the window stays a plain rectangle.
    // Made once per scale: the start-up alone asks twice, and each costs a scan of the picture.
    std::optional<QRegion> &shape = backgroundShapes[scaleIndex];
    if (!shape)
        shape = opaqueRegion(currentBackground());
    if (shape->isNull())
        clearMask();
    else
        setMask(*shape);
}

void ZiziraziWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QScreen *screen = QGuiApplication::screenAt(geometry().center());
    selectScaleFromScreen(screen ? screen : QGuiApplication::primaryScreen());
    if (scaleIndex != lastScaleIndex) {
        applyBackgroundMask();
        layoutForScale();
    } else if (size() == QSize(designWidth, designHeight)) {
        // The size we asked for is what we got: trust it over the screen's report.
        const int matched = scaleIndexForWindowWidth(width());
        if (matched >= 0) {
            scaleIndex = matched;
            scaleFactor = scaleFactorForIndex(matched);
            setUiScaleFactor(scaleFactor);
        }
        applyBackgroundMask();
        layoutForScale();
    }
    lastScaleIndex = scaleIndex;
    qCDebug(lcWindow, "width = %d, height = %d m_iDpiVal = %d\n", width(), height(), scaleIndex);
}

// ---------------------------------------------------------------------------------------------
// Painting and dragging

QRect ZiziraziWidget::batteryFrameRect() const
{
    return scaledRect(69, 581, 86, 47);
}

void ZiziraziWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Made at the window's size, so drawn one to one.
    drawSkinPicture(painter, rect(), currentBackground(), event->region());
    const QPixmap &frame = linkState < 2 ? batteryFrameCable : batteryFrameWireless;
    if (!frame.isNull())
        painter.drawPixmap(batteryFrameRect(), frame);
}

void ZiziraziWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        pressGlobal = event->globalPos();
        pressFrameTopLeft = frameGeometry().topLeft();
    }
    QWidget::mousePressEvent(event);
}

void ZiziraziWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging) {
        const QPoint delta = event->globalPos() - pressGlobal;
        // A few pixels of jitter in a click must not move the window.
        if (std::abs(delta.x()) + std::abs(delta.y()) > 4)
            move(pressFrameTopLeft + delta);
    }
    QWidget::mouseMoveEvent(event);
}

void ZiziraziWidget::mouseReleaseEvent(QMouseEvent *event)
{
    dragging = false;
    QWidget::mouseReleaseEvent(event);
}

bool ZiziraziWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (!frontHotspots.isEmpty() && watched == frontHotspots[0]) {
        if (event->type() == QEvent::Enter)
            frontHotspots[0]->setChecked(false);
        else if (event->type() == QEvent::Leave)
            frontHotspots[0]->setChecked(true);
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Status thread

void ZiziraziWidget::startStatusThread()
{
    session->startPoller();
}

void ZiziraziWidget::stopStatusThread()
{
    session->stopPoller();
}

bool ZiziraziWidget::statusThreadRunning() const
{
    return session->pollerRunning();
}

// ---------------------------------------------------------------------------------------------
// The desktop pointer speed

void ZiziraziWidget::applyDesktopPointerSpeed()
{
    // The desktop's speed is the user's own unless they asked the profile to set it.
    if (!readDesktopPointerSpeedOption())
        return;
    setDesktopPointerSpeed(storedMouseSpeed(currentSettings.active().mousespeed));
    // What came of it shows in the row: the desktop's speed now, or why it could not be set.
    if (desktopPointerRow)
        desktopPointerRow->showDesktopSpeed();
}

