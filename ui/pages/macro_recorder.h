#pragma once
#include "store/macro_files.h"

#include <QVector>
#include <QtGlobal>

// Turns key events into macro rows while the editor records: the held-key list, the delay
// modes and the row limits. Time comes from the caller (a monotonic clock in ms), so the
// rules can be checked without waiting.
class MacroRecorder {
public:
    enum DelayMode { NoDelay = 0, RecordedDelay = 1, DefaultDelay = 2 };

    // A recorded macro stays within what the mouse can play back with its delays.
    static constexpr int kRowLimitWithDelays = 62;
    static constexpr int kRowLimitWithoutDelays = 40;

    void start(int delayMode, int defaultDelayMs, int minDelay);
    bool isRecording() const { return m_recording; }
    void stop() { m_recording = false; }

    // The rows one key event adds to a table of `rowCount` rows: nothing for a repeated press,
    // beyond the row limit or when not recording; else the delay (by the delay mode) and the
    // key row. `keyCode` is the program's key code; its HID usage is stored (0 when the key
    // table has none).
    QVector<MacroEvent> keyEvent(int keyCode, bool released, qint64 nowMs, int rowCount);

    const QVector<int> &heldKeys() const { return m_held; }
    // Key events of this recording left out because the table was full.
    int droppedEvents() const { return m_dropped; }
    int rowLimit() const { return m_delayMode == NoDelay ? kRowLimitWithoutDelays : kRowLimitWithDelays; }

private:
    bool m_recording = false;
    int m_delayMode = NoDelay;
    int m_defaultDelayMs = 10;
    int m_minDelay = 10;
    bool m_haveLast = false;
    qint64 m_lastMs = 0;
    QVector<int> m_held;
    int m_dropped = 0;
};
