#include "ui/kit/dialog_skin.h"
#include "ui/kit/skin_images.h"

#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"

#include <QPainter>
#include <QToolButton>

void paintDialogSkin(QPainter &painter, const QWidget *dialog, const QString &background)
{
    const QPixmap image = skinImage(skinPath(background));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(dialog->rect(), image);
    // A 2-pixel pen centred on the rectangle one pixel in from each edge.
    QPen frame(currentAccentColor(), 2);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(dialog->rect()).adjusted(2, 2, -2, -2));
}

void applyDialogWindowLook(QDialog *dialog)
{
    dialog->setWindowFlags(dialog->windowFlags() | Qt::FramelessWindowHint);
    dialog->setAttribute(Qt::WA_TranslucentBackground);
}

QString dialogToolButtonStyle()
{
    const QColor accent = currentAccentColor();
    return QString::asprintf("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255); "
                             "                      border-radius: 3px;  border: 1px rgb(%d, %d, %d); "
                             "                      border-style: outset;}",
                             accent.red(), accent.green(), accent.blue());
}

QFont dialogFont()
{
    // Dialogs speak in the window's own voice: the configured family and size.
    return configuredFont();
}

QToolButton *makeDialogToolButton(const QString &text, const QIcon &icon, const QString &objectName, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    button->setIcon(icon);
    button->setIconSize(scaledSize(30, 30));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(dialogFont());
    button->setStyleSheet(dialogToolButtonStyle());
    button->setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click leaves the focus where the user typed.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

ZelSkinDialog::ZelSkinDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    applyDialogWindowLook(this);
}

void ZelSkinDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDialogSkin(painter, this, m_background);
}
