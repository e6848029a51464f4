// The window's own controls: building them, placing them for the scale factor, their texts and
// the language menu.

#include "ui/main/zizirazi_widget.h"
#include "ui/kit/skin_images.h"

#include "device/device_session.h"

#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/key_table.h"
#include "store/product_definition.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/language_runtime.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_processbar.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/battery_report.h"
#include "ui/main/page_visibility.h"
#include "ui/main/wheel_skins.h"
#include "ui/pages/macro_dialog.h"
#include "ui/pages/zel_btn_window.h"
#include "ui/pages/zel_color_window.h"
#include "ui/pages/zel_dpi_window.h"
#include "ui/pages/zel_point_speed.h"
#include "ui/pages/zel_pointer_speed_row.h"
#include "ui/pages/zel_report_rate.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QThread>
#include <QToolTip>

namespace {

// Controls that are buttons built from the controls table, in the order they are created.
constexpr WindowControl kTableButtons[] = {
    WindowControl::Close,      WindowControl::Minimise,  WindowControl::Language,  WindowControl::TabLighting,
    WindowControl::TabCustomize, WindowControl::TabDpi,  WindowControl::TabMacro,  WindowControl::ResetAll,
    WindowControl::Apply,      WindowControl::LoadConfig, WindowControl::SaveConfig, WindowControl::Ok,
    WindowControl::Cancel,     WindowControl::LibraryMenu, WindowControl::Add,     WindowControl::Delete,
    WindowControl::Copy,       WindowControl::Reset,     WindowControl::Import,    WindowControl::Export,
    WindowControl::ProfileSelector, WindowControl::Slot1, WindowControl::Slot2,    WindowControl::Slot3,
    WindowControl::Slot4,      WindowControl::Slot5,     WindowControl::Firmware,  WindowControl::FrontButton,
    WindowControl::SideButton,
};

struct ButtonText {
    WindowControl control;
    const char *text;
};

// Fixed texts of the window's buttons, in the window's translation context.
constexpr ButtonText kButtonTexts[] = {
    {WindowControl::Reset, QT_TRANSLATE_NOOP("QObject", "RESET")},
    {WindowControl::Add, QT_TRANSLATE_NOOP("QObject", "ADD")},
    {WindowControl::Delete, QT_TRANSLATE_NOOP("QObject", "DELETE")},
    {WindowControl::Copy, QT_TRANSLATE_NOOP("QObject", "COPY")},
    {WindowControl::ResetAll, QT_TRANSLATE_NOOP("QObject", "Reset All")},
    {WindowControl::Ok, QT_TRANSLATE_NOOP("QObject", "OK")},
    {WindowControl::Cancel, QT_TRANSLATE_NOOP("QObject", "Cancel")},
    {WindowControl::Apply, QT_TRANSLATE_NOOP("QObject", "Apply")},
    {WindowControl::LoadConfig, QT_TRANSLATE_NOOP("QObject", "LOAD1")},
    {WindowControl::SaveConfig, QT_TRANSLATE_NOOP("QObject", "SAVE")},
    {WindowControl::TabLighting, QT_TRANSLATE_NOOP("QObject", "LIGHTING")},
    {WindowControl::TabCustomize, QT_TRANSLATE_NOOP("QObject", "CUSTOMIZE")},
    {WindowControl::TabDpi, QT_TRANSLATE_NOOP("QObject", "DPI")},
    {WindowControl::TabMacro, QT_TRANSLATE_NOOP("QObject", "MACRO")},
    {WindowControl::Firmware, QT_TRANSLATE_NOOP("QObject", "Firmware Update")},
    {WindowControl::FrontButton, QT_TRANSLATE_NOOP("QObject", "Front")},
    {WindowControl::SideButton, QT_TRANSLATE_NOOP("QObject", "Side")},
};

bool isCheckable(WindowControl control)
{
    switch (control) {
    case WindowControl::TabLighting:
    case WindowControl::TabCustomize:
    case WindowControl::TabDpi:
    case WindowControl::TabMacro:
    case WindowControl::FrontButton:
    case WindowControl::SideButton:
    case WindowControl::Slot1:
    case WindowControl::Slot2:
    case WindowControl::Slot3:
    case WindowControl::Slot4:
    case WindowControl::Slot5:
        return true;
    default:
        return false;
    }
}

} // namespace

