// zelmouse-osd: the on-screen display the main program sends its notices to. One runs per user;
// it stays until the session ends.

#include "app/osd/zel_osd_window.h"
#include "platform/display_platform.h"
#include "platform/osd_channel.h"
#include "platform/single_instance.h"
#include "platform/trace_rules.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    selectTraces(false);
    QString noDisplay;
    if (!chooseDisplayPlatform(&noDisplay)) {
        std::fprintf(stderr, "zelmouse-osd: %s\n", qPrintable(noDisplay));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    // A start while one runs (the program starts it again when it answers slowly) just ends.
    SingleInstanceLock lock(osdWindowTitle());
    if (!lock.tryAcquire())
        return 0;
    OsdListener listener;
    if (!listener.listen())
        return 1;
    ZelOsdWindow window;
    QObject::connect(&listener, &OsdListener::messageReceived, &window, &ZelOsdWindow::showMessage);
    return app.exec();
}
