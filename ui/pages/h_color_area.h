#pragma once
#include <QPixmap>
#include <QWidget>

#include "ui/kit/ui_scale.h"

// The hue strip: red at the bottom, round the colour circle, red again at the top. A press or
// drag picks the hue (0..360, 360 at the very top); a triangle right of the strip marks it.
class HColorArea : public QWidget {
    Q_OBJECT
public:
    explicit HColorArea(QWidget *parent = nullptr, double scale = uiScaleFactor());

    // Moves the marker; emits nothing.
    void setHue(int hue);
    int hue() const { return m_hue; }
    double hueFraction() const { return m_fraction; }

    // Geometry inside the widget, for the dialog's layout and for tests.
    int stripHeight() const { return m_stripHeight; }
    int topMargin() const { return m_topMargin; }
    QRect stripRect() const;

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &gradient();

    double m_scale;
    double m_fraction = 0.0;
    int m_hue = 0;
    int m_markerX;
    int m_topMargin;
    int m_stripWidth;
    int m_stripHeight;
    QPixmap m_gradient;
};
