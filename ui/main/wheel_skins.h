#pragma once
#include <QString>
#include <QStringList>

// The images of the two wheel hotspots on the picture of the mouse; some models draw their
// wheel differently. Paths are relative to the application directory.
struct WheelSkins {
    QStringList up;
    QStringList down;
};

WheelSkins wheelSkinsFor(const QString &productName);
