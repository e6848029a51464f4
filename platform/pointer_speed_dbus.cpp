// The desktops whose pointer settings live behind the session bus (KWin, xfconf), and Plasma's
// configuration file on X11.
#include "platform/platform_log.h"
#include "platform/pointer_speed_settings.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusArgument>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

// A desktop service that does not answer within this costs the window no more.
constexpr int kCallTimeoutMs = 1500;

const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage call(const QString &service, const QString &path, const QString &interface, const QString &method,
                  const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}

QVariant replyValue(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    QVariant value = reply.arguments().constFirst();
    if (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

QString busProblem()
{
    return QDBusConnection::sessionBus().isConnected() ? QString() : QStringLiteral("There is no session bus.");
}

// ---- KWin (Plasma on Wayland) ----

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kDevicePath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kDevice = QStringLiteral("org.kde.KWin.InputDevice");

class KWinPointerSpeed : public PointerSpeedSetting {
public:
    QString name() const override { return QStringLiteral("KWin's input devices"); }

    bool reachable(QString *reason) override
    {
        *reason = busProblem();
        if (!reason->isEmpty())
            return false;
        const QDBusMessage reply = call(kKWin, kDevicePath, kProperties, QStringLiteral("Get"),
                                        {QStringLiteral("org.kde.KWin.InputDeviceManager"), QStringLiteral("devicesSysNames")});
        if (reply.type() != QDBusMessage::ReplyMessage) {
            *reason = QStringLiteral("KWin does not answer on the session bus (%1).").arg(reply.errorMessage());
            return false;
        }
        m_mice.clear();
        for (const QString &sysName : replyValue(reply).toStringList()) {
            const QString path = kDevicePath + QLatin1Char('/') + sysName;
            if (property(path, QStringLiteral("pointer")).toBool() && !property(path, QStringLiteral("touchpad")).toBool()
                && property(path, QStringLiteral("supportsPointerAcceleration")).toBool())
                m_mice << path;
        }
        if (m_mice.isEmpty())
            *reason = QStringLiteral("KWin lists no mouse whose speed can be set.");
        return !m_mice.isEmpty();
    }

    bool read(double *speed) override
    {
        const QVariant value = property(m_mice.constFirst(), QStringLiteral("pointerAcceleration"));
        bool ok = false;
        *speed = value.toDouble(&ok);
        return ok;
    }

    // KWin keeps what is set in its own configuration.
    bool write(double speed) override
    {
        bool all = true;
        for (const QString &path : qAsConst(m_mice)) {
            const QDBusMessage reply = call(kKWin, path, kProperties, QStringLiteral("Set"),
                                            {kDevice, QStringLiteral("pointerAcceleration"), QVariant::fromValue(QDBusVariant(speed))});
            all = all && reply.type() == QDBusMessage::ReplyMessage;
        }
        return all;
    }

private:
    static QVariant property(const QString &path, const QString &name)
    {
        return replyValue(call(kKWin, path, kProperties, QStringLiteral("Get"), {kDevice, name}));
    }

    QStringList m_mice;
};

// ---- Plasma on X11 ----

// One key of one group of a KDE configuration file, the rest of the file kept as it was.
bool writeKdeConfigValue(const QString &path, const QString &group, const QString &key, const QString &value)
{
    QStringList lines;
    QFile in(path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return false;
        lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
    }
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    const QString entry = key + QLatin1Char('=') + value;
    int inGroup = -1;  // the line after the group's last entry
    bool done = false;
    for (int i = 0; i < lines.size() && !done; ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            if (inGroup >= 0)
                break;
            if (line == header)
                inGroup = i + 1;
            continue;
        }
        if (inGroup < 0)
            continue;
        if (line.section(QLatin1Char('='), 0, 0).trimmed() == key) {
            lines[i] = entry;
            done = true;
        } else if (!line.isEmpty()) {
            inGroup = i + 1;
        }
    }
    if (!done) {
        if (inGroup >= 0) {
            lines.insert(inGroup, entry);
        } else {
            if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
                lines << QString();
            lines << header << entry;
        }
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return out.commit();
}

class PlasmaX11PointerSpeed : public PointerSpeedSetting {
public:
    PlasmaX11PointerSpeed() : m_devices(x11PointerSpeed()) {}
    QString name() const override { return QStringLiteral("Plasma's mouse settings"); }
    bool reachable(QString *reason) override { return m_devices->reachable(reason); }
    bool read(double *speed) override { return m_devices->read(speed); }
    // The file for the next login, the devices for now.
    bool write(double speed) override
    {
        const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kcminputrc");
        if (!writeKdeConfigValue(path, QStringLiteral("Mouse"), QStringLiteral("XLbInptPointerAcceleration"), QString::number(speed, 'g', 3))) {
            qCDebug(lcPlatform).noquote() << "Pointer speed: could not write" << path;
            return false;
        }
        return m_devices->write(speed);
    }

private:
    std::unique_ptr<PointerSpeedSetting> m_devices;
};

// ---- Xfce ----

const QString kXfconf = QStringLiteral("org.xfce.Xfconf");
const QString kXfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString kChannel = QStringLiteral("pointers");
const QString kXfceSpeedSuffix = QStringLiteral("/Properties/libinput_Accel_Speed");

// xfconf's property names take letters, digits, '_' and '-'.
QString xfconfDeviceName(const QString &device)
{
    QString name = device;
    for (QChar &c : name) {
        const ushort u = c.unicode();
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-'))
            c = QLatin1Char('_');
    }
    return name;
}

class XfcePointerSpeed : public PointerSpeedSetting {
public:
    QString name() const override { return QStringLiteral("Xfce's mouse settings"); }

    bool reachable(QString *reason) override
    {
        *reason = busProblem();
        if (!reason->isEmpty())
            return false;
        // xfconfd starts on the first call to it.
        const QDBusMessage reply = call(kXfconf, kXfconfPath, kXfconf, QStringLiteral("GetAllProperties"), {kChannel, QStringLiteral("/")});
        if (reply.type() != QDBusMessage::ReplyMessage) {
            *reason = QStringLiteral("xfconf does not answer on the session bus (%1).").arg(reply.errorMessage());
            return false;
        }
        m_keys.clear();
        QVariantMap all;
        reply.arguments().constFirst().value<QDBusArgument>() >> all;
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            if (it.key().endsWith(kXfceSpeedSuffix) && !it.key().contains(QLatin1String("touchpad"), Qt::CaseInsensitive))
                m_keys << it.key();
        }
        std::vector<QString> devices;
        listLibinputPointers(&devices);
        for (const QString &device : devices) {
            const QString key = QLatin1Char('/') + xfconfDeviceName(device) + kXfceSpeedSuffix;
            if (!m_keys.contains(key))
                m_keys << key;
        }
        if (m_keys.isEmpty())
            *reason = QStringLiteral("Xfce lists no mouse whose speed can be set.");
        return !m_keys.isEmpty();
    }

    bool read(double *speed) override
    {
        bool ok = false;
        *speed = replyValue(call(kXfconf, kXfconfPath, kXfconf, QStringLiteral("GetProperty"), {kChannel, m_keys.constFirst()}))
                     .toDouble(&ok);
        return ok;
    }

    // Xfce's settings daemon passes it on to the devices.
    bool write(double speed) override
    {
        bool all = true;
        for (const QString &key : qAsConst(m_keys)) {
            const QDBusMessage reply = call(kXfconf, kXfconfPath, kXfconf, QStringLiteral("SetProperty"),
                                            {kChannel, key, QVariant::fromValue(QDBusVariant(speed))});
            all = all && reply.type() == QDBusMessage::ReplyMessage;
        }
        return all;
    }

private:
    QStringList m_keys;
};

} // namespace

std::unique_ptr<PointerSpeedSetting> kwinPointerSpeed()
{
    return std::make_unique<KWinPointerSpeed>();
}

std::unique_ptr<PointerSpeedSetting> plasmaX11PointerSpeed()
{
    return std::make_unique<PlasmaX11PointerSpeed>();
}

std::unique_ptr<PointerSpeedSetting> xfcePointerSpeed()
{
    return std::make_unique<XfcePointerSpeed>();
}
