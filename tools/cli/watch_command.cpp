// `watch`: the mouse's comings and goings and its status reports, one line each, for udev
// rules and scripts.
#include "platform/termination_signals.h"
#include "tools/cli/cli_commands.h"

#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/settings_report.h"

#include "device/device_link.h"
#include "device/device_session.h"
#include "platform/hid_interface_name.h"
#include "platform/hotplug_watcher.h"
#include "platform/switch_notice.h"
#include "store/config_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <csignal>
#include <memory>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_interruptPipe[2] = {-1, -1};

void onInterrupt(int)
{
    const char byte = 1;
    // Nothing else is safe in a signal handler; the event loop reads the byte.
    [[maybe_unused]] const ssize_t written = ::write(g_interruptPipe[1], &byte, 1);
}

QString connectionName(int connection)
{
    return connection == kCableConnection ? QStringLiteral("cable") : QStringLiteral("receiver");
}

class PresenceWatch : public QObject {
public:
    PresenceWatch(bool json)
        : m_json(json)
    {
        connect(&m_hotplug, &HotplugWatcher::interfaceChanged, this, &PresenceWatch::onInterfaceChanged);
        connect(&m_session, &DeviceSession::RefreshBatteryStatus, this, &PresenceWatch::onBattery);
        connect(&m_session, &DeviceSession::RefreshStatus, this, &PresenceWatch::onStatus);
        // The window's profile switches for the program in front, as it notes them.
        m_lastSwitch = readSwitchNotice().time;
        m_switches.addPath(QFileInfo(switchNoticePath()).absolutePath());
        connect(&m_switches, &QFileSystemWatcher::directoryChanged, this, &PresenceWatch::onSwitchNoticed);
    }

    bool start()
    {
        m_enumerated = m_session.discover() == 0;
        bool any = false;
        const DeviceModelTable &table = deviceModelTable();
        for (uint32_t i = 0; i < table.count; ++i) {
            const DeviceModelRecord &record = table.records[i];
            for (int c : {kReceiverConnection, kCableConnection}) {
                if (!deviceConnection(record, c).present())
                    continue;
                any = true;
                print({{QStringLiteral("event"), QStringLiteral("present")},
                       {QStringLiteral("model"), QString::fromLatin1(record.name)},
                       {QStringLiteral("connection"), connectionName(c)}});
            }
        }
        followMouse();
        return any;
    }

    bool enumerated() const { return m_enumerated; }
    bool following() const { return m_hotplug.isWatching(); }

private:
    void print(const QJsonObject &event)
    {
        if (m_json) {
            printResult(QString::fromUtf8(QJsonDocument(event).toJson(QJsonDocument::Compact)));
            return;
        }
        const QString kind = event.value(QStringLiteral("event")).toString();
        QStringList words{kind.leftJustified(8), event.value(QStringLiteral("model")).toString()};
        if (kind == QLatin1String("switch")) {
            words = QStringList{kind.leftJustified(8), event.value(QStringLiteral("program")).toString(),
                                QStringLiteral("\"%1\"").arg(event.value(QStringLiteral("profile")).toString()),
                                event.value(QStringLiteral("result")).toString()};
        } else if (kind == QLatin1String("status")) {
            const int battery = event.value(QStringLiteral("battery")).toInt();
            words << (battery == 0 ? QStringLiteral("battery off") : QStringLiteral("battery %1%").arg(battery));
            if (event.contains(QStringLiteral("stage"))) {
                const int hz = event.value(QStringLiteral("rateHz")).toInt();
                words << QStringLiteral("stage %1").arg(event.value(QStringLiteral("stage")).toInt())
                      << (hz ? QStringLiteral("rate %1 Hz").arg(hz) : QStringLiteral("rate unknown"));
            }
        } else {
            for (const char *key : {"connection", "interface", "path"}) {
                if (event.contains(QLatin1String(key)))
                    words << event.value(QLatin1String(key)).toString();
            }
        }
        printResult(words.join(QLatin1Char(' ')));
    }

    // The mouse whose status is reported: the selected one while it is connected, else the
    // first connected one. Opened again after every change, as the window does.
    void followMouse()
    {
        QString model;
        const QString selected = readCurrentProductName();
        const DeviceModelTable &table = deviceModelTable();
        for (uint32_t i = 0; i < table.count; ++i) {
            if (!modelConnected(table.records[i]))
                continue;
            const QString name = QString::fromLatin1(table.records[i].name);
            if (model.isEmpty() || name == selected)
                model = name;
        }
        m_model = model;
        if (model.isEmpty())
            m_session.close();
        else
            m_session.resume(model, 0);
    }

