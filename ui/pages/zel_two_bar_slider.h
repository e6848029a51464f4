#pragma once
#include <QSlider>
#include <QWidget>

// A slider that jumps to the clicked point of its track instead of paging toward it, then
// drags on from there.
class ZelJumpSlider : public QSlider {
    Q_OBJECT
public:
    explicit ZelJumpSlider(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// One value for X and Y together (linked), or separate X and Y bars.
class ZelTwoBarSlider : public QWidget {
    Q_OBJECT
public:
    explicit ZelTwoBarSlider(QWidget *parent = nullptr);

    void setLinked(int linked);
    int linked() const { return m_linked; }
    // The same range on all three bars; values outside it are clamped on screen only.
    void setRange(int maximum, int minimum);
    // The linked bar takes x only while linked.
    void setValues(int x, int y);
    void layoutForScale(double factor);

    QSlider *xSlider() const { return m_x; }
    QSlider *ySlider() const { return m_y; }
    QSlider *linkedSlider() const { return m_linkedBar; }

signals:
    void SliderChangedSignal(int x, int y);

private:
    void applyStyles();

    ZelJumpSlider *m_x;
    ZelJumpSlider *m_linkedBar;
    ZelJumpSlider *m_y;
    int m_linked = 1;
    double m_scale = 1.0;
};
