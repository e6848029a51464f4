#include "ui/pages/default_color_area.h"

#include "ui/kit/keyboard_access.h"
#include "ui/main/window_log.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(QWidget *parent, const QColor &initial)
    : QWidget(parent)
    , m_color(initial)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    registerAccessibleRole("DefaultColorArea", QAccessible::Button);
    setAccessibleDescription(m_color.isValid() ? m_color.name() : QString());
}

void DefaultColorArea::setColor(const QColor &color)
{
    m_color = color;
    setAccessibleDescription(color.isValid() ? color.name() : QString());
    update();
}

void DefaultColorArea::keyPressEvent(QKeyEvent *event)
{
    if (!isPressKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit ClickedSignal();
}

void DefaultColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    qCDebug(lcWindow, "DefaultColorArea mousePressEvent");
    emit ClickedSignal();
}

void DefaultColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A colour not yet set shows as an empty well rather than as black.
    painter.fillRect(rect(), m_color.isValid() ? m_color : QColor(30, 31, 35));
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DefaultColorArea::resizeEvent(QResizeEvent *)
{
    update();
}
