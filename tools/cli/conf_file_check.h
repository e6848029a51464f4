#pragma once
#include <QString>

// Decides whether a ".conf" file may be imported, before anything is changed: it must be a
// readable settings file, carry "MouseName/Name" equal to the current product name, and name
// no slot profile with something that is not a safe file name.
struct ConfFileVerdict {
    bool usable = false;
    QString reason; // one sentence when not usable
};

ConfFileVerdict checkImportFile(const QString &file, const QString &currentProduct);

// The refusal of a ".prof" or ".conf" holding a value the window and `set` do not take, naming
// the key and the range; empty when every value is in range.
QString valueOutOfRangeRefusal(const QString &file);
