#pragma once
#include <QColor>
#include <QWidget>

#include "ui/kit/ui_scale.h"

// The colour being edited, filled in with a one-pixel black border. It turns the square's
// pixel positions into colour components and passes them on.
class PreviewColorArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget *parent = nullptr, double scale = uiScaleFactor());

    void setColor(const QColor &color);
    QColor color() const { return m_color; }

    // A position inside the square as a component: 255 beyond 127 x scale, else position x 2 / scale.
    static int componentOf(int position, double scale);

signals:
    void svChangedSignal(int h, int s, int v);

public slots:
    void svChangedSlot(int h, int s, int v);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    double m_scale;
    QColor m_color = QColor(0, 0, 0);
};
