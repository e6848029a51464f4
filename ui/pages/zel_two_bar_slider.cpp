#include "ui/pages/zel_two_bar_slider.h"

#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

ZelJumpSlider::ZelJumpSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
}

void ZelJumpSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        if (!handle.contains(event->pos())) {
            const int span = qMax(1, width() - handle.width());
            const int position = event->pos().x() - handle.width() / 2;
            setValue(QStyle::sliderValueFromPosition(minimum(), maximum(), position, span));
        }
    }
    // The handle is under the pointer now, so the press starts a drag.
    QSlider::mousePressEvent(event);
}

ZelTwoBarSlider::ZelTwoBarSlider(QWidget *parent)
    : QWidget(parent)
    , m_x(new ZelJumpSlider(this))
    , m_linkedBar(new ZelJumpSlider(this))
    , m_y(new ZelJumpSlider(this))
{
    for (QSlider *bar : {m_x, m_linkedBar, m_y})
        bar->setSingleStep(1);
    connect(m_x, &QSlider::valueChanged, this, [this](int x) { emit SliderChangedSignal(x, m_y->value()); });
    connect(m_y, &QSlider::valueChanged, this, [this](int y) { emit SliderChangedSignal(m_x->value(), y); });
    connect(m_linkedBar, &QSlider::valueChanged, this, [this](int v) { emit SliderChangedSignal(v, v); });
    setLinked(1);
    layoutForScale(1.0);
}

void ZelTwoBarSlider::setLinked(int linked)
{
    m_linked = linked;
    m_linkedBar->setVisible(linked != 0);
    m_x->setVisible(linked == 0);
    m_y->setVisible(linked == 0);
}

void ZelTwoBarSlider::setRange(int maximum, int minimum)
{
    for (QSlider *bar : {m_x, m_linkedBar, m_y}) {
        const QSignalBlocker quiet(bar);
        bar->setRange(minimum, maximum);
    }
}

void ZelTwoBarSlider::setValues(int x, int y)
{
    const QSignalBlocker quietX(m_x), quietY(m_y), quietLinked(m_linkedBar);
    if (m_linked)
        m_linkedBar->setValue(x);
    m_x->setValue(x);
    m_y->setValue(y);
}

void ZelTwoBarSlider::layoutForScale(double factor)
{
    m_scale = factor;
    // Unlinked, X and Y are two full tracks of the linked bar's look, one above the other.
    // The bars span the widget, however wide its owner made it.
    const int width = this->width();
    m_x->setGeometry(0, 0, width, scaled(14, factor));
    m_linkedBar->setGeometry(0, scaled(9, factor), width, scaled(12, factor));
    m_y->setGeometry(0, scaled(16, factor), width, scaled(14, factor));
    applyStyles();
}

void ZelTwoBarSlider::applyStyles()
{
    const QColor accent = currentAccentColor();
    const QColor start = currentGradientStartColor();
    const int g = int(6 * m_scale);
    const int h = int(12 * m_scale);
    // A radius beyond half the handle's height makes the style drop the rounding altogether.
    const int handleRadius = qMin(h, g + 2 * (g / 2)) / 2;
    const QString track = QString::asprintf(
        "QSlider{background: qrgb(0,0,0,0%%);}QSlider::groove:horizontal{height:%dpx;background:qlineargradient(x1:0, "
        "y1:0, x2:1, y2:0, stop:0 rgb(%d,%d,%d), stop:1 rgb(%d,%d,%d));;border-radius:%dpx;}"
        "QSlider::add-page:horizontal{height:%dpx;background:rgb(150,150,150);border-radius:%dpx;}"
        "QSlider::handle:horizontal{width:%dpx;background:rgba(%d,%d,%d,255);margin:-%dpx 0px -%dpx 0px;"
        "border-radius:%dpx;}",
        g, start.red(), start.green(), start.blue(), accent.red(), accent.green(), accent.blue(), g / 2, g, g / 2, h,
        accent.red(), accent.green(), accent.blue(), g / 2, g / 2, handleRadius);
    for (QSlider *bar : {m_x, m_linkedBar, m_y})
        setStyleSheetIfChanged(bar, track);
}
