#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// The desktop's own mouse settings program.
struct MouseSettingsProgram {
    QString desktop;   // as XDG_CURRENT_DESKTOP names it
    QString program;
    QStringList arguments;
};

// The known programs, the running desktop's first, then the usual order; only those found on
// PATH.
QVector<MouseSettingsProgram> installedMouseSettingsPrograms(const QString &currentDesktop);

// Starts the first installed program detached. False when none is installed or none starts.
bool openDesktopMouseSettings();
