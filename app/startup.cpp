#include "app/startup.h"

#include "app/emulation_option.h"

#include "platform/instance_handover.h"
#include "platform/single_instance.h"
#include "ui/main/zizirazi_widget.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

QString readProductName()
{
    // Read directly, not through the product accessors: start-up needs only this key.
    QSettings product(QCoreApplication::applicationDirPath() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat);
    return product.value(QStringLiteral("PROFILE/ProductName")).toString();
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
    const QString instanceName = instanceNameForProduct(product);
    static SingleInstanceLock instanceLock(instanceName);
    if (!instanceLock.tryAcquire()) {
        // The running copy shows its window; this start still ends as a second start does.
        InstanceHandover::requestShow(instanceName);
        QCoreApplication::exit(1);
        return 1;
    }

    startEmulation(emulation);
    auto window = createMainWindow(product);
    InstanceHandover handover;
    QObject::connect(&handover, &InstanceHandover::showRequested, window.get(), &ZiziraziWidget::showMainWindow);
    handover.listen(instanceName);
    const int result = app->exec();
    window.reset();
    stopEmulation(emulation);
    app.reset();
    return result;
}
