// How long one drag step on the colour dialog takes, event to painted frame, at a large scale.
// A frame at 60 Hz lasts 16.7 ms; a step should take a small part of it.
//   QT_QPA_PLATFORM=offscreen build-tests/bench/ui_bench

#include "ui/pages/h_color_area.h"
#include "ui/pages/sv_color_area.h"
#include "ui/pages/zel_color_area.h"

#include <QMouseEvent>
#include <QtTest>

namespace {

void drag(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class UiBench : public QObject {
    Q_OBJECT

private slots:
    void dragOnTheSquare()
    {
        ZelColorArea dialog(nullptr, 2.0);
        dialog.show();
        SVColorArea *square = dialog.svSquare();
        int step = 0;
        QBENCHMARK {
            drag(square, square->squareRect().topLeft() + QPoint(step % square->side(), (step * 7) % square->side()));
            dialog.repaint();
            ++step;
        }
    }

    // Every step gives the square a new hue, so its gradient is drawn again.
    void dragOnTheHueStrip()
    {
        ZelColorArea dialog(nullptr, 2.0);
        dialog.show();
        HColorArea *strip = dialog.hueStrip();
        int step = 0;
        QBENCHMARK {
            drag(strip, QPoint(4, strip->topMargin() + step % strip->stripHeight()));
            dialog.repaint();
            ++step;
        }
    }
};

QTEST_MAIN(UiBench)
#include "ui_bench.moc"
