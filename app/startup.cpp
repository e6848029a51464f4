#include "app/startup.h"

#include "app/emulation_option.h"

#include "platform/background_task.h"
#include "platform/display_platform.h"
#include "platform/font_warmup.h"
#include "platform/instance_handover.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "platform/trace_rules.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "ui/main/zizirazi_widget.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QThread>

#include <cstdio>
#include <cstring>

QString readProductName()
{
    return productName();
}

namespace {

bool takeOption(int &argc, char **argv, const char *option)
{
    bool given = false;
    for (int i = 1; i < argc;) {
        if (std::strcmp(argv[i], option) == 0) {
            given = true;
            for (int j = i; j < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
        } else {
            ++i;
        }
    }
    return given;
}

} // namespace

bool takeHiddenOption(int &argc, char **argv)
{
    return takeOption(argc, argv, "--hidden");
}

bool takeTraceOption(int &argc, char **argv)
{
    return takeOption(argc, argv, "--trace");
}


std::unique_ptr<ZiziraziWidget> createMainWindow(const QString &productName, bool hidden,
                                                 std::unique_ptr<SettingsReading> settingsReading)
{
    auto window = std::make_unique<ZiziraziWidget>(nullptr, std::move(settingsReading));
    // Hidden only where a tray icon can bring the window back.
    if (hidden && !QSystemTrayIcon::isSystemTrayAvailable())
        hidden = false;
    if (window->connectedMouseCount() != 0 && !hidden) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    // Relative to the working directory, as the installed program always has done.
    window->setWindowIcon(QIcon(QStringLiteral("./skin/icon.ico")));
    window->setWindowTitle(productName);
    return window;
}

int runApplication(int &argc, char **argv)
{
    // Before any thread starts: the choice goes into the environment.
    QString noDisplay;
    if (!chooseDisplayPlatform(&noDisplay)) {
        std::fprintf(stderr, "zelmouse: %s\n", qPrintable(noDisplay));
        return 1;
    }
    const EmulationOption emulation = takeEmulationOption(argc, argv);
    const bool hidden = takeHiddenOption(argc, argv);
    selectTraces(takeTraceOption(argc, argv));
    // The window paints with QPainter only: Qt's OpenGL integration would cost start-up time and
    // tens of MiB for nothing. A user's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // What needs no application object is begun on the second core while it is built. Those
    // threads read the environment, so it must not change meanwhile; the application object
    // takes the launch notice's variable out of it, and with one set, nothing is begun early.
    const bool overlap = !qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID");
    // Qt takes the first thread that asks for its thread data for the main thread: this one
    // asks before any other starts.
    QThread::currentThread();
    // The emulated mouse is plugged from here on: a termination before the event loop can
    // take it must still take the testbed folder down.
    catchTerminationSignals();
    beginEmulation(emulation);
    // One thread besides this one while the application object is built: with a second, it
    // took longer than the two saved. The plug first, which the window waits for sooner; the
    // font configuration after it, wanted by the window's first text.
    BackgroundTask secondCore;
    if (overlap) {
        secondCore = BackgroundTask([&emulation] {
            plugEmulatedMouse(emulation);
            readFontConfiguration();
        });
    }
    if (!secondCore.started())
        plugEmulatedMouse(emulation);
    // Qt reads these only while the application object is built.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    auto app = std::make_unique<QApplication>(argc, argv);

    const QString product = readProductName();
    // Held until the process ends; the system releases it even after a crash.
    const QString instanceName = instanceNameForProduct(product);
    static SingleInstanceLock instanceLock(instanceName);
    if (!instanceLock.tryAcquire()) {
        // The running copy shows its window; this start still ends as a second start does.
        InstanceHandover::requestShow(instanceName);
        stopEmulation(emulation);
        QCoreApplication::exit(1);
        return 1;
    }

    // A terminated run ends as a quit does: the window closes the device, the emulated mouse
    // takes its testbed folder with it.
    quitEventLoopOnTerminationSignals();
    auto settingsReading = std::make_unique<SettingsReading>();
    startEmulation(emulation);
    // Two threads reading the font configuration would each parse it.
    secondCore.wait();
    auto window = createMainWindow(product, hidden, std::move(settingsReading));
    InstanceHandover handover;
    QObject::connect(&handover, &InstanceHandover::showRequested, window.get(), &ZiziraziWidget::showMainWindow);
    handover.listen(instanceName);
    const int result = app->exec();
    window.reset();
    stopEmulation(emulation);
    app.reset();
    return result;
}
