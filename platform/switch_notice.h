#pragma once
#include <QString>

// The last profile switch the window made for the program in front, for `zelmouse-cli watch`:
// one small file in the user's runtime folder, replaced whole at every switch.
struct SwitchNotice {
    qint64 time = 0;   // ms since the epoch; 0: none yet
    QString program;   // what the rule matched
    QString profile;
    QString result;    // "switched", "failed" (the write), "skipped" (unsent edits)
};

QString switchNoticePath();
bool writeSwitchNotice(const SwitchNotice &notice);
// A notice of time 0 when there is none or the file is unreadable.
SwitchNotice readSwitchNotice();