    void onInterfaceChanged(const QString &name, bool arrived)
    {
        const HidInterfaceName iface = parseHidInterfaceName(name);
        if (!iface.valid
            || (iface.interfaceNumber != kMouseInterfaceNumber && iface.interfaceNumber != kVendorInterfaceNumber))
            return;
        const bool vendor = iface.interfaceNumber == kVendorInterfaceNumber;
        bool connectionsChanged = false;
        const DeviceModelTable &table = deviceModelTable();
        for (uint32_t i = 0; i < table.count; ++i) {
            const DeviceModelRecord &record = table.records[i];
            const int c = connectionWithIds(record, iface.vendorId, iface.productId);
            if (c == 0)
                continue;
            const DeviceConnection connection = deviceConnection(record, c);
            const bool wasPresent = connection.present();
            bool changed = false;
            if (arrived) {
                const unsigned release = iface.hasRelease ? iface.release : GetReleaseNumber(qPrintable(iface.path));
                changed = releaseAccepted(connection, release) && m_session.interfaceArrived(int(i), c, vendor, iface.path);
            } else {
                changed = m_session.interfaceRemoved(int(i), c, vendor);
            }
            if (!changed)
                continue;
            print({{QStringLiteral("event"), arrived ? QStringLiteral("arrived") : QStringLiteral("removed")},
                   {QStringLiteral("model"), QString::fromLatin1(record.name)},
                   {QStringLiteral("connection"), connectionName(c)},
                   {QStringLiteral("interface"), vendor ? QStringLiteral("vendor") : QStringLiteral("mouse")},
                   {QStringLiteral("path"), iface.path}});
            connectionsChanged = connectionsChanged || wasPresent != connection.present();
        }
        if (connectionsChanged)
            followMouse();
    }

    void onBattery(uchar, uchar level, uchar)
    {
        m_battery = level;
        // A mouse that is off (or gone) sends no stage and rate after it.
        if (level == 0)
            print({{QStringLiteral("event"), QStringLiteral("status")}, {QStringLiteral("model"), m_model},
                   {QStringLiteral("battery"), 0}});
    }

    void onStatus(uchar, uchar stage, uchar rate, uchar)
    {
        print({{QStringLiteral("event"), QStringLiteral("status")},
               {QStringLiteral("model"), m_model},
               {QStringLiteral("battery"), m_battery},
               {QStringLiteral("stage"), stage + 1},
               {QStringLiteral("rateCode"), rate},
               // null for a code that names no rate
               {QStringLiteral("rateHz"), reportRateHz(rate) ? QJsonValue(reportRateHz(rate)) : QJsonValue()}});
    }

    void onSwitchNoticed()
    {
        const SwitchNotice notice = readSwitchNotice();
        if (notice.time <= m_lastSwitch)
            return;
        m_lastSwitch = notice.time;
        print({{QStringLiteral("event"), QStringLiteral("switch")},
               {QStringLiteral("program"), notice.program},
               {QStringLiteral("profile"), notice.profile},
               {QStringLiteral("result"), notice.result}});
    }

    bool m_json = false;
    bool m_enumerated = false;
    qint64 m_lastSwitch = 0;
    QFileSystemWatcher m_switches;
    int m_battery = 0;
    QString m_model;
    DeviceSession m_session;
    HotplugWatcher m_hotplug;
};

} // namespace

int runWatchCommand(bool json, bool wait)
{
    // Without the pipe an interrupt simply ends the process, as it does for most tools.
    const bool graceful = ::pipe2(g_interruptPipe, O_CLOEXEC | O_NONBLOCK) == 0;
    int status = CliExit::Success;
    {
        PresenceWatch watch(json);
        const bool present = watch.start();
        if (!present && !wait) {
            printError(watch.enumerated() ? QStringLiteral("No mouse is connected.")
                                          : QStringLiteral("The HID library could not be started, so no mouse can be found."));
            status = CliExit::NoDevice;
        } else if (!watch.following()) {
            printError(QStringLiteral("The system's device events cannot be read, so the mouse cannot be followed."));
            status = CliExit::NoDevice;
        } else {
            std::unique_ptr<QSocketNotifier> interrupted;
            if (graceful) {
                interrupted = std::make_unique<QSocketNotifier>(g_interruptPipe[0], QSocketNotifier::Read);
                QObject::connect(interrupted.get(), &QSocketNotifier::activated, QCoreApplication::instance(),
                                 &QCoreApplication::quit);
                struct sigaction action {};
                action.sa_handler = onInterrupt;
                sigemptyset(&action.sa_mask);
                sigaction(SIGINT, &action, nullptr);
                sigaction(SIGTERM, &action, nullptr);
            }
            setTerminationQuitsEventLoop(true);
            QCoreApplication::exec();
            setTerminationQuitsEventLoop(false);
            signal(SIGINT, SIG_DFL);
            signal(SIGTERM, SIG_DFL);
        }
    }
    if (graceful) {
        ::close(g_interruptPipe[0]);
        ::close(g_interruptPipe[1]);
    }
    return status;
}
