#pragma once
#include <QString>

// Starting the program at login, hidden in the tray: an autostart entry in the user's
// configuration folder ($XDG_CONFIG_HOME/autostart/zelmouse.desktop) that runs `program
// --hidden`. Returns false, with the reason in *error, when the entry cannot be written or
// removed.
QString autostartEntryPath();
bool startsAtLogin();
bool setStartAtLogin(bool enabled, const QString &program, QString *error = nullptr);
