#include "ui/pages/zel_color_window.h"

#include "store/product_definition.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/skin_images.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"
#include "ui/main/window_log.h"
#include "ui/pages/default_color_area.h"
#include "ui/pages/zel_color_area.h"

#include <QCheckBox>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Design geometry at scale 1 (the page is 351 x 440).
constexpr int kLeft = 30;
constexpr int kLabelWidth = 201, kLabelHeight = 18;
constexpr int kSliderWidth = 228, kSliderHeight = 25;
constexpr int kEffectLabelY = 16, kEffectButtonY = 36, kEffectButtonHeight = 30;
constexpr int kFirstRowLabelY = 78, kFirstRowSliderY = 97;
constexpr int kSecondRowLabelY = 137, kSecondRowSliderY = 156;
constexpr int kColorLabelY = 196, kSwatchY = 216, kSwatchWidth = 60, kSwatchHeight = 26;
constexpr int kSleepLabelY = 258, kSleepSliderY = 277, kSleepValueX = 266, kSleepValueWidth = 80;
constexpr int kCheckY = 322, kCheckWidth = 300, kCheckHeight = 24;

QString rgbText(const QColor &c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString sliderStyle(double scale)
{
    const int groove = qMax(4, scaled(6, scale));
    const int handle = qMax(12, scaled(18, scale));
    const int cap = groove / 2;
    return QStringLiteral(
               "QSlider{background:transparent;}"
               "QSlider::groove:horizontal{border-image:url(%1) 6 6 6 6 stretch stretch;border-width:%3px;height:0px;"
               "margin:0px %4px;}"
               "QSlider::sub-page:horizontal{border-image:url(%2) 6 6 6 6 stretch stretch;border-width:%3px;height:0px;"
               "margin:0px %4px;}"
               "QSlider::handle:horizontal{border-image:url(%5);width:%6px;height:%6px;margin:-%7px -%4px;}")
        .arg(skinPath(QStringLiteral("/skin/slider_groove.png")), skinPath(QStringLiteral("/skin/slider_fill.png")),
             QString::number(cap), QString::number(handle / 2), skinPath(QStringLiteral("/skin/slider_handle.png")),
             QString::number(handle), QString::number((handle - groove) / 2 + cap));
}

} // namespace

QStringList ZelColorWindow::skinImages()
{
    return {QStringLiteral("/skin/lightpage.png"), QStringLiteral("/skin/effect-1.png"), QStringLiteral("/skin/effect-2.png")};
}

ZelColorWindow::ZelColorWindow(double scale, QWidget *parent)
    : QWidget(parent)
    , m_scale(scale)
{
    setObjectName(QStringLiteral("ZelColorWindow"));
    const QStringList images = skinPaths(skinImages());
    m_background = skinPicture(images[0]);

    m_effectLabel = new ZelLabel(this);
    m_effectButton = new ZelPushButton(images.mid(1), this);
    m_effectMenu = new QMenu(this);
    m_effectButton->setMenu(m_effectMenu);

    m_brightLabel = new ZelLabel(this);
    m_bright = new ZelSlider(this);
    m_bright->setRange(1, 3);
    m_speedLabel = new ZelLabel(this);
    m_speed = new ZelSlider(this);
    m_speed->setRange(1, 5);
    m_sleepLabel = new ZelLabel(this);
    m_sleep = new ZelSlider(this);
    applySleepRange();
    m_sleepValue = new ZelLabel(this);
    for (ZelSlider *slider : {m_bright, m_speed, m_sleep}) {
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::NoTicks);
        slider->setBubbleEnabled(true);
        connect(slider, &ZelSlider::MouseChange, this, &ZelColorWindow::slotSliderMouseChange);
        connect(slider, &QSlider::valueChanged, this, &ZelColorWindow::onSliderChanged);
    }

    m_colorLabel = new ZelLabel(this);
    m_swatch = new DefaultColorArea(this, QColor());
    connect(m_swatch, &DefaultColorArea::ClickedSignal, this, &ZelColorWindow::color_clicked);

    m_moveOff = new QCheckBox(this);
    m_moveOff->setCursor(Qt::PointingHandCursor);
    connect(m_moveOff, &QCheckBox::clicked, this, &ZelColorWindow::checkbtn_clicked);

    // The labels above them name the controls for screen readers.
    m_brightLabel->setBuddy(m_bright);
    m_speedLabel->setBuddy(m_speed);
    m_sleepLabel->setBuddy(m_sleep);
    m_colorLabel->setBuddy(m_swatch);
    m_effectLabel->setBuddy(m_effectButton);

    retranslate();
    setScale(scale);
}

