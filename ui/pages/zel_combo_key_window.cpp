#include "ui/pages/zel_combo_key_window.h"

#include "platform/key_capture.h"
#include "store/device_settings.h"
#include "store/key_table.h"
#include "ui/main/window_log.h"
#include "ui/kit/key_names.h"

#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

struct Modifier {
    quint8 left;
    quint8 right;
    int field;
};

constexpr Modifier kModifiers[] = {
    {42, 54, ZelComboKeyWindow::Shift},
    {29, 238, ZelComboKeyWindow::Ctrl},
    {91, 92, ZelComboKeyWindow::Win},
    {56, 239, ZelComboKeyWindow::Alt},
};

const Modifier *modifierOf(quint8 keyCode)
{
    for (const Modifier &m : kModifiers) {
        if (m.left == keyCode || m.right == keyCode)
            return &m;
    }
    return nullptr;
}

} // namespace

ZelComboKeyWindow::ZelComboKeyWindow(QWidget *parent) : ZelKeyDialog(tr("Combo Key"), parent)
{
    // Every key goes to the combination while the dialog is open, so it is closed with the mouse.
    setHint(tr("Hold the modifier keys and press one more key, for example Ctrl and C. "
               "Then click OK."));
    addValueRow();
    setCapturing(true);
}

QVector<quint8> ZelComboKeyWindow::resultKeyCodes() const
{
    QVector<quint8> codes;
    for (int field = 0; field < FieldCount; ++field) {
        if (m_resultFlags[field])
            codes.append(m_resultCodes[field][0]);
    }
    return codes;
}

void ZelComboKeyWindow::clearLive()
{
    std::fill(std::begin(m_live), std::end(m_live), quint8(0));
    m_key = 0;
}

void ZelComboKeyWindow::noteKey(quint8 keyCode, bool add)
{
    if (const Modifier *m = modifierOf(keyCode)) {
        const quint8 side = keyCode == m->left ? 1 : 2;
        m_live[m->field] = add ? quint8(m_live[m->field] + side) : side;
        return;
    }
    m_live[Key] = 1;
    m_key = keyCode;
}

void ZelComboKeyWindow::releaseKey(quint8 keyCode)
{
    if (const Modifier *m = modifierOf(keyCode)) {
        // A modifier held before the dialog opened may be released without a press seen here.
        const quint8 side = keyCode == m->left ? 1 : 2;
        m_live[m->field] = m_live[m->field] > side ? quint8(m_live[m->field] - side) : quint8(0);
        return;
    }
    m_live[Key] = 0;
}

void ZelComboKeyWindow::publish()
{
    QStringList names;
    for (int field = 0; field < FieldCount; ++field) {
        const quint8 held = m_live[field];
        if (!held)
            continue;
        quint8 code = m_key;
        if (field != Key) {
            // kModifiers is in field order.
            code = held > 2 ? kModifiers[field].right : kModifiers[field].left;
        }
        names.append(shownKeyName(code));
    }
    m_text = names.join(QStringLiteral(" + "));
    valueLabel()->setText(m_text);
    std::copy(std::begin(m_live), std::end(m_live), std::begin(m_resultFlags));
    m_resultCodes[Key][0] = m_key;
    m_resultCodes[Key][1] = 0;
}

void ZelComboKeyWindow::presetKeyInfo(const KeyInfoEntry *events)
{
    clearLive();
    for (int i = 0; i < 5; ++i) {
        if (!events[i].map)
            continue;
        int keyCode = 0;
        hidUsageToKeyCode(events[i].map, keyCode);
        noteKey(quint8(keyCode), true);
    }
    publish();
}

void ZelComboKeyWindow::keyCaptured(quint8 keyCode, quint8 flags)
{
    if (!isNewEvent(keyCode, flags))
        return;
    qCDebug(lcWindow, "Combo key event: code %x, flags %x.", keyCode, flags);
    if (m_fresh == -1) {
        clearLive();
        std::fill(std::begin(m_resultFlags), std::end(m_resultFlags), quint8(0));
        m_fresh = 0;
    }
    // Any event without the up bit is a press, an extended one with Alt held (right Alt) too.
    if (!(flags & kKeyFlagUp)) {
        noteKey(keyCode, false);
        publish();
    } else {
        releaseKey(keyCode);
    }
}

QString ZelComboKeyWindow::refusal() const
{
    return resultKeyCodes().isEmpty() ? tr("Press the keys of the combination together.") : QString();
}
