#include "ui/pages/zel_single_dpi.h"

#include "store/dpi_scale.h"
#include "store/language_config.h"
#include "store/sensor_ranges.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_label.h"
#include "ui/main/window_log.h"
#include "ui/pages/zel_two_bar_slider.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QString checkBoxStyle()
{
    return skinCheckBoxStyleSheet() + QStringLiteral("QCheckBox{background: qrgb(0,0,0,0%);}");
}

// "DPI : %d" and the like: the number goes where the translation puts %d.
QString withNumber(const QString &text, int number)
{
    QString filled = text;
    return filled.replace(QLatin1String("%d"), QString::number(number));
}

} // namespace

ZelSingleDPI::ZelSingleDPI(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_linkBox(new QCheckBox(this))
    , m_enableBox(new QCheckBox(this))
    , m_slider(new ZelTwoBarSlider(this))
    , m_xLabel(new ZelLabel(this))
    , m_yLabel(new ZelLabel(this))
    , m_dpiLabel(new ZelLabel(this))
    , m_minLabel(new ZelLabel(this))
    , m_maxLabel(new ZelLabel(this))
{
    m_maxLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_slider, &ZelTwoBarSlider::SliderChangedSignal, this, &ZelSingleDPI::onSliderChanged);
    connect(m_linkBox, &QCheckBox::stateChanged, this, &ZelSingleDPI::onStateChanged);
    connect(m_enableBox, &QCheckBox::stateChanged, this, &ZelSingleDPI::onStateChanged);
    for (ZelLabel *label : {m_xLabel, m_yLabel, m_dpiLabel, m_minLabel, m_maxLabel})
        connect(label, &ZelLabel::EnterSignal, this, &ZelSingleDPI::slotLabelClick);
    m_linkBox->hide();
    retranslate();
    setTextColor(Qt::white);
    layoutForScale(1.0);
}

void ZelSingleDPI::setSensor(int sensorModel, const SensorRange *range)
{
    m_sensorModel = sensorModel;
    if (range) {
        m_minLabel->setText(QString::number(range->minimumDpi));
        m_maxLabel->setText(QString::number(range->maximumDpi));
        m_slider->setRange(range->maximumCode, range->minimumCode);
        m_linkShown = range->separateXY;
        m_linkBox->setVisible(m_linkShown);
    }
    showValues();
}

void ZelSingleDPI::setValues(int x, int y)
{
    m_x = x;
    m_y = y;
    m_slider->setValues(x, y);
    showValues();
}

void ZelSingleDPI::setLink(int link)
{
    m_link = uint8_t(link);
    m_slider->setLinked(link == 1);
    const QSignalBlocker quiet(m_linkBox);
    m_linkBox->setChecked(link == 1);
}

void ZelSingleDPI::setUsed(int used)
{
    m_used = uint8_t(used);
    const QSignalBlocker quiet(m_enableBox);
    m_enableBox->setChecked(used == 1);
}

void ZelSingleDPI::setTextColor(const QColor &color)
{
    m_textColor = color;
    const QString colour = QStringLiteral("color:%1;").arg(color.name());
    for (ZelLabel *label : {m_xLabel, m_yLabel, m_dpiLabel, m_minLabel, m_maxLabel})
        setStyleSheetIfChanged(label, QStringLiteral("background:transparent;") + colour);
    const QString boxStyle = checkBoxStyle() + QStringLiteral("QCheckBox{%1}").arg(colour);
    setStyleSheetIfChanged(m_linkBox, boxStyle);
    setStyleSheetIfChanged(m_enableBox, boxStyle);
}

void ZelSingleDPI::layoutForScale(double factor)
{
    m_scale = factor;
    m_dpiLabel->setGeometry(scaledRect(25, 0, 80, 17, factor));
    m_slider->setGeometry(scaledRect(51, 20, 331, 30, factor));
    m_slider->layoutForScale(factor);
    m_minLabel->setGeometry(scaledRect(0, 25, 50, 17, factor));
    m_maxLabel->setGeometry(scaledRect(386, 25, 50, 17, factor));
    // Not part of this layout: a stage's X and Y are read from the bars, and every stage stays
    // enabled.
    m_xLabel->setGeometry(QRect());
    m_yLabel->setGeometry(QRect());
    m_enableBox->setGeometry(QRect());
    placeLinkBox();
}

void ZelSingleDPI::placeLinkBox()
{
    const QFont font = configuredFont(currentLanguageIndex(), m_scale);
    m_linkBox->setFont(font);
    // Longer translations grow the box to the left, into the free space after the DPI label.
    QStyleOptionButton option;
    option.initFrom(m_linkBox);
    const int indicator = m_linkBox->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, m_linkBox)
        + m_linkBox->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, m_linkBox);
    const int needed = indicator + QFontMetrics(font).horizontalAdvance(m_linkBox->text()) + scaled(4, m_scale);
    const int width = qMax(scaled(80, m_scale), needed);
    const int right = scaled(440, m_scale);
    const int left = qMax(scaled(110, m_scale), qMin(scaled(350, m_scale), right - width));
    m_linkBox->setGeometry(left, 0, right - left, scaled(17, m_scale));
}

void ZelSingleDPI::retranslate()
{
    m_linkBox->setText(QObject::tr("Link XY"));
    showValues();
    placeLinkBox();
}

void ZelSingleDPI::showValues()
{
    const int dpiX = dpiFromCode(m_x, m_sensorModel);
    const int dpiY = dpiFromCode(m_y, m_sensorModel);
    m_xLabel->setText(withNumber(QStringLiteral("X:%d"), dpiX));
    m_yLabel->setText(withNumber(QStringLiteral("Y:%d"), dpiY));
    m_dpiLabel->setText(withNumber(QObject::tr("DPI : %d"), dpiY));
    // Screen readers get the DPI rather than the bars' raw sensor codes.
    const QString stage = QObject::tr("Stage %1").arg(m_index + 1);
    m_slider->linkedSlider()->setAccessibleName(stage + QStringLiteral(": ") + QObject::tr("%1 DPI").arg(dpiY));
    m_slider->xSlider()->setAccessibleName(stage + QStringLiteral(": ") + QObject::tr("X %1 DPI").arg(dpiX));
    m_slider->ySlider()->setAccessibleName(stage + QStringLiteral(": ") + QObject::tr("Y %1 DPI").arg(dpiY));
    m_enableBox->setAccessibleName(stage);
}

void ZelSingleDPI::onSliderChanged(int x, int y)
{
    m_x = x;
    m_y = y;
    qCDebug(lcWindow, "ix = %d", x);
    showValues();
    emit DPISignal(x, y, uchar(m_index));
}

void ZelSingleDPI::onStateChanged(int state)
{
    const uint8_t on = state == Qt::Checked ? 1 : 0;
    if (sender() == m_linkBox) {
        m_link = on;
        m_slider->setLinked(on);
        if (on) {
            // The single bar takes over from X; Y follows it from the next move.
            m_slider->setValues(m_x, m_y);
        }
        emit LinkSignal(on, uchar(m_index));
    } else if (sender() == m_enableBox) {
        m_used = on;
        emit EnableSignal(on, uchar(m_index));
    }
}

void ZelSingleDPI::slotLabelClick(ZelLabel *)
{
    emit MouseinSignal(uchar(m_index));
}
