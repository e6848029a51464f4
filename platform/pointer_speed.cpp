#include "platform/pointer_speed.h"

#include "platform/platform_log.h"
#include "platform/pointer_speed_settings.h"

#include <QStringList>
#include <QtGlobal>

#include <cmath>

namespace {

constexpr int kDefaultSpeed = 10;
constexpr int kSlowest = 1;
constexpr int kFastest = 20;

// Multiples of the default core acceleration, in 32nds: fine steps below the default, even
// quarter steps above it, so every step is felt and the order never inverts.
constexpr int kFactor32[kFastest] = {1, 2, 4, 8, 12, 16, 20, 24, 28, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112};

bool waylandSession()
{
    const QByteArray type = qgetenv("XDG_SESSION_TYPE").toLower();
    if (!type.isEmpty())
        return type == "wayland";
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("DISPLAY");
}

bool desktopIs(const QStringList &desktops, std::initializer_list<const char *> names)
{
    for (const QString &desktop : desktops) {
        for (const char *name : names) {
            if (desktop.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

// In the order they are tried: the desktop's own setting first. On X11 the devices themselves
// follow, for a desktop whose setting does not answer; on Wayland only the compositor can set
// the pointer, so nothing follows there.
std::vector<std::unique_ptr<PointerSpeedSetting>> candidates()
{
    const QStringList desktops = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const bool wayland = waylandSession();
    std::vector<std::unique_ptr<PointerSpeedSetting>> list;
    if (desktopIs(desktops, {"KDE"})) {
        list.push_back(wayland ? kwinPointerSpeed() : plasmaX11PointerSpeed());
    } else if (desktopIs(desktops, {"X-Cinnamon", "Cinnamon"})) {
        list.push_back(cinnamonPointerSpeed());
    } else if (desktopIs(desktops, {"MATE"})) {
        list.push_back(matePointerSpeed());
    } else if (desktopIs(desktops, {"XFCE"})) {
        list.push_back(xfcePointerSpeed());
    } else if (desktopIs(desktops, {"GNOME", "GNOME-Classic", "GNOME-Flashback", "Unity", "Budgie", "Pantheon", "ubuntu", "Pop"})) {
        list.push_back(gnomePointerSpeed());
    }
    if (!wayland)
        list.push_back(x11PointerSpeed());
    return list;
}

template <typename Action>
PointerSpeedOutcome withFirstReachable(Action action)
{
    PointerSpeedOutcome outcome;
    QStringList reasons;
    for (const std::unique_ptr<PointerSpeedSetting> &setting : candidates()) {
        QString reason;
        if (!setting->reachable(&reason)) {
            qCDebug(lcPlatform).noquote() << "Pointer speed:" << setting->name() << "cannot be used:" << reason;
            reasons << reason;
            continue;
        }
        outcome.where = setting->name();
        if (action(*setting, &outcome)) {
            outcome.done = true;
            return outcome;
        }
        outcome.reason = QStringLiteral("%1 did not take the pointer speed.").arg(setting->name());
        return outcome;
    }
    if (reasons.isEmpty())
        reasons << QStringLiteral("This desktop offers no pointer speed setting to other programs.");
    outcome.reason = reasons.join(QLatin1Char(' '));
    return outcome;
}

} // namespace

double desktopSpeedFromMouseSpeed(int mouseSpeed)
{
    return (qBound(kSlowest, mouseSpeed, kFastest) - kDefaultSpeed) / 10.0;
}

int mouseSpeedFromDesktopSpeed(double speed)
{
    if (!std::isfinite(speed))
        return kDefaultSpeed;
    return qBound(kSlowest, int(std::lround(speed * 10.0)) + kDefaultSpeed, kFastest);
}

int storedMouseSpeed(int stored)
{
    return stored >= kSlowest && stored <= kFastest ? stored : kDefaultSpeed;
}

int pointerSpeedFactor32(int mouseSpeed)
{
    return kFactor32[qBound(kSlowest, mouseSpeed, kFastest) - 1];
}

PointerSpeedOutcome readDesktopPointerSpeed()
{
    return withFirstReachable([](PointerSpeedSetting &setting, PointerSpeedOutcome *outcome) {
        double speed = 0;
        if (!setting.read(&speed))
            return false;
        outcome->mouseSpeed = mouseSpeedFromDesktopSpeed(speed);
        return true;
    });
}

PointerSpeedOutcome setDesktopPointerSpeed(int mouseSpeed)
{
    const int clamped = qBound(kSlowest, mouseSpeed, kFastest);
    PointerSpeedOutcome outcome = withFirstReachable([clamped](PointerSpeedSetting &setting, PointerSpeedOutcome *) {
        return setting.write(desktopSpeedFromMouseSpeed(clamped));
    });
    outcome.mouseSpeed = clamped;
    if (outcome.done)
        qCDebug(lcPlatform).noquote() << "Pointer speed" << clamped << "set through" << outcome.where;
    else
        qCDebug(lcPlatform).noquote() << "Pointer speed" << clamped << "not set:" << outcome.reason;
    return outcome;
}
