// The macro page's event table: recording from the keyboard, the mouse actions, editing,
// reordering, copy and paste, and the selected row's properties.
#include "ui/pages/macro_dialog.h"

#include "platform/key_capture.h"
#include "store/key_table.h"
#include "store/macro_events.h"
#include "ui/kit/my_int_validator.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/pages/macro_event_table.h"
#include "ui/pages/zel_macro_item_delegate.h"
#include "ui/pages/zel_tree_widget.h"

#include <QCheckBox>
#include "ui/main/window_log.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace {

// A button slot holds at most this many events.
constexpr int kMaxTableRows = 63;

QCheckBox *checkBox(QWidget *w)
{
    return qobject_cast<QCheckBox *>(w);
}

} // namespace

// ---- recording -----------------------------------------------------------------------------

void MacroDialog::startRecording(bool after)
{
    if (isRecording())
        return;
    endKeyEdit();
    // Recording needs a macro to record into.
    if (m_current.isEmpty())
        newMacro();
    if (m_current.isEmpty())
        return;
    if (after) {
        const int row = selectedRow();
        m_insertAt = row >= 0 ? row + 1 : m_model->rowCount();
    } else {
        resetMacroTable(m_model);
        m_insertAt = 0;
    }
    m_recorder.start(delayMode(), qBound(10, m_defaultDelay->text().toInt(), 65535), m_minDelay);
    m_clock.start();
    setRecordingLook(true);
    emit EnableButtonsSignal(false);
    setKeyCapture(true);
}

void MacroDialog::stopRecording()
{
    if (!isRecording())
        return;
    m_recorder.stop();
    setRecordingLook(false);
    emit EnableButtonsSignal(true);
    setKeyCapture(false);
    if (m_recorder.droppedEvents() > 0) {
        showMessage(ZelMessageBox::Warning, QObject::tr("Warning"),
                    QObject::tr("The macro is full at %1 events: the last %2 key events were not recorded.")
                        .arg(m_recorder.rowLimit())
                        .arg(m_recorder.droppedEvents()));
    }
    writeCheckedMacro();
}

bool MacroDialog::writeCheckedMacro()
{
    // A press without its release would leave the key held down on the mouse: such a macro is
    // never saved. The table keeps it for the user to mend.
    if (!macroPressesReleased(macroTableEvents(m_model))) {
        showMessage(ZelMessageBox::Warning, QObject::tr("Warning"), QObject::tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
        return false;
    }
    writeMacroFile(m_current, editedMacro());
    return true;
}

void MacroDialog::setRecordingLook(bool recording)
{
    button(MacroControl::Start)->setText(recording ? QObject::tr("STOP") : QObject::tr("START"));
    for (int i = 0; i < kMacroControlCount; ++i) {
        if (m_controls[i] && MacroControl(i) != MacroControl::Start)
            m_controls[i]->setEnabled(!recording);
    }
}

void MacroDialog::setKeyCapture(bool on)
{
    m_grab->setActive(on);
    if (on)
        setFocus(Qt::OtherFocusReason);
}

void MacroDialog::keyPressEvent(QKeyEvent *event)
{
    if (!isRecording() && !m_editingKey)
        return QWidget::keyPressEvent(event);
    event->accept();
    const std::optional<CapturedKey> key = captureKeyEvent(*event);
    if (!key)
        return;
    // Up keeps its extended bit; the Alt state does not change which key it is.
    const quint8 flags = key->flags & (kKeyFlagUp | kKeyFlagExtended);
    onCapturedKey(captureKeyCode(key->scanCode, flags), key->isRelease());
}

void MacroDialog::keyReleaseEvent(QKeyEvent *event)
{
    keyPressEvent(event);
}

void MacroDialog::onCapturedKey(int keyCode, bool released)
{
    if (m_editingKey) {
        if (keyCode == m_lastKeyCode && released == m_lastKeyReleased)
            return;
        m_lastKeyCode = keyCode;
        m_lastKeyReleased = released;
        const int row = selectedRow();
        MacroEvent e = macroTableEvent(m_model, row);
        int usage = 0;
        if (row < 0 || !isMacroKeyEvent(e.map) || !keyCodeToHidUsage(keyCode, usage))
            return;
        // The other half of the press/release pair changes with it: a press of one key ended
        // by the release of another would leave the first held down on the mouse.
        const int partner = macroKeyPartnerRow(macroTableEvents(m_model), row);
        e.dataL = static_cast<uint8_t>(usage);
        setMacroTableEvent(m_model, row, e);
        if (partner >= 0) {
            MacroEvent other = macroTableEvent(m_model, partner);
            other.dataL = e.dataL;
            setMacroTableEvent(m_model, partner, other);
        }
        showProperties(row);
        return;
    }
    const QVector<MacroEvent> rows = m_recorder.keyEvent(keyCode, released, m_clock.elapsed(), m_model->rowCount());
    if (rows.isEmpty())
        return;
    insertMacroTableEvents(m_model, m_insertAt, rows);
    m_insertAt += rows.size();
    selectRow(m_insertAt - 1);
}

// ---- the mouse action tree -----------------------------------------------------------------

QVector<MacroEvent> MacroDialog::withActionDelay(QVector<MacroEvent> events) const
{
    int units = 0;
    if (delayMode() == MacroRecorder::RecordedDelay)
        units = 10 / m_minDelay;
    else if (delayMode() == MacroRecorder::DefaultDelay)
        units = qBound(10, m_defaultDelay->text().toInt(), 65535) / m_minDelay;
    else
        return events;
    QVector<MacroEvent> out;
    for (const MacroEvent &e : events) {
        out.append(e);
        out.append(macroDelayUnitsEvent(units));
    }
    return out;
}

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int)
{
    auto *entry = static_cast<ZelTreeItem *>(item);
    if (!entry || m_current.isEmpty() || isRecording())
        return;
    endKeyEdit();
    switch (entry->kind()) {
    case ZelTreeItem::Button:
        if (!entry->isExpanded()) {
            m_tree->collapseAll();
            entry->setExpanded(true);
            return;
        }
        insertAfterSelection(withActionDelay({macroButtonEvent(entry->buttonBit(), true), macroButtonEvent(entry->buttonBit(), false)}));
        return;
    case ZelTreeItem::ButtonPress:
    case ZelTreeItem::ButtonRelease:
        insertAfterSelection(withActionDelay({macroButtonEvent(entry->buttonBit(), entry->kind() == ZelTreeItem::ButtonPress)}));
        return;
    case ZelTreeItem::Move:
        m_tree->setCurrentItem(entry);
        mousemove_test();
        return;
    }
}

