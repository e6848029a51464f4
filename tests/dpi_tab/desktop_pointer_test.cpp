// The desktop side of the DPI tab: the pointer speed through the X server's devices and
// Plasma's file on a real X server, and which mouse settings program is started.

#include "platform/mouse_settings_launcher.h"
#include "platform/pointer_speed.h"
#include "../desktop_services/desktop_test_env.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cstring>

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

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Xvfb has no libinput pointer; its mouse is given the property one would have.
int giveMouseLibinputSpeed(double value)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 0;
    int found = 0, count = 0;
    XIDeviceInfo *devices = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (devices[i].use == XISlavePointer && !std::strstr(devices[i].name, "XTEST"))
            found = devices[i].deviceid;
    }
    XIFreeDeviceInfo(devices);
    if (found) {
        float f = float(value);
        XIChangeProperty(display, found, XInternAtom(display, "libinput Accel Speed", False), XInternAtom(display, "FLOAT", False),
                         32, PropModeReplace, reinterpret_cast<unsigned char *>(&f), 1);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return found;
}

double readLibinputSpeed(int device)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return -99;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    double value = -99;
    if (XIGetProperty(display, device, XInternAtom(display, "libinput Accel Speed", False), 0, 1, False, AnyPropertyType, &type,
                      &format, &items, &after, &data) == Success && data && items == 1) {
        float f = 0;
        std::memcpy(&f, data, sizeof f);
        value = f;
    }
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return value;
}

void removeLibinputSpeed(int device)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return;
    XIDeleteProperty(display, device, XInternAtom(display, "libinput Accel Speed", False));
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
            QFAIL("Xvfb is not installed (scripts/deps.sh installs it)");
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
        // An X11 session of no known desktop unless a case says otherwise.
        qunsetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_SESSION_TYPE", "x11");
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

    // The old evdev driver follows the core control; with no libinput pointer it is the one
    // setting there is.
    void withoutLibinputTheCoreControlCarriesTheSpeed()
    {
        setAcceleration(9, 2);
        QCOMPARE(readDesktopPointerSpeed().mouseSpeed, 15); // 9/2 over the default 2/1 is 72/32
        setAcceleration(7, 3);
        QCOMPARE(readDesktopPointerSpeed().mouseSpeed, 11); // 7/3 over 2/1 lies nearest to 40/32
        QVERIFY(setDesktopPointerSpeed(10).done);
        QCOMPARE(readAcceleration().ratio(), m_default.ratio());
        double previous = 0;
        for (int speed = 1; speed <= 20; ++speed) {
            const PointerSpeedOutcome set = setDesktopPointerSpeed(speed);
            QVERIFY(set.done);
            QCOMPARE(set.where, QStringLiteral("the X server's pointer devices"));
            const Acceleration now = readAcceleration();
            QVERIFY2(now.ratio() > previous, qPrintable(QStringLiteral("speed %1").arg(speed)));
            previous = now.ratio();
            QCOMPARE(readDesktopPointerSpeed().mouseSpeed, speed);
        }
        // Out-of-range values are clamped, never refused.
        QCOMPARE(setDesktopPointerSpeed(0).mouseSpeed, 1);
        QCOMPARE(readDesktopPointerSpeed().mouseSpeed, 1);
        setDesktopPointerSpeed(10);
    }

    void theScaleMapsOntoLibinputsLinearly()
    {
        QCOMPARE(desktopSpeedFromMouseSpeed(10), 0.0);
        QCOMPARE(desktopSpeedFromMouseSpeed(1), -0.9);
        QCOMPARE(desktopSpeedFromMouseSpeed(20), 1.0);
        QCOMPARE(desktopSpeedFromMouseSpeed(15), 0.5);
        for (int speed = 1; speed <= 20; ++speed)
            QCOMPARE(mouseSpeedFromDesktopSpeed(desktopSpeedFromMouseSpeed(speed)), speed);
        QCOMPARE(mouseSpeedFromDesktopSpeed(-1.0), 1);
        QCOMPARE(storedMouseSpeed(0), 10); // a profile from before the speed was kept
    }

    // A libinput pointer takes the speed in its own property; the core control, which libinput
    // ignores, keeps what the user set (xset m 7/2 3 stayed 7/2 through an apply).
    void libinputPointersTakeTheSpeedAndTheCoreControlIsLeftAlone()
    {
        const int pointer = giveMouseLibinputSpeed(0.0);
        QVERIFY(pointer > 0);
        setAcceleration(7, 2);
        const PointerSpeedOutcome set = setDesktopPointerSpeed(15);
        QVERIFY(set.done);
        QCOMPARE(readLibinputSpeed(pointer), 0.5);
        QCOMPARE(readAcceleration().ratio(), 3.5);
        QCOMPARE(readDesktopPointerSpeed().mouseSpeed, 15);
        removeLibinputSpeed(pointer);
        setAcceleration(-1, -1);
    }

    // Plasma on X11: its file for the next login (the rest of it as it was), the devices now.
    void plasmaOnX11KeepsItInItsInputFile()
    {
        QTemporaryDir config;
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "KDE");
        const ScopedEnv home("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString file = config.path() + QStringLiteral("/kcminputrc");
        writeText(file, "[Keyboard]\nRepeatDelay=600\n\n[Mouse]\ncursorTheme=breeze_cursors\nXLbInptPointerAcceleration=0.2\n\n[Tmp]\nupdate_info=a\n");
        const int pointer = giveMouseLibinputSpeed(0.2);
        const PointerSpeedOutcome set = setDesktopPointerSpeed(5);
        QVERIFY(set.done);
        QCOMPARE(set.where, QStringLiteral("Plasma's mouse settings"));
        QCOMPARE(readText(file), QByteArray("[Keyboard]\nRepeatDelay=600\n\n[Mouse]\ncursorTheme=breeze_cursors\nXLbInptPointerAcceleration=-0.5\n\n[Tmp]\nupdate_info=a\n"));
        QCOMPARE(readLibinputSpeed(pointer), -0.5);
        // A file without the group gains it.
        writeText(file, "[Keyboard]\nRepeatDelay=600\n");
        QVERIFY(setDesktopPointerSpeed(20).done);
        QCOMPARE(readText(file), QByteArray("[Keyboard]\nRepeatDelay=600\n\n[Mouse]\nXLbInptPointerAcceleration=1\n"));
        removeLibinputSpeed(pointer);
    }

    // A Wayland session other than the known desktops offers nothing; the row says so.
    void anUnknownWaylandDesktopSaysWhy()
    {
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "sway");
        const ScopedEnv session("XDG_SESSION_TYPE", "wayland");
        const PointerSpeedOutcome set = setDesktopPointerSpeed(12);
        QVERIFY(!set.done);
        QCOMPARE(set.reason, QStringLiteral("This desktop offers no pointer speed setting to other programs."));
        QVERIFY(!readDesktopPointerSpeed().done);
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
