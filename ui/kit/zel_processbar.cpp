#include "ui/kit/zel_processbar.h"

#include "ui/kit/kit_style.h"

#include <QPainter>
#include <QStyleOptionProgressBar>

ZelProcessbar::ZelProcessbar(QWidget *parent)
    : QProgressBar(parent)
{
    // A reading, not a button: Tab stops on it so that a screen reader speaks it.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QProgressBar::valueChanged, this, &ZelProcessbar::refreshAccessibleName);
}

void ZelProcessbar::setLabel(const QString &label)
{
    m_label = label;
    refreshAccessibleName();
}

void ZelProcessbar::refreshAccessibleName()
{
    const QString reading = m_caption.isEmpty() ? QStringLiteral("%1 %").arg(value()) : m_caption;
    setAccessibleName(m_label.isEmpty() ? reading : m_label + QLatin1Char(' ') + reading);
}

void ZelProcessbar::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    refreshAccessibleName();
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