void MacroDialog::mousemove_test()
{
    auto *entry = static_cast<ZelTreeItem *>(m_tree->currentItem());
    if (entry && entry->kind() == ZelTreeItem::Move && !m_current.isEmpty())
        insertAfterSelection(withActionDelay({macroMoveEvent(entry->direction(), entry->distance())}));
}

void MacroDialog::insertDelay()
{
    if (!m_current.isEmpty())
        insertAfterSelection({macroDelayUnitsEvent(10 / m_minDelay)});
}

void MacroDialog::insertAfterSelection(const QVector<MacroEvent> &events)
{
    if (events.isEmpty())
        return;
    if (m_model->rowCount() + events.size() > kMaxTableRows) {
        showMessage(ZelMessageBox::Warning, QObject::tr("Warning"), QObject::tr("A macro holds at most %1 events.").arg(kMaxTableRows));
        return;
    }
    const int row = selectedRow();
    const int at = row >= 0 ? row + 1 : m_model->rowCount();
    insertMacroTableEvents(m_model, at, events);
    selectRow(at + events.size() - 1);
}

// ---- editing -------------------------------------------------------------------------------

int MacroDialog::selectedRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QVector<int> MacroDialog::selectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty() && selectedRow() >= 0)
        rows.append(selectedRow());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void MacroDialog::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_table->selectionModel()->clearSelection();
        m_table->setCurrentIndex(QModelIndex());
        showProperties(-1);
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index);
    showProperties(row);
}

void MacroDialog::editRow()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    showProperties(row);
    if (!isMacroKeyEvent(macroTableEvent(m_model, row).map)) {
        m_propertyField->setFocus();
        return;
    }
    m_editingKey = true;
    m_lastKeyCode = -1;
    setKeyCapture(true);
    emit EnableButtonsSignal(false);
}

void MacroDialog::endKeyEdit()
{
    if (!m_editingKey)
        return;
    m_editingKey = false;
    setKeyCapture(false);
    emit EnableButtonsSignal(true);
}

void MacroDialog::deleteRow()
{
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    endKeyEdit();
    for (int i = rows.size() - 1; i >= 0; --i)
        m_model->removeRow(rows.at(i));
    selectRow(qMin(rows.first(), m_model->rowCount() - 1));
}

void MacroDialog::moveRow(MacroControl which)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    int target = row;
    switch (which) {
    case MacroControl::Top:
        target = 0;
        break;
    case MacroControl::Bottom:
        target = m_model->rowCount() - 1;
        break;
    case MacroControl::MoveUp:
        target = row - 1;
        break;
    case MacroControl::MoveDown:
        target = row + 1;
        break;
    default:
        return;
    }
    if (target < 0 || target >= m_model->rowCount())
        return;
    selectRow(moveMacroTableRow(m_model, row, target));
}

void MacroDialog::clearRows()
{
    endKeyEdit();
    resetMacroTable(m_model);
}

void MacroDialog::copyRows()
{
    m_clipboard.clear();
    for (int row : selectedRows())
        m_clipboard.append(macroTableEvent(m_model, row));
}

void MacroDialog::cutRows()
{
    copyRows();
    deleteRow();
}

void MacroDialog::pasteRows()
{
    if (!m_current.isEmpty())
        insertAfterSelection(m_clipboard);
}

// ---- the selected row's properties ---------------------------------------------------------