QPixmap scaledPixmap(const QPixmap &image, const QSize &size, Qt::AspectRatioMode mode)
{
    // A missing skin image stays empty.
    return image.isNull() ? QPixmap() : image.scaled(size, mode, Qt::SmoothTransformation);
}

ZelPushButton *ZiziraziWidget::button(WindowControl which) const
{
    return qobject_cast<ZelPushButton *>(controls[int(which)]);
}

ZelPushButton *ZiziraziWidget::makeButton(WindowControl which, const QStringList &images)
{
    auto *created = new ZelPushButton(skinPaths(images), this, QString());
    created->setObjectName(QStringLiteral("control%1").arg(int(which)));
    created->setCheckableMode(isCheckable(which));
    connect(created, &QPushButton::clicked, this, &ZiziraziWidget::onButtonClicked);
    controls[int(which)] = created;
    return created;
}

void ZiziraziWidget::buildControls()
{
    for (WindowControl which : kTableButtons)
        makeButton(which, controlImages(which));
    for (int i = 0; i < kTabCount; ++i) {
        tabs[i] = button(tabControl(i));
        connect(tabs[i], &ZelPushButton::EnterSignal, this, &ZiziraziWidget::onButtonPressed);
    }
    connect(button(WindowControl::Firmware), &ZelPushButton::EnterSignal, this, &ZiziraziWidget::onButtonPressed);
    for (int i = 0; i < kSlotCount; ++i)
        slotButtons[i] = button(slotControl(i));

    // Language menu: the first LANGNUM languages of the table.
    langMenu = new QMenu(this);
    for (int i = 0; i < languages.count && i < kLanguageSlots; ++i)
        langMenu->addAction(new ZelAction(languages.names[i], langMenu));
    connect(langMenu, &QMenu::triggered, this, &ZiziraziWidget::onLanguageChosen);
    button(WindowControl::Language)->setMenu(langMenu);

    // On-mouse slot menu on the profile selector.
    slotMenu = new QMenu(this);
    for (int i = 0; i < kSlotCount; ++i) {
        slotActions[i] = new ZelAction(slotMenu);
        slotMenu->addAction(slotActions[i]);
    }
    connect(slotMenu, &QMenu::triggered, this, &ZiziraziWidget::slot_show_profilename);
    button(WindowControl::ProfileSelector)->setMenu(slotMenu);

    libraryMenu = new QMenu(this);

    nameEdit = new QLineEdit(this);
    nameEdit->setMaxLength(100);
    nameEdit->setAlignment(Qt::AlignCenter);
    nameEdit->setStyleSheet(QStringLiteral("QLineEdit{border-width:2px;background-color:rgb(30,30,30);color:white}"
                                           "QToolTip{background-color:black}"));
    connect(nameEdit, &QLineEdit::returnPressed, this, &ZiziraziWidget::slotProfileNameChange);
    controls[int(WindowControl::NameEdit)] = nameEdit;
    controls[int(WindowControl::NameLabel)] = new ZelLabel(this);

    auto *version = new ZelLabel(this);
    auto *model = new ZelLabel(readModelText(), this);
    for (ZelLabel *label : {version, model})
        label->setStyleSheet(QStringLiteral("background:transparent;color:rgb(225,225,225);"));
    controls[int(WindowControl::VersionLabel)] = version;
    controls[int(WindowControl::ModelLabel)] = model;

    batteryBarWidget = new ZelProcessbar(this);
    batteryBarWidget->setOrientation(Qt::Horizontal);
    batteryBarWidget->setRange(0, 100);
    // Qt's progress bar has no animation timeline to configure; the white style alone.
    batteryBarWidget->setStyleSheet(batteryBarStyle(false, currentAccentColor(), batteryFontPixels(QStringLiteral("100%"))));
    lastBatteryLevel = readBatteryLevel();
    batteryBarWidget->setValue(lastBatteryLevel);
    controls[int(WindowControl::BatteryBar)] = batteryBarWidget;

    auto *chargingIcon = new QLabel(this);
    chargingIcon->setPixmap(scaledPixmap(skinImage(appPath(QStringLiteral("/skin/lightning.png"))), scaledSize(26, 40),
                                         Qt::IgnoreAspectRatio));
    chargingIcon->hide();
    controls[int(WindowControl::ChargingIcon)] = chargingIcon;

    auto *receiverIcon = new QLabel(this);
    receiverIcon->setPixmap(scaledPixmap(skinImage(appPath(QStringLiteral("/skin/dongle.png"))), scaledSize(48, 48),
                                         Qt::IgnoreAspectRatio));
    controls[int(WindowControl::ReceiverIcon)] = receiverIcon;

    auto *logo = new QLabel(this);
    logo->setPixmap(skinImage(appPath(QStringLiteral("/skin/mouselogo.png"))));
    logo->hide();
    controls[int(WindowControl::Logo)] = logo;

    frontPicture = new QLabel(this);
    sidePicture = new QLabel(this);
    controls[int(WindowControl::FrontPicture)] = frontPicture;
    controls[int(WindowControl::SidePicture)] = sidePicture;
    loadMouseImages();

    const QStringList hotspotSkins = skinPaths(hotspotImages());
    auto makeHotspot = [&](QVector<ZelPushButton *> &group, const QStringList &images) {
        auto *hotspot = new ZelPushButton(images, this, QString());
        hotspot->setCheckableMode(true);
        connect(hotspot, &QPushButton::clicked, this, &ZiziraziWidget::onButtonClicked);
        group.append(hotspot);
    };
    for (int i = 0; i < kFrontHotspotCount; ++i)
        makeHotspot(frontHotspots, hotspotSkins);
    for (int i = 0; i < kSideHotspotCount; ++i)
        makeHotspot(sideHotspots, hotspotSkins);
    const WheelSkins wheel = wheelSkinsFor(readCurrentProductName());
    makeHotspot(wheelHotspots, skinPaths(wheel.up));
    makeHotspot(wheelHotspots, skinPaths(wheel.down));
    frontHotspots[0]->installEventFilter(this);
    orderFocusChain();
}

