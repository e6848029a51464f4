#include "ui/pages/h_color_area.h"

#include "ui/kit/keyboard_access.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

HColorArea::HColorArea(QWidget *parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_markerX(scaled(26, scale))
    , m_topMargin(scaled(7, scale))
    , m_stripWidth(scaled(22, scale))
    , m_stripHeight(scaled(128, scale))
{
    setFixedSize(scaled(38, scale), m_stripHeight + 2 * m_topMargin);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    registerAccessibleRole("HColorArea", QAccessible::Slider);
    setAccessibleName(tr("Hue"));
    setAccessibleDescription(QString::number(m_hue));
}

QRect HColorArea::stripRect() const
{
    return QRect(0, m_topMargin, m_stripWidth, m_stripHeight);
}

void HColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    m_fraction = m_hue / 360.0;
    setAccessibleDescription(QString::number(m_hue));
    update();
}

void HColorArea::keyPressEvent(QKeyEvent *event)
{
    // Up and down move the marker as a drag would; page keys by a twelfth of the circle.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up: step = 1; break;
    case Qt::Key_Down: step = -1; break;
    case Qt::Key_PageUp: step = 30; break;
    case Qt::Key_PageDown: step = -30; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setHue(m_hue + step);
    emit hueChangedSignal(m_hue);
    emit mouseReleaseSignal();
}

const QPixmap &HColorArea::gradient()
{
    // Painted once per widget: a drag only moves the marker over it.
    if (m_gradient.isNull()) {
        QLinearGradient hues(0, m_stripHeight, 0, 0);
        for (int i = 0; i < 16; ++i)
            hues.setColorAt(i / 16.0, QColor::fromHsvF(i / 16.0, 1, 1));
        hues.setColorAt(1, QColor::fromHsvF(0, 1, 1));
        m_gradient = QPixmap(m_stripWidth, m_stripHeight);
        QPainter painter(&m_gradient);
        painter.fillRect(m_gradient.rect(), hues);
    }
    return m_gradient;
}

void HColorArea::mousePressEvent(QMouseEvent *event)
{
    const int y = qRound(event->localPos().y());
    m_fraction = qBound(0.0, 1.0 - double(y - m_topMargin) / m_stripHeight, 1.0);
    m_hue = int(m_fraction * 360);
    setAccessibleDescription(QString::number(m_hue));
    update();
    emit hueChangedSignal(m_hue);
}

void HColorArea::mouseMoveEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void HColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}

void HColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect strip = stripRect();
    painter.drawPixmap(strip.topLeft(), gradient());
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(strip.adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing);
    const double tipY = m_stripHeight - m_stripHeight * m_fraction + m_topMargin;
    const double half = 6 * m_scale;
    QPainterPath marker;
    marker.moveTo(m_markerX, tipY);
    marker.lineTo(width() - 1, tipY - half);
    marker.lineTo(width() - 1, tipY + half);
    marker.closeSubpath();
    painter.setPen(QPen(QColor(20, 20, 20), qMax(1.0, m_scale)));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawPath(marker);
}
