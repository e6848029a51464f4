#include "ui/pages/macro_dialog.h"

// Recording, the event list and the macro files come with the macro editor work.

MacroDialog::MacroDialog(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MacroDialog"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
}

void MacroDialog::retranslate()
{
    update();
}

void MacroDialog::setScale(double factor)
{
    m_scale = factor;
    update();
}
