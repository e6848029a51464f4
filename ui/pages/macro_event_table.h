#pragma once
#include "store/macro_files.h"

#include <QVector>

class QStandardItemModel;

// The editor's event table: one row per event, three items holding the kind, high and low
// byte as decimal text (as the file keeps them).
constexpr int kMacroTableColumns = 3;

// Empties the table and restores the headers "KEY", "ACTION", "DELAY(ms)".
void resetMacroTable(QStandardItemModel *model);
void retranslateMacroTable(QStandardItemModel *model);

MacroEvent macroTableEvent(const QStandardItemModel *model, int row);
void setMacroTableEvent(QStandardItemModel *model, int row, const MacroEvent &event);
QVector<MacroEvent> macroTableEvents(const QStandardItemModel *model);
void setMacroTableEvents(QStandardItemModel *model, const QVector<MacroEvent> &events);
// Inserts before `row` (clamped to 0..rowCount).
void insertMacroTableEvents(QStandardItemModel *model, int row, const QVector<MacroEvent> &events);
// Moves a row to `to` (clamped); returns where it ended, -1 for an invalid `from`.
int moveMacroTableRow(QStandardItemModel *model, int from, int to);
