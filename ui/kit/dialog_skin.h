#pragma once
#include <QDialog>
#include <QIcon>
#include <QString>

class QPainter;
class QToolButton;
class QWidget;

// The common dialog look: "/skin/dlg.png" stretched over the whole dialog and a 2-pixel frame
// in the accent colour one pixel inside the edge.
void paintDialogSkin(QPainter &painter, const QWidget *dialog, const QString &background = QStringLiteral("/skin/dlg.png"));

// Frameless and translucent, as every skinned dialog is.
void applyDialogWindowLook(QDialog *dialog);

// The accept/reject tool button of the skinned dialogs: black, white text, accent border,
// icon of int(30 x scale) pixels, font "Consolas" of int(14 x scale) pixels.
QString dialogToolButtonStyle();
QToolButton *makeDialogToolButton(const QString &text, const QIcon &icon, const QString &objectName, QWidget *parent);

// The font of the message box and the dialogs' captions.
QFont dialogFont();

// A dialog base with the common look, for the key dialogs and the macro selection.
class ZelSkinDialog : public QDialog {
    Q_OBJECT
public:
    explicit ZelSkinDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint);

    void setBackgroundImage(const QString &relative) { m_background = relative; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_background = QStringLiteral("/skin/dlg.png");
};