void ZelColorWindow::setProfile(ProfileData *profile)
{
    m_profile = profile;
    refresh();
    setTexts();
}

int ZelColorWindow::pageSlot() const
{
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (m_profile == &currentSettings.profiles[slot])
            return slot;
    }
    return currentSettings.ProfileID;
}

int ZelColorWindow::showSliderValue(ZelSlider *slider, int stored)
{
    const QSignalBlocker quiet(slider);
    slider->setValue(stored);
    return slider->value();
}

void ZelColorWindow::showEffectValues()
{
    if (!m_profile || m_profile->LedMode >= kLedEffectCount)
        return;
    LedEffect &effect = m_profile->ledModes[m_profile->LedMode];
    // Showing a value writes nothing; a stored value out of a slider's range is written back
    // as the slider holds it, into the profile it was read from.
    effect.bright = showSliderValue(m_bright, effect.bright);
    effect.breath = showSliderValue(m_speed, effect.breath);
    m_swatch->setColor(effect.RGB);
}

void ZelColorWindow::showSleepValue(int minutes)
{
    m_sleepValue->setText(QString::number(minutes) + QObject::tr(" MINUTE"));
}

void ZelColorWindow::applySleepRange()
{
    int minimum = 1, maximum = 9;
    productSleepRange(&minimum, &maximum);
    const QSignalBlocker quiet(m_sleep);
    m_sleep->setRange(minimum, maximum);
}

void ZelColorWindow::refresh()
{
    if (!m_profile)
        return;
    applySleepRange(); // the product file may have changed with the mouse
    m_effect = m_profile->LedMode;
    showEffectRows(m_effect);
    m_effectButton->setText(QObject::tr(lightingEffectText(m_effect)));
    showEffectValues();
    m_profile->LedSleepTime = uint8_t(showSliderValue(m_sleep, m_profile->LedSleepTime));
    showSleepValue(m_sleep->value());
    m_moveOff->setChecked(m_profile->LedMoveOFF == 0);
    rebuildEffectMenu();
}

void ZelColorWindow::setEffect(int index)
{
    chooseEffect(index);
}

void ZelColorWindow::onEffectChosen()
{
    for (int i = 0; i < kLedEffectCount; ++i) {
        if (sender() == m_effectActions[i]) {
            chooseEffect(i);
            return;
        }
    }
}

