#include "store/macro_events.h"

#include "store/key_table.h"

#include <QCoreApplication>

namespace {

struct ButtonName {
    uint8_t bit;
    const char *label; // the editor's, translated there
    const char *word;  // plain words for scripts
};

const ButtonName kButtons[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "LEFT CLICK"), "left button"},
    {2, QT_TRANSLATE_NOOP("QObject", "RIGHT CLICK"), "right button"},
    {4, QT_TRANSLATE_NOOP("QObject", "MIDDLE CLICK"), "middle button"},
    {8, QT_TRANSLATE_NOOP("QObject", "FORWARD"), "forward button"},
    {16, QT_TRANSLATE_NOOP("QObject", "BACKWARD"), "backward button"},
};

const ButtonName *buttonNamed(uint8_t bit)
{
    for (const ButtonName &b : kButtons) {
        if (b.bit == bit)
            return &b;
    }
    return nullptr;
}

} // namespace

MacroEvent macroKeyEvent(int hidUsage, bool press)
{
    return MacroEvent{press ? kMacroKeyPress : kMacroKeyRelease, 0, static_cast<uint8_t>(hidUsage)};
}

MacroEvent macroButtonEvent(uint8_t buttonBit, bool press)
{
    return MacroEvent{press ? kMacroButtonPress : kMacroButtonRelease, 0, buttonBit};
}

MacroEvent macroMoveEvent(MacroDirection direction, int distance)
{
    const int d = qBound(1, distance, kMacroMaxDistance);
    MacroEvent e{kMacroMove, 0, 0};
    switch (direction) {
    case MacroDirection::Left:
        e.dataL = macroDisplacementByte(-d);
        break;
    case MacroDirection::Right:
        e.dataL = macroDisplacementByte(d);
        break;
    case MacroDirection::Up:
        e.dataH = macroDisplacementByte(-d);
        break;
    case MacroDirection::Down:
        e.dataH = macroDisplacementByte(d);
        break;
    }
    return e;
}

MacroEvent macroDelayUnitsEvent(int units)
{
    const int u = qBound(1, units, kMacroMaxDelayUnits);
    return MacroEvent{kMacroDelay, static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u & 0xFF)};
}

bool isMacroPress(const MacroEvent &event)
{
    return (event.map & 0x80) != 0;
}

bool isMacroButtonBit(uint8_t value)
{
    return buttonNamed(value) != nullptr;
}

int macroDelayUnits(const MacroEvent &event)
{
    return event.dataH * 256 + event.dataL;
}

void macroMoveOf(const MacroEvent &event, MacroDirection *direction, int *distance)
{
    if (event.dataH == 0) {
        const int step = macroDisplacement(event.dataL);
        *direction = step < 0 ? MacroDirection::Left : MacroDirection::Right;
        *distance = qAbs(step);
    } else {
        const int step = macroDisplacement(event.dataH);
        *direction = step < 0 ? MacroDirection::Up : MacroDirection::Down;
        *distance = qAbs(step);
    }
}

bool macroPressesReleased(const QVector<MacroEvent> &events)
{
    QVector<uint8_t> presses;
    QVector<uint8_t> releases;
    for (const MacroEvent &e : events) {
        const int kind = e.map & 0x7F;
        if (kind < 1 || kind > 4)
            continue;
        (isMacroPress(e) ? presses : releases).append(e.dataL);
    }
    if (presses.size() > releases.size())
        return false;
    for (uint8_t released : releases) {
        const int at = presses.indexOf(released);
        if (at >= 0)
            presses.remove(at);
    }
    return presses.isEmpty();
}

int macroKeyPartnerRow(const QVector<MacroEvent> &events, int row)
{
    if (row < 0 || row >= events.size() || !isMacroKeyEvent(events.at(row).map))
        return -1;
    const MacroEvent &own = events.at(row);
    const bool press = isMacroPress(own);
    const int step = press ? 1 : -1;
    int depth = 0;
    for (int i = row + step; i >= 0 && i < events.size(); i += step) {
        const MacroEvent &e = events.at(i);
        if (!isMacroKeyEvent(e.map) || e.dataL != own.dataL)
            continue;
        if (isMacroPress(e) == press)
            ++depth;
        else if (depth-- == 0)
            return i;
    }
    return -1;
}