void MacroDialog::showProperties(int row)
{
    const bool valid = row >= 0 && row < m_model->rowCount();
    const MacroEvent e = valid ? macroTableEvent(m_model, row) : MacroEvent{};
    QString title, value, fieldLabel, field;
    if (valid && (isMacroKeyEvent(e.map) || isMacroButtonEvent(e.map))) {
        title = QObject::tr("KEY");
        value = m_delegate->cellText(m_model->index(row, 0)) + QStringLiteral("  ") + m_delegate->cellText(m_model->index(row, 1));
    } else if (valid && isMacroMoveEvent(e.map)) {
        MacroDirection direction;
        int distance = 0;
        macroMoveOf(e, &direction, &distance);
        title = QObject::tr("MOVEMENT");
        value = QObject::tr(macroDirectionLabel(direction));
        fieldLabel = QObject::tr("DISTANCE");
        field = QString::number(distance);
        m_propertyField->setMaxLength(3);
        m_propertyField->setValidator(new MyIntValidator(1, kMacroMaxDistance, m_propertyField));
    } else if (valid && isMacroDelayEvent(e.map)) {
        title = QObject::tr("DELAY");
        value = QObject::tr("%1 ms").arg(macroDelayUnits(e) * m_minDelay);
        fieldLabel = QObject::tr("DELAY");
        field = QString::number(macroDelayUnits(e) * m_minDelay);
        m_propertyField->setMaxLength(5);
        m_propertyField->setValidator(new MyIntValidator(10, 65535, m_propertyField));
    }
    m_propertyTitle->setText(title);
    m_propertyValue->setText(value);
    m_propertyFieldLabel->setText(fieldLabel);
    m_propertyField->setVisible(!fieldLabel.isEmpty());
    if (!m_propertyField->hasFocus() || fieldLabel.isEmpty())
        m_propertyField->setText(field);
}

void MacroDialog::EditMoveChanged(QString text)
{
    const int row = selectedRow();
    const MacroEvent e = macroTableEvent(m_model, row);
    if (row < 0 || !isMacroMoveEvent(e.map) || text.toInt() < 1)
        return;
    MacroDirection direction;
    int distance = 0;
    macroMoveOf(e, &direction, &distance);
    setMacroTableEvent(m_model, row, macroMoveEvent(direction, text.toInt()));
    selectRow(row);
}

void MacroDialog::EditDelayChanged(QString text)
{
    const int row = selectedRow();
    if (row < 0 || !isMacroDelayEvent(macroTableEvent(m_model, row).map) || text.toInt() < 10)
        return;
    setMacroTableEvent(m_model, row, macroDelayUnitsEvent(text.toInt() / m_minDelay));
    selectRow(row);
}

void MacroDialog::DefDelayChanged(QString text)
{
    qCDebug(lcWindow, "DefDelayChanged %s", qPrintable(text));
}

void MacroDialog::LoopTimeChanged(QString text)
{
    qCDebug(lcWindow, "LoopTimeChanged %s", qPrintable(text));
}

void MacroDialog::SelectRow(int row)
{
    qCDebug(lcWindow, "SelectRow %d", row);
}

void MacroDialog::CurrentChanged(QModelIndex current, QModelIndex previous)
{
    if (m_editingKey && current.row() != previous.row())
        endKeyEdit();
    SelectRow(current.row());
    showProperties(current.isValid() ? current.row() : -1);
}

void MacroDialog::itemClicked(QModelIndex index)
{
    showProperties(index.row());
}

void MacroDialog::ZelItemPressed()
{
    endKeyEdit();
}

// ---- delay and loop options ----------------------------------------------------------------

int MacroDialog::delayMode() const
{
    if (checkBox(control(MacroControl::RecordDelays))->isChecked())
        return MacroRecorder::RecordedDelay;
    if (checkBox(control(MacroControl::InsertDefaultDelay))->isChecked())
        return MacroRecorder::DefaultDelay;
    return MacroRecorder::NoDelay;
}

int MacroDialog::loopType() const
{
    for (int i = 0; i < 3; ++i) {
        if (checkBox(control(kMacroLoopToggles[i]))->isChecked())
            return i + 1;
    }
    return 0;
}

void MacroDialog::setDelayMode(int mode)
{
    checkBox(control(MacroControl::RecordDelays))->setChecked(mode == MacroRecorder::RecordedDelay);
    checkBox(control(MacroControl::InsertDefaultDelay))->setChecked(mode == MacroRecorder::DefaultDelay);
}

void MacroDialog::setLoopType(int type)
{
    for (int i = 0; i < 3; ++i)
        checkBox(control(kMacroLoopToggles[i]))->setChecked(type == i + 1);
}

void MacroDialog::checkbtn_clicked()
{
    auto *clicked = qobject_cast<QCheckBox *>(sender());
    if (!clicked || !clicked->isChecked())
        return;
    if (clicked == control(MacroControl::RecordDelays) || clicked == control(MacroControl::InsertDefaultDelay)) {
        setDelayMode(clicked == control(MacroControl::RecordDelays) ? MacroRecorder::RecordedDelay : MacroRecorder::DefaultDelay);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (clicked == control(kMacroLoopToggles[i]))
            setLoopType(i + 1);
    }
}
