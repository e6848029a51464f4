// zelmouse-osd: the on-screen display the main program sends its notices to. One runs per user;
// started by the program, it ends with that program, however the program ends.

#include "app/osd/zel_osd_window.h"
#include "platform/display_platform.h"
#include "platform/osd_channel.h"
#include "platform/process_end_watch.h"
#include "platform/single_instance.h"
#include "platform/trace_rules.h"

#include <QApplication>

#include <cstdio>
#include <memory>

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
    // Watched before anything else: a program that died while this one started is not waited for.
    std::unique_ptr<ProcessEndWatch> ownerWatch;
    if (const qint64 owner = osdOwnerFromArguments(app.arguments())) {
        ownerWatch = std::make_unique<ProcessEndWatch>(owner);
        QObject::connect(ownerWatch.get(), &ProcessEndWatch::ended, &app, &QCoreApplication::quit);
    }
    OsdListener listener;
    if (!listener.listen())
        return 1;
    ZelOsdWindow window;
    QObject::connect(&listener, &OsdListener::messageReceived, &window, &ZelOsdWindow::showMessage);
    return app.exec();
}
