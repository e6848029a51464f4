#include "ui/kit/zel_slider.h"

#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"

#include <QLabel>
#include <QMouseEvent>

ZelSlider::ZelSlider(QWidget *parent)
    : QSlider(parent)
    , m_bubble(new QLabel(this))
{
    setOrientation(Qt::Horizontal);
    m_bubble->setAutoFillBackground(true);
    m_bubble->setAlignment(Qt::AlignCenter);
    const QColor accent = currentAccentColor();
    m_bubble->setStyleSheet(QStringLiteral("QLabel{background-color:rgb(%1,%2,%3);color:rgb(0,0,0);border-radius:3px;}")
                                .arg(accent.red())
                                .arg(accent.green())
                                .arg(accent.blue()));
    m_bubble->hide();
    placeBubble();
}

int ZelSlider::bubbleX() const
{
    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0)
        return 0;
    return static_cast<int>((qint64(value()) - minimum()) * (width() - m_bubble->width()) / span);
}

void ZelSlider::placeBubble()
{
    m_bubble->setFixedSize(scaledSize(20, 20));
    QFont font = configuredFont();
    font.setPixelSize(qMax(6, scaled(10)));
    m_bubble->setFont(font);
    m_bubble->move(bubbleX(), 0);
}

void ZelSlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);
    if (m_bubbleEnabled && isVisible()) {
        m_bubble->setText(QString::number(value()));
        placeBubble();
        m_bubble->show();
        m_bubble->raise();
    }
}

void ZelSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    if (m_bubble->isVisible()) {
        m_bubble->setText(QString::number(value()));
        m_bubble->move(bubbleX(), 0);
    }
}

void ZelSlider::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = true;
    emit MouseChange();
    m_bubble->hide();
    QSlider::mouseReleaseEvent(event);
}

void ZelSlider::resizeEvent(QResizeEvent *event)
{
    QSlider::resizeEvent(event);
    placeBubble();
}