bool ZiziraziWidget::pageBuilt(WindowPage tab) const
{
    switch (tab) {
    case WindowPage::Lighting:
        return colorWindow != nullptr;
    case WindowPage::Customize:
        return btnWindow != nullptr;
    case WindowPage::Dpi:
        return dpiWindow != nullptr;
    case WindowPage::Macro:
        return macroDialog != nullptr;
    }
    return false;
}

void ZiziraziWidget::ensurePage(WindowPage tab)
{
    if (pageBuilt(tab))
        return;
    ProfileData *active = &currentSettings.active();
    switch (tab) {
    case WindowPage::Lighting:
        colorWindow = new ZelColorWindow(scaleFactor, this);
        controls[int(WindowControl::LightingPage)] = colorWindow;
        break;
    case WindowPage::Customize:
        btnScroll = new QScrollArea(this);
        btnScroll->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
        btnScroll->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
        btnScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        btnScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        btnWindow = new ZelBtnWindow(active, btnScroll);
        btnScroll->setWidget(btnWindow);
        controls[int(WindowControl::CustomizeScroll)] = btnScroll;
        connect(btnWindow, &ZelBtnWindow::SelBtnControl, this, &ZiziraziWidget::slotMouseOver);
        connect(btnWindow, SIGNAL(GotoMacroTab(quint8)), this, SLOT(slotGotoMacro(quint8)));
        connect(btnWindow, SIGNAL(PopOneClickBox()), this, SLOT(slotPopOneClickBox()));
        break;
    case WindowPage::Dpi:
        dpiWindow = new ZelDPIWindow(active, this);
        controls[int(WindowControl::DpiPage)] = dpiWindow;
        pointSpeedWindow = new ZelPointSpeed(active, this);
        controls[int(WindowControl::PointerPage)] = pointSpeedWindow;
        reportRateWindow = new ZelReportRate(active, this);
        controls[int(WindowControl::RatePage)] = reportRateWindow;
        connect(reportRateWindow, SIGNAL(RefreshLift(quint8)), this, SLOT(slotLiftChange(quint8)));
        desktopPointerRow = new ZelPointerSpeedRow(this);
        desktopPointerRow->hide();
        break;
    case WindowPage::Macro:
        macroDialog = new MacroDialog(this);
        controls[int(WindowControl::MacroPage)] = macroDialog;
        connect(macroDialog, SIGNAL(EnableButtonsSignal(bool)), this, SLOT(slotEnableButtons(bool)));
        connect(macroDialog, &MacroDialog::MacroButtonsReleased, this, [this] { refreshPage(WindowPage::Customize); });
        break;
    }
    // Hidden until its tab shows it: a page made for a look-up must not appear with another tab.
    for (WindowControl part : {WindowControl::LightingPage, WindowControl::CustomizeScroll, WindowControl::DpiPage,
                               WindowControl::PointerPage, WindowControl::RatePage, WindowControl::MacroPage}) {
        if (controls[int(part)] && !controls[int(part)]->testAttribute(Qt::WA_WState_ExplicitShowHide))
            controls[int(part)]->hide();
    }
    // As the window would have set it up had the page been there from the start.
    placePages();
    refreshPage(tab);
    retranslatePage(tab);
    scalePage(tab);
    orderFocusChain();
}

