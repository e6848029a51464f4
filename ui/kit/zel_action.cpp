#include "ui/kit/zel_action.h"

#include "ui/kit/kit_style.h"

ZelAction::ZelAction(QObject *parent)
    : QAction(parent)
{
    setFont(configuredFont());
}

ZelAction::ZelAction(const QString &text, QObject *parent)
    : QAction(parent)
{
    setText(text);
}

void ZelAction::setText(const QString &text)
{
    QAction::setText(text);
    setFont(configuredFont());
}
