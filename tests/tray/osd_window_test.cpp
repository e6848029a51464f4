// The companion as a user sees it: its window, where the notice goes, how long it stays, and
// that a newer notice replaces it; hostile blocks from the socket leave it untouched.

#include "app/osd/zel_osd_window.h"
#include "platform/osd_channel.h"

#include <QGuiApplication>
#include <QLocalSocket>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// Waits end as soon as the condition holds; the bound only matters on a loaded machine.
constexpr int kWaitMs = 20000;

namespace {

OsdMessage notice(const QString &text, int durationMs = 1500)
{
    OsdMessage m;
    m.text = text;
    m.colour = osdColour(0x20, 0xC0, 0xFF);
    m.durationMs = durationMs;
    return m;
}

} // namespace

class OsdWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void noticeShowsLowInTheMiddleWithoutTakingTheFocus()
    {
        ZelOsdWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("TRVX Wireless Mouse OSD"));
        for (Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus,
                                    Qt::WindowTransparentForInput})
            QVERIFY(window.windowFlags().testFlag(flag));
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!window.isVisible());

        window.showMessage(notice(QStringLiteral("DPI 2:1600")));
        QVERIFY(window.isVisible());
        QCOMPARE(window.text(), QStringLiteral("DPI 2:1600"));
        QCOMPARE(window.textColour(), QColor(0x20, 0xC0, 0xFF));
        QCOMPARE(window.textFont().family(), QStringLiteral("Arial"));
        QCOMPARE(window.displayTimeMs(), 1500);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(window.geometry().top() > screen.center().y());
        QVERIFY(screen.contains(window.geometry()));
        QVERIFY(window.width() > window.height());
    }

    void newerNoticeReplacesAndEachFadesAfterItsTime()
    {
        ZelOsdWindow window;
        window.showMessage(notice(QStringLiteral("DPI 1:400"), 1500));
        window.showMessage(notice(QStringLiteral("1000 HZ"), 120));
        QCOMPARE(window.text(), QStringLiteral("1000 HZ"));
        QCOMPARE(window.displayTimeMs(), 120);
        QTRY_VERIFY_WITH_TIMEOUT(window.isFading(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWaitMs);

        // A notice during the fade brings it back at full strength.
        window.showMessage(notice(QStringLiteral("DPI 3:3200"), 120));
        QTRY_VERIFY_WITH_TIMEOUT(window.isFading(), kWaitMs);
        window.showMessage(notice(QStringLiteral("DPI 4:6400"), 5000));
        QVERIFY(!window.isFading());
        QVERIFY(window.isVisible());
        QCOMPARE(window.text(), QStringLiteral("DPI 4:6400"));

        // An empty text (an unknown rate) leaves the notice as it is.
        window.showMessage(notice(QString()));
        QCOMPARE(window.text(), QStringLiteral("DPI 4:6400"));
        QCOMPARE(window.displayTimeMs(), 5000);
    }

    void longTextStaysOnTheScreen()
    {
        ZelOsdWindow window;
        window.showMessage(notice(QString(255, QLatin1Char('W'))));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.geometry()));
        QVERIFY(window.textFits());

        // A long sentence wraps whole rather than losing its end.
        const QString sentence = QStringLiteral("Batterie de la souris faible : 15 %. Veuillez recharger la souris. ").repeated(3).trimmed();
        window.showMessage(notice(sentence));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.geometry()));
        QVERIFY(window.textFits());
        QVERIFY(window.height() > 2 * QFontMetrics(window.textFont()).height());
    }

    void companionShowsWhatArrivesAndIgnoresHostileBlocks()
    {
        OsdListener listener;
        QVERIFY(listener.listen());
        ZelOsdWindow window;
        connect(&listener, &OsdListener::messageReceived, &window, &ZelOsdWindow::showMessage);
        QSignalSpy refused(&listener, &OsdListener::messageRefused);

        QLocalSocket program;
        program.connectToServer(osdSocketPath());
        QVERIFY(program.waitForConnected(kWaitMs));
        program.write(encodeOsdMessage(notice(QStringLiteral("Profile 3"))));
        QTRY_COMPARE_WITH_TIMEOUT(window.text(), QStringLiteral("Profile 3"), kWaitMs);

        QByteArray hostile = encodeOsdMessage(notice(QStringLiteral("hijack")));
        hostile[524 + 3] = '\x7F'; // colour bits above blue
        QLocalSocket stranger;
        stranger.connectToServer(osdSocketPath());
        QVERIFY(stranger.waitForConnected(kWaitMs));
        stranger.write(hostile);
        QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 1, kWaitMs);
        QCOMPARE(window.text(), QStringLiteral("Profile 3"));
    }
};

QTEST_MAIN(OsdWindowTest)
#include "osd_window_test.moc"
