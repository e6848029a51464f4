#include "ui/kit/zel_label.h"

#include "ui/kit/kit_style.h"

ZelLabel::ZelLabel(QWidget *parent)
    : QLabel(parent)
{
}

ZelLabel::ZelLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void ZelLabel::paintEvent(QPaintEvent *event)
{
    // The font follows the language and the scale; adopting it here keeps QLabel's own
    // alignment, word wrap and style-sheet painting. A changed font schedules one more paint.
    const QFont wanted = configuredFont();
    if (!(font() == wanted))
        setFont(wanted);
    QLabel::paintEvent(event);
}

void ZelLabel::mousePressEvent(QMouseEvent *event)
{
    emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}
