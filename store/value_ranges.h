#pragma once
#include <QString>
#include <QVector>

class IniFile;
struct ProfileData;

// The numbers of a profile that the window and `zelmouse-cli set` take only within a range
// (DPI stage codes of the sensor, the active stage, lighting, sleep time, scroll speed, loop
// and fire counts, the sniper step). A file may hold anything: an import refuses values
// outside these ranges, and a value already stored outside is read as the nearest one inside,
// so that what the window shows, what `get` prints and what is sent agree.

constexpr int kScrollSpeedMin = 1;
constexpr int kScrollSpeedMax = 20;
// Macro loop counts, fire counts and fire delays.
constexpr int kRepeatCountMin = 1;
constexpr int kRepeatCountMax = 255;

struct StoredValueOutOfRange {
    QString key; // as QSettings names it: "PROFILE/DPI_INFO_1_x"
    qint64 value = 0;
    qint64 minimum = 0;
    qint64 maximum = 0;
};

// The ranged values stored in profile group `group` of `ini` that lie outside their range,
// in the order of the profile's keys; `asRead` is that group as read (which of a button's
// values count depends on its function). Keys the file lacks are not looked at.
QVector<StoredValueOutOfRange> storedValuesOutOfRange(const IniFile &ini, const QString &group, const ProfileData &asRead);

// For a profile just read from group `group` of `ini`: every ranged value outside its range
// (as stored, before it was narrowed to its field; as read when the file lacks it) becomes the
// nearest value inside, traced. An export of what was read then holds only values in range.
// Without `withLightOff` (the ".conf" form) the light-off keys, not read, are left alone.
void bringIntoRange(const IniFile &ini, const QString &group, ProfileData &profile, bool withLightOff = true);
