// Inside a Wayland compositor (started by wayland_session.sh), as a Wayland client and on
// XWayland: the parts of the window that Wayland restricts still work, as far as a client may: the key capture takes the keys sent to
// its window, and the notice window shows where the compositor puts it.

#include "app/osd/zel_osd_window.h"
#include "platform/display_platform.h"
#include "platform/osd_message.h"
#include "store/key_table.h"
#include "ui/pages/zel_single_key_window.h"
#include "../buttons/native_keys.h"
#include "../window/window_fixture.h"

#include <QGuiApplication>
#include <QToolButton>
#include <QtTest>

class WaylandWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The session script runs it as a Wayland client, then on XWayland's display.
        const QString expected = qEnvironmentVariable("ZEL_EXPECT_PLATFORM", QStringLiteral("wayland"));
        QCOMPARE(QGuiApplication::platformName(), expected);
        QCOMPARE(onWaylandDisplay(), expected == QLatin1String("wayland"));
        setFrenchKeyNames(-1, 0);
    }

    void theKeyCaptureOpensTakesAKeyAndCloses()
    {
        WindowAppDir dir;
        ZelSingleKeyWindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, 20000));
        QCOMPARE(QWidget::keyboardGrabber(), &dialog);
        constexpr int kA = 30;
        sendNativeKey(&dialog, QEvent::KeyPress, kA);
        sendNativeKey(&dialog, QEvent::KeyRelease, kA);
        QCOMPARE(int(dialog.keyCode()), 0x1E);
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
    }

    void theNoticeWindowShowsAndFades()
    {
        ZelOsdWindow window;
        OsdMessage message;
        message.text = QStringLiteral("DPI 2:1600");
        message.durationMs = 50;
        window.showMessage(message);
        QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 20000);
    }
};

QTEST_MAIN(WaylandWindowTest)
#include "wayland_window_test.moc"
