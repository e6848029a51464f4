#include "ui/pages/zel_single_key_window.h"

#include "store/key_table.h"
#include "ui/main/window_log.h"
#include "ui/kit/key_names.h"

#include <QLabel>

ZelSingleKeyWindow::ZelSingleKeyWindow(QWidget *parent) : ZelKeyDialog(tr("Single Key"), parent)
{
    setHint(tr("Press the key this button should send."));
    addValueRow();
    setCapturing(true);
}

void ZelSingleKeyWindow::presetKey(quint8 keyCode)
{
    m_keyCode = keyCode;
    valueLabel()->setText(shownKeyName(keyCode));
}

void ZelSingleKeyWindow::keyCaptured(quint8 keyCode, quint8 flags)
{
    // A held key repeats its press: nothing new. Its release differs by the up flag and
    // names the same key again.
    if (!isNewEvent(keyCode, flags))
        return;
    qCDebug(lcWindow, "Single key captured: code %d, flags %d.", keyCode, flags);
    presetKey(keyCode);
    emit SetSingleKeyValue(keyCode);
}

QString ZelSingleKeyWindow::refusal() const
{
    if (m_keyCode == 0)
        return tr("Press the key the button should send.");
    int usage = 0;
    if (!keyCodeToHidUsage(m_keyCode, usage))
        return tr("The mouse cannot send \"%1\"; press another key.").arg(keyName(m_keyCode));
    return QString();
}
