#include "app/startup.h"
#include "ui/main/zizirazi_widget.h"

#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsTitledWithTheProductName()
    {
        auto window = createMainWindow(QStringLiteral("Glide X7"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Glide X7"));
    }

    void windowStaysHiddenWithoutAMouse()
    {
        auto window = createMainWindow(QStringLiteral("Glide X7"));
        if (window->connectedMouseCount() == 0)
            QVERIFY(!window->isVisible());
        else
            QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