void ZiziraziWidget::scalePage(WindowPage tab)
{
    if (!pageBuilt(tab))
        return;
    switch (tab) {
    case WindowPage::Lighting:
        colorWindow->setScale(scaleFactor);
        break;
    case WindowPage::Customize:
        btnWindow->setScale(scaleFactor);
        break;
    case WindowPage::Dpi:
        dpiWindow->layoutForScale(scaleFactor);
        pointSpeedWindow->setScale(scaleFactor);
        reportRateWindow->setScale(scaleFactor);
        // Below the tabs, the one free place the DPI tab has.
        desktopPointerRow->setGeometry(scaledRect(69, 320, 200, 200, scaleFactor));
        desktopPointerRow->setScale(scaleFactor);
        break;
    case WindowPage::Macro:
        macroDialog->setScale(scaleFactor);
        break;
    }
}

void ZiziraziWidget::retranslatePage(WindowPage tab)
{
    if (!pageBuilt(tab))
        return;
    switch (tab) {
    case WindowPage::Lighting:
        colorWindow->retranslate();
        break;
    case WindowPage::Customize:
        btnWindow->retranslate();
        break;
    case WindowPage::Dpi:
        dpiWindow->retranslate();
        pointSpeedWindow->retranslate();
        reportRateWindow->retranslate();
        desktopPointerRow->retranslate();
        break;
    case WindowPage::Macro:
        macroDialog->retranslate();
        break;
    }
}

void ZiziraziWidget::placePages()
{
    static constexpr WindowControl kPages[] = {WindowControl::CustomizeScroll, WindowControl::DpiPage,
                                               WindowControl::PointerPage,     WindowControl::RatePage,
                                               WindowControl::MacroPage,       WindowControl::LightingPage};
    for (WindowControl which : kPages) {
        if (controls[int(which)])
            controls[int(which)]->setGeometry(controlGeometry(which, scaleFactor));
    }
    if (btnWindow)
        btnWindow->setFixedSize(customizePageSize(productButtonCount(), scaleFactor));
}

void ZiziraziWidget::layoutForScale()
{
    const LayoutOptions options{productDisableMacro() != 0, productLedDisable() != 0};
    for (int i = 0; i < kWindowControlCount; ++i) {
        if (controls[i])
            controls[i]->setGeometry(controlGeometry(WindowControl(i), scaleFactor, options));
    }
    const QRect zero(0, 0, 0, 0);
    for (auto *group : {&frontHotspots, &sideHotspots, &wheelHotspots}) {
        for (ZelPushButton *hotspot : *group)
            hotspot->setGeometry(zero);
    }
    placePages();

    for (int tab = 0; tab < kWindowPageCount; ++tab)
        scalePage(WindowPage(tab));

    showMouseImages();

    const QFont font = configuredFont(currentLanguageIndex(), scaleFactor);
    for (WindowControl label : {WindowControl::VersionLabel, WindowControl::ModelLabel, WindowControl::NameLabel}) {
        if (controls[int(label)])
            controls[int(label)]->setFont(font);
    }
    for (QWidget *widget : controls) {
        if (qobject_cast<ZelPushButton *>(widget))
            widget->setFont(font);
    }
    setProfileMenuWidths();
    for (QMenu *menu : {langMenu, mouseMenu, slotMenu, libraryMenu}) {
        if (menu) {
            menu->setFont(font);
            applyMenuStyle(menu);
        }
    }
    if (batteryBarWidget)
        batteryBarWidget->setFont(font);
    QToolTip::setFont(font);
    update();
}

