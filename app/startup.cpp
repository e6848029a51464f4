#include "app/startup.h"

#include "app/emulation_option.h"

#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "store/product_definition.h"
#include "ui/main/zizirazi_widget.h"

#include <QApplication>
#include <QIcon>

QString readProductName()
{
    return productName();
}

std::unique_ptr<ZiziraziWidget> createMainWindow(const QString &productName)
{
    auto window = std::make_unique<ZiziraziWidget>(nullptr);
    if (window->connectedMouseCount() != 0) {
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
    const EmulationOption emulation = takeEmulationOption(argc, argv);
    auto app = std::make_unique<QApplication>(argc, argv);
    // Set after the application exists, so Qt's own scaling stays off: the window
    // scales itself from the screen's logical DPI.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    const QString product = readProductName();
    // Held until the process ends; the system releases it even after a crash.
    static SingleInstanceLock instanceLock(instanceNameForProduct(product));
    if (!instanceLock.tryAcquire()) {
        QCoreApplication::exit(1);
        return 1;
    }

    // A terminated run ends as a quit does: the window closes the device, the emulated mouse
    // takes its testbed folder with it.
    quitEventLoopOnTerminationSignals();
    startEmulation(emulation);
    auto window = createMainWindow(product);
    const int result = app->exec();
    window.reset();
    stopEmulation(emulation);
    app.reset();
    return result;
}
