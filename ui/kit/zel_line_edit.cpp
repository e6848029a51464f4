#include "ui/kit/zel_line_edit.h"

ZelLineEdit::ZelLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void ZelLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit zelLostFocus();
}