QStringList ZiziraziWidget::mouseImagePaths(const QString &product) const
{
    return {appPath(QStringLiteral("/skin/mouse/") + product + QStringLiteral("/Mouse.png")),
            appPath(QStringLiteral("/skin/mouse/") + product + QStringLiteral("_Side.png"))};
}

void ZiziraziWidget::loadMouseImages()
{
    const QStringList paths = mouseImagePaths(readCurrentProductName());
    frontImage = skinImage(paths[0]);
    sideImagePath = paths[1];
    showMouseImages();
}

QStringList ZiziraziWidget::startupSkinImages(bool lightingPageFirst) const
{
    QStringList paths{appPath(QStringLiteral("/skin/cfgMainback.png")), appPath(QStringLiteral("/skin/bat1.png")),
                      appPath(QStringLiteral("/skin/bat2.png"))};
    paths << skinPaths(controlImages(WindowControl::MouseSelector));
    for (WindowControl which : kTableButtons)
        paths << skinPaths(controlImages(which));
    paths << appPath(QStringLiteral("/skin/lightning.png")) << appPath(QStringLiteral("/skin/dongle.png"))
          << appPath(QStringLiteral("/skin/mouselogo.png"));
    const QString product = readCurrentProductName();
    // Not the side picture: the first page never shows it.
    paths << mouseImagePaths(product).first() << skinPaths(hotspotImages());
    const WheelSkins wheel = wheelSkinsFor(product);
    paths << skinPaths(wheel.up) << skinPaths(wheel.down);
    if (lightingPageFirst)
        paths << skinPaths(ZelColorWindow::skinImages());
    return paths;
}

void ZiziraziWidget::showMouseImages()
{
    if (frontPicture)
        frontPicture->setPixmap(
            scaledPixmap(frontImage, scaledSize(kFrontPictureWidth, kFrontPictureHeight), Qt::KeepAspectRatio));
    sidePictureCurrent = false;
    showSidePicture();
}

void ZiziraziWidget::showSidePicture()
{
    if (!sidePicture || sidePictureCurrent || !pagePartVisible(page, PagePart::SidePicture, frontView))
        return;
    sidePicture->setPixmap(
        scaledPixmap(skinImage(sideImagePath), scaledSize(kSidePictureSize, kSidePictureSize), Qt::IgnoreAspectRatio));
    sidePictureCurrent = true;
}

void ZiziraziWidget::applyButtonSkins()
{
    const WheelSkins wheel = wheelSkinsFor(readCurrentProductName());
    wheelHotspots[0]->setImages(skinPaths(wheel.up));
    wheelHotspots[1]->setImages(skinPaths(wheel.down));
}

void ZiziraziWidget::retranslateTexts()
{
    static_cast<ZelLabel *>(controls[int(WindowControl::VersionLabel)])->setText(productVersion());
    nameEdit->setToolTip(QObject::tr("Press Enter To Apply"));
    static_cast<ZelLabel *>(controls[int(WindowControl::NameLabel)])->setText(QObject::tr("NAME"));
    for (const ButtonText &entry : kButtonTexts)
        button(entry.control)->setText(QCoreApplication::translate("QObject", entry.text));
    const QList<QAction *> languageActions = langMenu->actions();
    const int language = currentLanguageIndex();
    if (language >= 0 && language < languageActions.size())
        button(WindowControl::Language)->setText(languageActions[language]->text());
    for (int i = 0; i < kSlotCount; ++i) {
        slotButtons[i]->setText(QObject::tr("Profile") + QString::asprintf(" %d", i + 1));
        slotActions[i]->setText(QObject::tr("Mode") + QString::asprintf(" %d", i + 1));
    }
    button(WindowControl::ProfileSelector)->setText(slotActions[activeSlot()]->text());

    for (int tab = 0; tab < kWindowPageCount; ++tab)
        retranslatePage(WindowPage(tab));
    nameWindowControls();
    if (mouseOff)
        showMouseOff();
    retranslateTray();

    // The mouse is given a moment before the poller asks it again.
    session->restartPoller(500);
    layoutForScale();
}

void ZiziraziWidget::onLanguageChosen(QAction *action)
{
    const int index = langMenu->actions().indexOf(action);
    if (index < 0)
        return;
    const bool loaded = chooseLanguage(translator, languages, index);
    setFrenchKeyNames(frenchLanguageIndex, currentLanguageIndex());
    button(WindowControl::Language)->setText(action->text());
    if (loaded)
        retranslateTexts();
}
