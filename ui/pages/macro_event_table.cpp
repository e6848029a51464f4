#include "ui/pages/macro_event_table.h"

#include <QCoreApplication>
#include <QStandardItemModel>

namespace {

QList<QStandardItem *> rowItems(const MacroEvent &event)
{
    return {new QStandardItem(QString::number(event.map)), new QStandardItem(QString::number(event.dataH)),
            new QStandardItem(QString::number(event.dataL))};
}

uint8_t cellByte(const QStandardItemModel *model, int row, int column)
{
    const QStandardItem *item = model->item(row, column);
    return item ? static_cast<uint8_t>(item->text().toInt()) : 0;
}

} // namespace

void retranslateMacroTable(QStandardItemModel *model)
{
    model->setHorizontalHeaderLabels({QCoreApplication::translate("QObject", "KEY"),
                                      QCoreApplication::translate("QObject", "ACTION"),
                                      QCoreApplication::translate("QObject", "DELAY(ms)")});
}

void resetMacroTable(QStandardItemModel *model)
{
    model->clear();
    model->setColumnCount(kMacroTableColumns);
    retranslateMacroTable(model);
}

MacroEvent macroTableEvent(const QStandardItemModel *model, int row)
{
    return MacroEvent{cellByte(model, row, 0), cellByte(model, row, 1), cellByte(model, row, 2)};
}

void setMacroTableEvent(QStandardItemModel *model, int row, const MacroEvent &event)
{
    if (row < 0 || row >= model->rowCount())
        return;
    const uint8_t bytes[kMacroTableColumns] = {event.map, event.dataH, event.dataL};
    for (int column = 0; column < kMacroTableColumns; ++column)
        model->setItem(row, column, new QStandardItem(QString::number(bytes[column])));
}

QVector<MacroEvent> macroTableEvents(const QStandardItemModel *model)
{
    QVector<MacroEvent> events;
    events.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row)
        events.append(macroTableEvent(model, row));
    return events;
}

void setMacroTableEvents(QStandardItemModel *model, const QVector<MacroEvent> &events)
{
    resetMacroTable(model);
    insertMacroTableEvents(model, 0, events);
}

void insertMacroTableEvents(QStandardItemModel *model, int row, const QVector<MacroEvent> &events)
{
    int at = qBound(0, row, model->rowCount());
    for (const MacroEvent &event : events)
        model->insertRow(at++, rowItems(event));
}

int moveMacroTableRow(QStandardItemModel *model, int from, int to)
{
    if (from < 0 || from >= model->rowCount())
        return -1;
    const int target = qBound(0, to, model->rowCount() - 1);
    if (target == from)
        return from;
    const QList<QStandardItem *> items = model->takeRow(from);
    model->insertRow(target, items);
    return target;
}
