#include "platform/desktop_notifier.h"

#include "platform/platform_log.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");

bool serviceAvailable(const QDBusConnection &bus)
{
    QDBusConnectionInterface *daemon = bus.interface();
    if (!daemon)
        return false;
    if (daemon->isServiceRegistered(kService))
        return true;
    // Most notification services start on the first call.
    const QDBusReply<QStringList> activatable = daemon->call(QStringLiteral("ListActivatableNames"));
    return activatable.isValid() && activatable.value().contains(kService);
}

} // namespace

bool sendDesktopNotification(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !serviceAvailable(bus)) {
        qCDebug(lcPlatform, "No notification service on the session bus");
        return false;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"), kService,
                                                          QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // service's own).
    message << QStringLiteral("zelmouse") << 0u << QStringLiteral("input-mouse") << summary << body << QStringList()
            << QVariantMap() << -1;
    // Not waited for: the answer is only the notice's number.
    const bool sent = bus.send(message);
    qCDebug(lcPlatform).noquote() << "Desktop notification" << (sent ? "sent:" : "not sent:") << summary << body;
    return sent;
}
