// The desktop side of the DPI tab: the pointer speed on a real X server, and which mouse
// settings program is started.

#include "platform/mouse_settings_launcher.h"
#include "platform/pointer_speed.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>

namespace {

struct Acceleration {
    int numerator = 0, denominator = 1, threshold = 0;
    double ratio() const { return double(numerator) / denominator; }
};

Acceleration readAcceleration()
{
    Acceleration a;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return a;
    XGetPointerControl(display, &a.numerator, &a.denominator, &a.threshold);
    XCloseDisplay(display);
    return a;
}

void setAcceleration(int numerator, int denominator)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return;
    XChangePointerControl(display, True, False, numerator, denominator, 0);
    XSync(display, False);
    XCloseDisplay(display);
}

// An executable that records how it was started.
void writeFakeProgram(const QString &dir, const QString &name, const QString &record)
{
    QFile file(dir + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" > '%2.tmp' && /bin/mv '%2.tmp' '%2'\n").arg(name, record).toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

} // namespace

class DesktopPointerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_savedDisplay = qgetenv("DISPLAY");
        m_savedPath = qgetenv("PATH");
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("Xvfb is not installed (scripts/deps.sh installs it)");
        // -displayfd picks a free display and writes its number once the server accepts clients;
        // -noreset keeps the pointer settings when the last client disconnects, as a desktop
        // session (never without clients) does.
        m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                              QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                                              QStringLiteral("0"), QStringLiteral("640x480x24")});
        QVERIFY(m_xvfb.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(m_xvfb.canReadLine() || m_xvfb.state() != QProcess::Running, 20000);
        const QByteArray number = m_xvfb.readLine().trimmed();
        QVERIFY2(!number.isEmpty(), "Xvfb gave no display number");
        qputenv("DISPLAY", ":" + number);
        m_default = readAcceleration();
        QVERIFY(m_default.numerator > 0);
    }

    void cleanupTestCase()
    {
        if (m_xvfb.state() == QProcess::Running) {
            m_xvfb.terminate();
            m_xvfb.waitForFinished(5000);
        }
        qputenv("DISPLAY", m_savedDisplay);
        qputenv("PATH", m_savedPath);
    }

    void speedTenRestoresTheServerDefault()
    {
        setAcceleration(9, 2);
        QCOMPARE(readPointerSpeed(), 15); // 9/2 over the default 2/1 is 72/32
        setAcceleration(7, 3);
        QCOMPARE(readPointerSpeed(), 11); // 7/3 over 2/1 lies nearest to 40/32
        QVERIFY(applyPointerSpeed(10));
        const Acceleration now = readAcceleration();
        QCOMPARE(now.ratio(), m_default.ratio());
        QCOMPARE(now.threshold, m_default.threshold);
        QCOMPARE(readPointerSpeed(), 10);
    }

    void everyStepIsFasterThanTheOneBelowAndReadsBack()
    {
        double previous = 0;
        for (int speed = 1; speed <= 20; ++speed) {
            QVERIFY(applyPointerSpeed(speed));
            const Acceleration now = readAcceleration();
            QVERIFY2(now.ratio() > previous, qPrintable(QStringLiteral("speed %1").arg(speed)));
            previous = now.ratio();
            QCOMPARE(now.ratio(), m_default.ratio() * pointerSpeedFactor32(speed) / 32.0);
            QCOMPARE(readPointerSpeed(), speed);
            // Reading must not change what it reads.
            QCOMPARE(readAcceleration().ratio(), now.ratio());
        }
        // Out-of-range values are clamped, never refused.
        QVERIFY(applyPointerSpeed(0));
        QCOMPARE(readPointerSpeed(), 1);
        QVERIFY(applyPointerSpeed(99));
        QCOMPARE(readPointerSpeed(), 20);
        applyPointerSpeed(10);
    }

    void withoutXTheSpeedIsSkipped()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        QVERIFY(!applyPointerSpeed(14));
        QCOMPARE(readPointerSpeed(), 10);
        qputenv("DISPLAY", display);
    }

    void theRunningDesktopsSettingsComeFirst()
    {
        QTemporaryDir bin;
        const QString record = bin.path() + QStringLiteral("/started");
        for (const char *name : {"gnome-control-center", "xfce4-mouse-settings", "lxqt-config-input"})
            writeFakeProgram(bin.path(), QString::fromLatin1(name), record);
        qputenv("PATH", bin.path().toUtf8());

        auto names = [](const QVector<MouseSettingsProgram> &programs) {
            QStringList list;
            for (const auto &p : programs)
                list << QFileInfo(p.program).fileName();
            return list;
        };
        QCOMPARE(names(installedMouseSettingsPrograms(QString())),
                 (QStringList{"gnome-control-center", "xfce4-mouse-settings", "lxqt-config-input"}));
        QCOMPARE(names(installedMouseSettingsPrograms(QStringLiteral("LXQt"))).first(), QStringLiteral("lxqt-config-input"));
        QCOMPARE(names(installedMouseSettingsPrograms(QStringLiteral("ubuntu:GNOME"))).first(),
                 QStringLiteral("gnome-control-center"));

        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        QVERIFY(openDesktopMouseSettings());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        auto startedAs = [&record]() {
            QFile started(record);
            return started.open(QIODevice::ReadOnly) ? started.readAll().trimmed() : QByteArray();
        };
        QCOMPARE(startedAs(), QByteArray("xfce4-mouse-settings"));

        // GNOME is opened on its mouse panel.
        QFile::remove(record);
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        QVERIFY(openDesktopMouseSettings());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QCOMPARE(startedAs(), QByteArray("gnome-control-center mouse"));
        qunsetenv("XDG_CURRENT_DESKTOP");
    }

    void noSettingsProgramIsReported()
    {
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toUtf8());
        QVERIFY(installedMouseSettingsPrograms(QStringLiteral("GNOME")).isEmpty());
        QVERIFY(!openDesktopMouseSettings());
        qputenv("PATH", m_savedPath);
    }

private:
    QProcess m_xvfb;
    Acceleration m_default;
    QByteArray m_savedDisplay;
    QByteArray m_savedPath;
};

QTEST_GUILESS_MAIN(DesktopPointerTest)
#include "desktop_pointer_test.moc"
