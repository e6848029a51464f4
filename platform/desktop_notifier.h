#pragma once
#include <QString>

// The desktop's notification service (org.freedesktop.Notifications on the session bus), for
// desktops without a tray. False when no such service is there; the notice is then the
// caller's to show another way.
bool sendDesktopNotification(const QString &summary, const QString &body);
