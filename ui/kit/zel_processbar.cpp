#include "ui/kit/zel_processbar.h"

#include "ui/kit/kit_style.h"

#include <QPainter>
#include <QStyleOptionProgressBar>

ZelProcessbar::ZelProcessbar(QWidget *parent)
    : QProgressBar(parent)
{
}

void ZelProcessbar::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

QString ZelProcessbar::shownText() const
{
    if (!m_caption.isEmpty())
        return m_caption;
    return isTextVisible() ? text() : QString();
}

void ZelProcessbar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.textVisible = false;
    style()->drawControl(QStyle::CE_ProgressBarGroove, &option, &painter, this);
    style()->drawControl(QStyle::CE_ProgressBarContents, &option, &painter, this);

    const QString shown = shownText();
    if (shown.isEmpty())
        return;
    // Family from the language; size and weight as the owner's style sheet asks.
    QFont font = configuredFont();
    if (this->font().pixelSize() > 0)
        font.setPixelSize(this->font().pixelSize());
    font.setBold(this->font().bold());
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, shown);
}
