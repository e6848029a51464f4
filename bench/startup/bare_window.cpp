// The floor for start-up measurements: a frameless Qt window of the main window's size that
// paints nothing of its own.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.resize(999, 640);
    window.show();
    return app.exec();
}
