#include "ui/pages/macro_recorder.h"

#include "store/key_table.h"
#include "store/macro_events.h"

#include "ui/main/window_log.h"

#include <QDebug>

void MacroRecorder::start(int delayMode, int defaultDelayMs, int minDelay)
{
    m_recording = true;
    m_delayMode = delayMode;
    m_defaultDelayMs = defaultDelayMs;
    m_minDelay = minDelay > 0 ? minDelay : 10;
    m_haveLast = false;
    m_lastMs = 0;
    m_held.clear();
    m_dropped = 0;
}

QVector<MacroEvent> MacroRecorder::keyEvent(int keyCode, bool released, qint64 nowMs, int rowCount)
{
    const int heldAt = m_held.indexOf(keyCode);
    qCDebug(lcWindow, "OnHookKey ret %d %d %d", keyCode, released ? 128 : 0, heldAt);
    if (!m_recording || (!released && heldAt >= 0))
        return {};

    QVector<MacroEvent> added;
    if (m_haveLast) {
        if (m_delayMode == RecordedDelay)
            added.append(macroDelayUnitsEvent(int(qMin<qint64>((nowMs - m_lastMs) / m_minDelay, kMacroMaxDelayUnits))));
        else if (m_delayMode == DefaultDelay)
            added.append(macroDelayUnitsEvent(m_defaultDelayMs / m_minDelay));
    }
    int usage = 0;
    keyCodeToHidUsage(keyCode, usage);
    added.append(macroKeyEvent(usage, !released));
    // Whole events only: a key row never goes in without the delay that leads to it.
    if (rowCount + added.size() > rowLimit()) {
        ++m_dropped;
        return {};
    }

    if (released)
        m_held.removeAll(keyCode);
    else
        m_held.append(keyCode);
    m_haveLast = true;
    m_lastMs = nowMs;
    return added;
}
