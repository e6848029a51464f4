#pragma once
#include <QSlider>

class QLabel;

// A horizontal slider that shows its value in a small bubble above the handle while it is
// dragged, and emits MouseChange() when the mouse lets go.
class ZelSlider : public QSlider {
    Q_OBJECT
public:
    explicit ZelSlider(QWidget *parent = nullptr);

    void setBubbleEnabled(bool on) { m_bubbleEnabled = on; }
    bool bubbleEnabled() const { return m_bubbleEnabled; }
    // Set once the mouse has been released on the slider.
    bool pressed() const { return m_pressed; }
    void setPressed(bool on) { m_pressed = on; }

    QLabel *bubble() const { return m_bubble; }
    // (value - minimum) x (width - bubble width) / (maximum - minimum); 0 for an empty range.
    int bubbleX() const;

signals:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeBubble();

    QLabel *m_bubble = nullptr;
    bool m_bubbleEnabled = false;
    bool m_pressed = false;
};
