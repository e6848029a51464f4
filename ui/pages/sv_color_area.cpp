#include "ui/pages/sv_color_area.h"

#include "ui/kit/keyboard_access.h"
#include "ui/main/window_log.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

SVColorArea::SVColorArea(QWidget *parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_side(scaled(128, scale))
    , m_margin(scaled(7, scale))
{
    setFixedSize(m_side + 2 * m_margin, m_side + 2 * m_margin);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    registerAccessibleRole("SVColorArea", QAccessible::Slider);
    setAccessibleName(tr("Saturation and brightness"));
}

void SVColorArea::setHueOnly(int h)
{
    if (h < 0)
        return; // a grey keeps the hue it had
    if (h % 360 != m_hue % 360)
        m_squareStale = true;
    m_hue = h;
}

void SVColorArea::setHsv(int h, int halfS, int halfV)
{
    setHueOnly(h);
    m_s = qBound(0, int(halfS * m_scale), m_side);
    m_v = qBound(0, int(halfV * m_scale), m_side);
    update();
}

void SVColorArea::setColor(const QColor &color)
{
    const QColor hsv = color.toHsv();
    setHsv(hsv.hsvHue(), (hsv.hsvSaturation() + 1) / 2, (hsv.value() + 1) / 2);
    emit svChangedSignal(m_hue, m_s, m_v);
}

void SVColorArea::hueChangedSlot(int h)
{
    setHueOnly(h);
    update();
    emit svChangedSignal(m_hue, m_s, m_v);
}

const QPixmap &SVColorArea::square()
{
    if (m_overlay.isNull()) {
        m_overlay = QPixmap(m_side, m_side);
        m_overlay.fill(Qt::transparent);
        QLinearGradient dark(0, 0, 0, m_side);
        dark.setColorAt(0, QColor(0, 0, 0, 0));
        dark.setColorAt(1, QColor(0, 0, 0, 255));
        QPainter painter(&m_overlay);
        painter.fillRect(m_overlay.rect(), dark);
    }
    if (m_squareStale || m_square.isNull()) {
        m_square = QPixmap(m_side, m_side);
        QLinearGradient saturation(0, 0, m_side, 0);
        saturation.setColorAt(0, QColor(QStringLiteral("#ffffff")));
        saturation.setColorAt(1, QColor::fromHsv(m_hue % 360, 255, 255));
        QPainter painter(&m_square);
        painter.fillRect(m_square.rect(), saturation);
        painter.drawPixmap(0, 0, m_overlay);
        m_squareStale = false;
    }
    return m_square;
}

void SVColorArea::pickAt(const QPoint &point)
{
    m_s = qBound(0, point.x() - m_margin, m_side);
    m_v = qBound(0, m_side - (point.y() - m_margin), m_side);
    setAccessibleDescription(tr("Saturation %1 %, brightness %2 %").arg(m_s * 100 / qMax(1, m_side)).arg(m_v * 100 / qMax(1, m_side)));
    update();
    emit svChangedSignal(m_hue, m_s, m_v);
}

void SVColorArea::keyPressEvent(QKeyEvent *event)
{
    // Left and right move along saturation, up and down along brightness, as the square shows.
    const int step = event->modifiers() & Qt::ShiftModifier ? qMax(1, m_side / 8) : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left: move = {-step, 0}; break;
    case Qt::Key_Right: move = {step, 0}; break;
    case Qt::Key_Up: move = {0, -step}; break;
    case Qt::Key_Down: move = {0, step}; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    pickAt(QPoint(m_margin + m_s, m_margin + m_side - m_v) + move);
    emit mouseReleaseSignal();
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    qCDebug(lcWindow, "SVColorArea mousePressEvent %d %d", event->pos().x(), event->pos().y());
    pickAt(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    pickAt(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = squareRect();
    painter.drawPixmap(area.topLeft(), square());
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(m_margin + m_s, m_margin + m_side - m_v);
    painter.setPen(QPen(m_v <= m_side / 2 ? QColor(255, 255, 255) : QColor(0, 0, 0), qMax(1.5, 1.5 * m_scale)));
    const double radius = 5 * m_scale;
    painter.drawEllipse(centre, radius, radius);
}