QVector<MacroEvent> macroEventsForEditor(const QVector<MacroEvent> &events)
{
    QVector<MacroEvent> kept;
    kept.reserve(events.size());
    for (MacroEvent e : events) {
        if (isMacroKeyEvent(e.map) || isMacroDelayEvent(e.map)) {
            kept.append(e);
        } else if (isMacroButtonEvent(e.map)) {
            if (isMacroButtonBit(e.dataL) && e.dataH == 0)
                kept.append(e);
        } else if (isMacroMoveEvent(e.map)) {
            if (e.dataH != 0)
                e.dataL = 0;
            kept.append(e);
        }
    }
    return kept;
}

QString macroEventWords(const MacroEvent &event, int minDelay)
{
    const QString action = isMacroPress(event) ? QStringLiteral("press") : QStringLiteral("release");
    if (isMacroButtonEvent(event.map)) {
        const ButtonName *button = buttonNamed(event.dataL);
        return action + QLatin1Char(' ')
               + (button ? QLatin1String(button->word) : QStringLiteral("button %1").arg(event.dataL));
    }
    if (isMacroKeyEvent(event.map)) {
        int keyCode = 0;
        QString name;
        if (hidUsageToKeyCode(event.dataL, keyCode))
            name = keyName(static_cast<unsigned>(keyCode), false);
        if (name.isEmpty())
            name = QStringLiteral("key 0x%1").arg(event.dataL, 2, 16, QLatin1Char('0'));
        return action + QLatin1Char(' ') + name;
    }
    if (isMacroMoveEvent(event.map)) {
        MacroDirection direction;
        int distance = 0;
        macroMoveOf(event, &direction, &distance);
        static const char *const words[] = {"left", "right", "up", "down"};
        return QStringLiteral("move %1 %2").arg(QLatin1String(words[int(direction)])).arg(distance);
    }
    if (isMacroDelayEvent(event.map))
        return QStringLiteral("delay %1 ms").arg(macroDelayUnits(event) * qMax(1, minDelay));
    return QStringLiteral("unknown event %1 %2 %3").arg(event.map).arg(event.dataH).arg(event.dataL);
}

const char *macroButtonLabel(uint8_t buttonBit)
{
    const ButtonName *button = buttonNamed(buttonBit);
    return button ? button->label : nullptr;
}

const char *macroDirectionLabel(MacroDirection direction)
{
    static const char *const labels[] = {
        QT_TRANSLATE_NOOP("QObject", "MOVE LEFT"),
        QT_TRANSLATE_NOOP("QObject", "MOVE RIGHT"),
        QT_TRANSLATE_NOOP("QObject", "MOVE UP"),
        QT_TRANSLATE_NOOP("QObject", "MOVE DOWN"),
    };
    return labels[int(direction)];
}

QVector<MacroEvent> gunEvents(const QVector<GunBullet> &bullets)
{
    QVector<MacroEvent> events;
    for (const GunBullet &bullet : bullets) {
        events.append(macroButtonEvent(1, true));
        events.append(macroButtonEvent(1, false));
        const int y = qBound(-kGunMaxOffset, bullet.y, kGunMaxOffset);
        const int x = qBound(-kGunMaxOffset, bullet.x, kGunMaxOffset);
        if (y != 0)
            events.append(MacroEvent{kMacroMove, macroDisplacementByte(y), 0});
        if (x != 0)
            events.append(MacroEvent{kMacroMove, 0, macroDisplacementByte(x)});
        // Under 10 ms still waits one unit rather than not at all.
        const int delay = qBound(kGunMinDelay, bullet.delayMs, kGunMaxDelay);
        events.append(macroDelayUnitsEvent(delay / kGunDelayUnitMs));
    }
    return events;
}

MacroFile gunMacroFile(const QVector<MacroEvent> &events)
{
    MacroFile file;
    file.defaultDelay = 10;
    file.delayType = 1;
    file.loopType = 0;
    file.loopTime = 1;
    file.events = events;
    return file;
}
