#pragma once
#include <QPixmap>
#include <QWidget>

#include "ui/kit/ui_scale.h"

// The saturation/value square of one hue: saturation grows to the right, value upwards.
// Saturation and value are kept as pixel positions inside the square (0..side); a colour
// component c sits at c / 2 x scale.
class SVColorArea : public QWidget {
    Q_OBJECT
public:
    explicit SVColorArea(QWidget *parent = nullptr, double scale = uiScaleFactor());

    // Saturation and value as halves of the components (rounded up); emits nothing.
    void setHsv(int h, int halfS, int halfV);
    // Takes the colour's hue, saturation and value and announces them.
    void setColor(const QColor &color);

    int hue() const { return m_hue; }
    int saturationPosition() const { return m_s; }
    int valuePosition() const { return m_v; }
    int side() const { return m_side; }
    // Where the square sits inside the widget (the rest is room for the marker).
    QRect squareRect() const { return QRect(m_margin, m_margin, m_side, m_side); }

signals:
    void svChangedSignal(int h, int s, int v);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int h);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void pickAt(const QPoint &point);
    void setHueOnly(int h);
    const QPixmap &square();

    double m_scale;
    int m_side;
    int m_margin;
    int m_hue = 0;
    int m_s = 0;
    int m_v = 0;
    // The white-to-hue gradient with the darkening overlay over it, redrawn when the hue
    // changes; the overlay itself never changes.
    QPixmap m_square;
    QPixmap m_overlay;
    bool m_squareStale = true;
};
