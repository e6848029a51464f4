#pragma once
#include <QByteArray>
#include <QString>

// Reads a file only when it is a regular file. Opening a FIFO or a device for reading can
// block for good, so the open never waits and anything but a regular file is refused.
struct RegularFileRead {
    enum State { Missing, Regular, NotRegular, Unreadable };
    State state = Missing;
    QByteArray data;
};

RegularFileRead readRegularFile(const QString &path);

// True when nothing is at `path`, or a regular file is (symbolic links followed).
bool isAbsentOrRegularFile(const QString &path);
