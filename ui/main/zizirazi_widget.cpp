#include "ui/main/zizirazi_widget.h"

ZiziraziWidget::ZiziraziWidget(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    resize(999, 640);
}

ZiziraziWidget::~ZiziraziWidget() = default;
