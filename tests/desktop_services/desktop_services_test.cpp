// The desktops' own pointer settings behind their services: GNOME's GSettings through the
// keyfile backend, KWin's input devices and xfconf as fakes on a private session bus.

#include "platform/desktop_notifier.h"
#include "platform/pointer_speed.h"
#include "desktop_test_env.h"

#include <QDBusConnection>
#include <QMutex>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

// KWin's input devices: a manager listing them, one object per device.
class FakeKWinManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
    Q_PROPERTY(QStringList devicesSysNames READ devicesSysNames)
public:
    QStringList devicesSysNames() const { return {QStringLiteral("event4"), QStringLiteral("event5"), QStringLiteral("event6")}; }
};

class FakeKWinDevice : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
    Q_PROPERTY(bool pointer READ pointer)
    Q_PROPERTY(bool touchpad READ touchpad)
    Q_PROPERTY(bool supportsPointerAcceleration READ supportsPointerAcceleration)
    Q_PROPERTY(double pointerAcceleration READ pointerAcceleration WRITE setPointerAcceleration)
public:
    FakeKWinDevice(bool pointer, bool touchpad, double acceleration)
        : m_pointer(pointer), m_touchpad(touchpad), m_acceleration(acceleration)
    {
    }
    bool pointer() const { return m_pointer; }
    bool touchpad() const { return m_touchpad; }
    bool supportsPointerAcceleration() const { return m_pointer; }
    double pointerAcceleration() const { return m_acceleration; }
    void setPointerAcceleration(double value) { m_acceleration = value; }

private:
    bool m_pointer, m_touchpad;
    std::atomic<double> m_acceleration;
};

// xfconf's three calls the pointer speed needs, on channel "pointers".
class FakeXfconf : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.xfce.Xfconf")
public:
    QMap<QString, double> values() const
    {
        QMutexLocker lock(&m_mutex);
        return m_values;
    }
    void setValues(const QMap<QString, double> &values)
    {
        QMutexLocker lock(&m_mutex);
        m_values = values;
    }

public slots:
    QVariantMap GetAllProperties(const QString &channel, const QString &)
    {
        QMutexLocker lock(&m_mutex);
        QVariantMap all;
        if (channel == QLatin1String("pointers")) {
            for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
                all.insert(it.key(), it.value());
        }
        return all;
    }
    QDBusVariant GetProperty(const QString &, const QString &property)
    {
        QMutexLocker lock(&m_mutex);
        return QDBusVariant(m_values.value(property));
    }
    void SetProperty(const QString &channel, const QString &property, const QDBusVariant &value)
    {
        QMutexLocker lock(&m_mutex);
        if (channel == QLatin1String("pointers"))
            m_values.insert(property, value.variant().toDouble());
    }

private:
    mutable QMutex m_mutex;
    QMap<QString, double> m_values;
};

// The notification service: records what it was asked to show.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList shown() const
    {
        QMutexLocker lock(&m_mutex);
        return m_shown;
    }

public slots:
    uint Notify(const QString &app, uint, const QString &, const QString &summary, const QString &body, const QStringList &,
                const QVariantMap &, int)
    {
        QMutexLocker lock(&m_mutex);
        m_shown << app + QLatin1Char('|') + summary + QLatin1Char('|') + body;
        return uint(m_shown.size());
    }

private:
    mutable QMutex m_mutex;
    QStringList m_shown;
};

} // namespace

class DesktopServicesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A private session bus; the address is printed once it accepts clients.
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QVERIFY2(m_bus.waitForStarted(10000), "dbus-daemon did not start (scripts/deps.sh installs it)");
        QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine() || m_bus.state() != QProcess::Running, 20000);
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY2(!address.isEmpty(), "dbus-daemon gave no address");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        // No X display: only the desktops' own settings can answer.
        qunsetenv("DISPLAY");
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("GSETTINGS_BACKEND", "keyfile");

        // The fakes answer on a thread of their own, so this one may wait for them.
        m_serviceThread.start();
        m_services = QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("fake-desktop"));
        QVERIFY(m_services.isConnected());
        m_manager.moveToThread(&m_serviceThread);
        for (FakeKWinDevice *device : {&m_mouse, &m_touchpad, &m_keyboard})
            device->moveToThread(&m_serviceThread);
        m_xfconf.moveToThread(&m_serviceThread);
        m_notifications.moveToThread(&m_serviceThread);
        QVERIFY(m_services.registerObject(QStringLiteral("/org/kde/KWin/InputDevice"), &m_manager, QDBusConnection::ExportAllProperties));
        QVERIFY(m_services.registerObject(QStringLiteral("/org/kde/KWin/InputDevice/event4"), &m_keyboard, QDBusConnection::ExportAllProperties));
        QVERIFY(m_services.registerObject(QStringLiteral("/org/kde/KWin/InputDevice/event5"), &m_mouse, QDBusConnection::ExportAllProperties));
        QVERIFY(m_services.registerObject(QStringLiteral("/org/kde/KWin/InputDevice/event6"), &m_touchpad, QDBusConnection::ExportAllProperties));
        QVERIFY(m_services.registerObject(QStringLiteral("/org/xfce/Xfconf"), &m_xfconf, QDBusConnection::ExportAllSlots));
        QVERIFY(m_services.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_notifications, QDBusConnection::ExportAllSlots));
    }

    void cleanupTestCase()
    {
        m_services.unregisterObject(QStringLiteral("/org/kde/KWin/InputDevice"), QDBusConnection::UnregisterTree);
        m_services.unregisterObject(QStringLiteral("/org/xfce/Xfconf"));
        m_services.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-desktop"));
        m_serviceThread.quit();
        m_serviceThread.wait();
        m_bus.terminate();
        m_bus.waitForFinished(5000);
    }

    void gnomeAndItsRelativesUseGnomesSetting()
    {
        const std::pair<const char *, int> cases[] = {{"GNOME", 3}, {"ubuntu:GNOME", 10}, {"Budgie:GNOME", 17}};
        for (const auto &[desktop, speed] : cases) {
            const ScopedEnv env("XDG_CURRENT_DESKTOP", desktop);
            const PointerSpeedOutcome set = setDesktopPointerSpeed(speed);
            QVERIFY2(set.done, qPrintable(set.reason));
            QCOMPARE(set.where, QStringLiteral("GNOME's mouse settings"));
            QCOMPARE(readDesktopPointerSpeed().mouseSpeed, speed);
        }
        const ScopedEnv env("XDG_CURRENT_DESKTOP", "GNOME");
        QVERIFY(setDesktopPointerSpeed(15).done);
        QFile keyfile(m_config.path() + QStringLiteral("/glib-2.0/settings/keyfile"));
        QVERIFY(keyfile.open(QIODevice::ReadOnly));
        const QByteArray text = keyfile.readAll();
        QVERIFY2(text.contains("[org/gnome/desktop/peripherals/mouse]\nspeed=0.5"), text.constData());
    }

    // Without its schema (no such desktop installed here) the row names what is missing.
    void aMissingSchemaIsNamed()
    {
        const ScopedEnv env("XDG_CURRENT_DESKTOP", "MATE");
        const PointerSpeedOutcome set = setDesktopPointerSpeed(12);
        QVERIFY(!set.done);
        QVERIFY2(set.reason.contains(QStringLiteral("org.mate.peripherals-mouse is not installed")), qPrintable(set.reason));
    }

    void plasmaOnWaylandSetsKWinsMiceNotItsTouchpad()
    {
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "KDE");
        const ScopedEnv session("XDG_SESSION_TYPE", "wayland");
        QVERIFY(m_services.registerService(QStringLiteral("org.kde.KWin")));
        m_mouse.setPointerAcceleration(0.3);
        QCOMPARE(readDesktopPointerSpeed().mouseSpeed, 13);
        const PointerSpeedOutcome set = setDesktopPointerSpeed(4);
        QVERIFY2(set.done, qPrintable(set.reason));
        QCOMPARE(set.where, QStringLiteral("KWin's input devices"));
        QCOMPARE(m_mouse.pointerAcceleration(), -0.6);
        QCOMPARE(m_touchpad.pointerAcceleration(), 0.1);
        QVERIFY(m_services.unregisterService(QStringLiteral("org.kde.KWin")));

        // KWin gone: the reason, and nothing else tried (XInput would reach only XWayland).
        const PointerSpeedOutcome gone = setDesktopPointerSpeed(4);
        QVERIFY(!gone.done);
        QVERIFY2(gone.reason.startsWith(QStringLiteral("KWin does not answer on the session bus")), qPrintable(gone.reason));
    }

    void xfceSetsEveryMouseInItsPointersChannel()
    {
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "XFCE");
        QVERIFY(m_services.registerService(QStringLiteral("org.xfce.Xfconf")));
        m_xfconf.setValues({{QStringLiteral("/Gaming_Mouse/Properties/libinput_Accel_Speed"), -0.2},
                            {QStringLiteral("/SynPS_2_Synaptics_TouchPad/Properties/libinput_Accel_Speed"), 0.7},
                            {QStringLiteral("/Gaming_Mouse/RightHanded"), 1}});
        QCOMPARE(readDesktopPointerSpeed().mouseSpeed, 8);
        const PointerSpeedOutcome set = setDesktopPointerSpeed(18);
        QVERIFY2(set.done, qPrintable(set.reason));
        const QMap<QString, double> values = m_xfconf.values();
        QCOMPARE(values.value(QStringLiteral("/Gaming_Mouse/Properties/libinput_Accel_Speed")), 0.8);
        QCOMPARE(values.value(QStringLiteral("/SynPS_2_Synaptics_TouchPad/Properties/libinput_Accel_Speed")), 0.7);
        QCOMPARE(values.value(QStringLiteral("/Gaming_Mouse/RightHanded")), 1.0);
        QVERIFY(m_services.unregisterService(QStringLiteral("org.xfce.Xfconf")));
    }

    void noticesGoToTheNotificationServiceWhenThereIsOne()
    {
        // None there: the caller is told, to show it another way.
        QVERIFY(!sendDesktopNotification(QStringLiteral("Mouse"), QStringLiteral("Battery low")));
        QVERIFY(m_services.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(sendDesktopNotification(QStringLiteral("Mouse"), QStringLiteral("Battery low")));
        QTRY_COMPARE_WITH_TIMEOUT(m_notifications.shown(), QStringList{QStringLiteral("zelmouse|Mouse|Battery low")}, 10000);
        QVERIFY(m_services.unregisterService(QStringLiteral("org.freedesktop.Notifications")));
    }

private:
    QProcess m_bus;
    QTemporaryDir m_config;
    QThread m_serviceThread;
    QDBusConnection m_services{QString()};
    FakeKWinManager m_manager;
    FakeKWinDevice m_mouse{true, false, 0.0};
    FakeKWinDevice m_touchpad{true, true, 0.1};
    FakeKWinDevice m_keyboard{false, false, 0.0};
    FakeXfconf m_xfconf;
    FakeNotifications m_notifications;
};

QTEST_GUILESS_MAIN(DesktopServicesTest)
#include "desktop_services_test.moc"
