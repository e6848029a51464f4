#include "platform/display_platform.h"

#include "platform/platform_log.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace {

bool isSet(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

bool waylandPluginInstalled()
{
    return QFileInfo::exists(QLibraryInfo::location(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqwayland-generic.so"));
}

} // namespace

bool chooseDisplayPlatform(QString *problem)
{
    if (isSet("QT_QPA_PLATFORM"))
        return true;
    const bool x11 = isSet("DISPLAY");
    const bool wayland = isSet("WAYLAND_DISPLAY");
    if (x11) {
        // The compositor after all, when the X display cannot be opened.
        qputenv("QT_QPA_PLATFORM", wayland && waylandPluginInstalled() ? "xcb;wayland" : "xcb");
        return true;
    }
    if (wayland) {
        if (!waylandPluginInstalled()) {
            *problem = QStringLiteral("This Wayland session has no X display, and Qt's Wayland support (Debian package qtwayland5) is not installed.");
            return false;
        }
        qputenv("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    *problem = QStringLiteral("There is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set.");
    return false;
}

bool onWaylandDisplay()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
