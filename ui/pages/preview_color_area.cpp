#include "ui/pages/preview_color_area.h"

#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget *parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
{
}

void PreviewColorArea::setColor(const QColor &color)
{
    m_color = color;
    update();
}

int PreviewColorArea::componentOf(int position, double scale)
{
    if (position > 127 * scale)
        return 255;
    return qBound(0, int(position * 2 / scale), 255);
}

void PreviewColorArea::svChangedSlot(int h, int s, int v)
{
    const int saturation = componentOf(s, m_scale);
    const int value = componentOf(v, m_scale);
    if (h >= 360 || h < 0)
        h = 0;
    m_color.setHsv(h, saturation, value, 255);
    update();
    emit svChangedSignal(h, saturation, value);
}

void PreviewColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PreviewColorArea::resizeEvent(QResizeEvent *)
{
    update();
}
