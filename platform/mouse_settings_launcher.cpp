#include "platform/mouse_settings_launcher.h"

#include "platform/platform_log.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

const MouseSettingsProgram kPrograms[] = {
    {QStringLiteral("GNOME"), QStringLiteral("gnome-control-center"), {QStringLiteral("mouse")}},
    {QStringLiteral("KDE"), QStringLiteral("systemsettings"), {QStringLiteral("kcm_mouse")}},
    {QStringLiteral("KDE"), QStringLiteral("systemsettings5"), {QStringLiteral("kcm_mouse")}},
    {QStringLiteral("KDE"), QStringLiteral("kcmshell5"), {QStringLiteral("mouse")}},
    {QStringLiteral("XFCE"), QStringLiteral("xfce4-mouse-settings"), {}},
    {QStringLiteral("X-Cinnamon"), QStringLiteral("cinnamon-settings"), {QStringLiteral("mouse")}},
    {QStringLiteral("MATE"), QStringLiteral("mate-mouse-properties"), {}},
    {QStringLiteral("LXQt"), QStringLiteral("lxqt-config-input"), {}},
};

} // namespace

QVector<MouseSettingsProgram> installedMouseSettingsPrograms(const QString &currentDesktop)
{
    // XDG_CURRENT_DESKTOP is a colon-separated list, e.g. "ubuntu:GNOME".
    const QStringList running = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QVector<MouseSettingsProgram> preferred, others;
    for (const MouseSettingsProgram &candidate : kPrograms) {
        const QString path = QStandardPaths::findExecutable(candidate.program);
        if (path.isEmpty())
            continue;
        MouseSettingsProgram found = candidate;
        found.program = path;
        if (running.contains(candidate.desktop, Qt::CaseInsensitive))
            preferred.append(found);
        else
            others.append(found);
    }
    return preferred + others;
}

bool openDesktopMouseSettings()
{
    const auto programs = installedMouseSettingsPrograms(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    for (const MouseSettingsProgram &candidate : programs) {
        if (QProcess::startDetached(candidate.program, candidate.arguments)) {
            qCDebug(lcPlatform) << "Mouse settings opened with" << candidate.program;
            return true;
        }
        qCDebug(lcPlatform) << "Mouse settings program did not start:" << candidate.program;
    }
    qCDebug(lcPlatform, "No mouse settings program of a known desktop is installed.");
    return false;
}
