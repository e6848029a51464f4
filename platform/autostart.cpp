#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString autostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/zelmouse.desktop");
}

bool startsAtLogin()
{
    return QFileInfo(autostartEntryPath()).isFile();
}

namespace {

// Desktop entries quote arguments with double quotes and escape these characters.
QString quotedExec(const QString &program)
{
    QString quoted = program;
    for (const char *c : {"\\", "\"", "`", "$"})
        quoted.replace(QLatin1String(c), QLatin1String("\\") + QLatin1String(c));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

bool setStartAtLogin(bool enabled, const QString &program, QString *error)
{
    const QString path = autostartEntryPath();
    if (!enabled) {
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            if (error)
                *error = QStringLiteral("Cannot remove %1.").arg(path);
            return false;
        }
        return true;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot write %1.").arg(path);
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Zelmouse\n"
                                         "Comment=Configure your wireless gaming mouse\n"
                                         "Exec=%1 --hidden\n"
                                         "Icon=zelmouse\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(quotedExec(program));
    file.write(entry.toUtf8());
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1.").arg(path);
        return false;
    }
    return true;
}
