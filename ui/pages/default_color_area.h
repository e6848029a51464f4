#pragma once
#include <QColor>
#include <QWidget>

// A clickable colour swatch: the lighting page's colour and the dialog's presets.
class DefaultColorArea : public QWidget {
    Q_OBJECT
public:
    DefaultColorArea(QWidget *parent, const QColor &initial);

    void setColor(const QColor &color);
    QColor color() const { return m_color; }

signals:
    void ClickedSignal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_color;
};