void ZelColorWindow::chooseEffect(int index)
{
    if (index < 0 || index >= kLedEffectCount)
        return;
    m_effect = index;
    showEffectRows(index);
    m_effectButton->setText(QObject::tr(lightingEffectText(index)));
    if (!m_profile)
        return;
    m_profile->LedMode = uint8_t(index);
    showEffectValues();
    const QColor rgb = m_profile->ledModes[index].RGB.toRgb();
    qCDebug(lcWindow, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", pageSlot(), index, rgb.red(), rgb.green(), rgb.blue());
}

void ZelColorWindow::showEffectRows(int index)
{
    // Effects the menu does not offer leave the rows as they are.
    if (!lightingEffectRows(index, &m_rows))
        return;
    m_brightLabel->setVisible(m_rows.brightness);
    m_bright->setVisible(m_rows.brightness);
    m_speedLabel->setVisible(m_rows.speed);
    m_speed->setVisible(m_rows.speed);
    m_colorLabel->setVisible(m_rows.colorLabel);
    m_swatch->setVisible(m_rows.colorSwatch);
    layoutRows();
}

void ZelColorWindow::layoutRows()
{
    const double s = m_scale;
    auto at = [s](int x, int y, int w, int h) { return QRect(scaled(x, s), scaled(y, s), scaled(w, s), scaled(h, s)); };
    const bool swap = m_rows.speedFirst;
    m_brightLabel->setGeometry(at(kLeft, swap ? kSecondRowLabelY : kFirstRowLabelY, kLabelWidth, kLabelHeight));
    m_bright->setGeometry(at(kLeft, swap ? kSecondRowSliderY : kFirstRowSliderY, kSliderWidth, kSliderHeight));
    m_speedLabel->setGeometry(at(kLeft, swap ? kFirstRowLabelY : kSecondRowLabelY, kLabelWidth, kLabelHeight));
    m_speed->setGeometry(at(kLeft, swap ? kFirstRowSliderY : kSecondRowSliderY, kSliderWidth, kSliderHeight));
}

void ZelColorWindow::rebuildEffectMenu()
{
    // The menu owns the actions it shows but not 12 and 13: delete all of them here, which
    // also takes them out of the menu.
    for (ZelAction *&action : m_effectActions) {
        delete action;
        action = nullptr;
    }
    m_effectMenu->clear();
    for (int i = 0; i < kLedEffectCount; ++i) {
        m_effectActions[i] = new ZelAction(QObject::tr(lightingEffectText(i)), m_effectMenu);
        connect(m_effectActions[i], &QAction::triggered, this, &ZelColorWindow::onEffectChosen);
    }
    for (int position = 0; position < kLedMenuEffectCount; ++position)
        m_effectMenu->addAction(m_effectActions[lightingMenuEffect(position)]);
}

void ZelColorWindow::onSliderChanged(int value)
{
    // Brightness, speed and sleep time go to slot 0, the slot the mouse is written from.
    ProfileData &slot0 = currentSettings.profiles[0];
    if (sender() == m_sleep) {
        slot0.LedSleepTime = uint8_t(value);
        showSleepValue(value);
        return;
    }
    if (slot0.LedMode >= kLedEffectCount)
        return;
    LedEffect &effect = slot0.ledModes[slot0.LedMode];
    if (sender() == m_bright)
        effect.bright = value;
    else if (sender() == m_speed)
        effect.breath = value;
}

void ZelColorWindow::slotSliderMouseChange()
{
}

void ZelColorWindow::slotSendLedState(const QColor &color)
{
    if (!m_profile || m_profile->LedMode >= kLedEffectCount)
        return;
    m_profile->ledModes[m_profile->LedMode].RGB = color;
    const QColor rgb = color.toRgb();
    qCDebug(lcWindow, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", pageSlot(), m_profile->LedMode, rgb.red(), rgb.green(), rgb.blue());
}

void ZelColorWindow::slotApplyColor()
{
}

void ZelColorWindow::color_clicked()
{
    if (!m_profile || m_profile->LedMode >= kLedEffectCount)
        return;
    ZelColorArea dialog(window(), m_scale);
    connect(&dialog, &ZelColorArea::ApplyColor, this, &ZelColorWindow::slotApplyColor);
    dialog.setColor(m_profile->ledModes[m_profile->LedMode].RGB);
    dialog.move(window()->frameGeometry().center() - dialog.rect().center());
    if (dialog.exec() != QDialog::Accepted)
        return;
    slotSendLedState(dialog.color());
    m_swatch->setColor(dialog.color());
}

void ZelColorWindow::checkbtn_clicked()
{
    if (m_profile)
        m_profile->LedMoveOFF = m_moveOff->isChecked() ? 0 : 255;
}

void ZelColorWindow::retranslate()
{
    setTexts();
    rebuildEffectMenu();
    applyStyles();
}

void ZelColorWindow::setTexts()
{
    m_effectLabel->setText(QObject::tr("EFFECT"));
    m_brightLabel->setText(QObject::tr("BRIGHTNESS"));
    m_speedLabel->setText(QObject::tr("SPEED"));
    m_colorLabel->setText(QObject::tr("COLOR"));
    m_sleepLabel->setText(QObject::tr("SLEEP TIME"));
    m_moveOff->setText(QObject::tr("MOVE TO LIGHT OFF"));
    m_effectButton->setText(QObject::tr(lightingEffectText(m_effect)));
    showSleepValue(m_sleep->value());
}

void ZelColorWindow::applyStyles()
{
    const QFont font = configuredFont();
    QFont bold = font;
    bold.setBold(true);
    for (ZelLabel *label : {m_effectLabel, m_brightLabel, m_speedLabel, m_colorLabel, m_sleepLabel})
        setStyleSheetIfChanged(label, QStringLiteral("background:transparent;color:rgb(170,174,182);"));
    setStyleSheetIfChanged(m_sleepValue, QStringLiteral("background:transparent;color:%1;").arg(rgbText(currentAccentColor())));
    const int box = qMax(12, scaled(16, m_scale));
    m_moveOff->setFont(bold);
    setStyleSheetIfChanged(m_moveOff, QStringLiteral("QCheckBox{background:transparent;color:rgb(225,225,225);spacing:%1px;}"
                                            "QCheckBox::indicator{width:%2px;height:%2px;}"
                                            "QCheckBox::indicator:unchecked{border-image:url(%3);}"
                                            "QCheckBox::indicator:checked{border-image:url(%4);}")
                                 .arg(scaled(8, m_scale))
                                 .arg(box)
                                 .arg(skinPath(QStringLiteral("/skin/checkbox1-1.png")), skinPath(QStringLiteral("/skin/checkbox1-2.png"))));
    applyMenuStyle(m_effectMenu);
    m_effectMenu->setFont(font);
    const QString sliders = sliderStyle(m_scale);
    for (ZelSlider *slider : {m_bright, m_speed, m_sleep})
        setStyleSheetIfChanged(slider, sliders);
}

void ZelColorWindow::setScale(double factor)
{
    m_scale = factor;
    const double s = factor;
    auto at = [s](int x, int y, int w, int h) { return QRect(scaled(x, s), scaled(y, s), scaled(w, s), scaled(h, s)); };
    m_effectLabel->setGeometry(at(kLeft, kEffectLabelY, kLabelWidth, kLabelHeight));
    m_effectButton->setGeometry(at(kLeft, kEffectButtonY, kSliderWidth, kEffectButtonHeight));
    m_effectMenu->setMinimumWidth(scaled(kSliderWidth, s));
    layoutRows();
    m_colorLabel->setGeometry(at(kLeft, kColorLabelY, kLabelWidth, kLabelHeight));
    m_swatch->setGeometry(at(kLeft, kSwatchY, kSwatchWidth, kSwatchHeight));
    const bool sleepShown = productShowSleep() != 0;
    m_sleepLabel->setGeometry(sleepShown ? at(kLeft, kSleepLabelY, kLabelWidth, kLabelHeight) : QRect());
    m_sleep->setGeometry(sleepShown ? at(kLeft, kSleepSliderY, kSliderWidth, kSliderHeight) : QRect());
    m_sleepValue->setGeometry(sleepShown ? at(kSleepValueX, kSleepSliderY, kSleepValueWidth, kSliderHeight) : QRect());
    // Without the sleep time the check box moves up into its place.
    m_moveOff->setGeometry(at(kLeft, sleepShown ? kCheckY : kSleepLabelY, kCheckWidth, kCheckHeight));
    applyStyles();
    update();
}

void ZelColorWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    drawSkinPicture(painter, rect(), m_background, event->region());
}
